#include <gtest/gtest.h>

#include <string>

#include "plataforma/CancionMidi.h"

namespace {

// Un MIDI de una pista con los eventos dados; la cabecera puede cambiar.
std::string midi(const std::string& eventos, const std::string& cabecera = std::string("\0\0\0\1\0\x60", 6))
{
    const size_t n = eventos.size();
    return std::string("MThd\0\0\0\6", 8) + cabecera + "MTrk" + char(n >> 24) + char(n >> 16) + char(n >> 8) +
           char(n) + eventos;
}

bool sano(const std::string& bytes)
{
    return midiSano(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

const std::string NOTA("\0\x90\x3c\x64\x60\x80\x3c\0", 8);
const std::string FIN("\0\xff\x2f\0", 4);

// Lo que el reproductor de Allegro recorrería mal no llega a cargarse.
TEST(PruebaCancionMidi, SoloPasaLoQueElReproductorPuedeRecorrer)
{
    EXPECT_TRUE(sano(midi(NOTA + FIN)));
    EXPECT_TRUE(sano(midi(NOTA + std::string("\0\x3e\x64\x10\xff\x51\3\7\xa1\x20", 10) + FIN))) << "estado repetido y tempo";
    EXPECT_TRUE(sano(midi(NOTA + FIN) + "sobra")) << "lo que va tras las pistas no se lee";
    const std::pair<std::string, const char*> rotos[] = {
        { midi(NOTA), "sin fin de pista" },
        { midi(NOTA + FIN).substr(0, 30), "cortado" },
        { midi(FIN), "no dura nada" },
        { midi(std::string("\0\x3c\x64", 3) + NOTA + FIN), "dato sin estado" },
        { midi(std::string("\0\x90\xbc\x64", 4) + NOTA + FIN), "nota de más de 7 bits" },
        { midi(NOTA + std::string("\0\xff\x51\3\0\0\0", 7) + FIN), "tempo cero" },
        { midi(NOTA + std::string("\0\xf3\1", 3) + FIN), "mensaje de sistema" },
        { midi(NOTA + std::string("\x80\x80\x80\x80\0", 5) + FIN), "espera de cinco bytes" },
        { midi(NOTA + FIN, std::string("\0\2\0\1\0\x60", 6)), "formato 2" },
        { midi(NOTA + FIN, std::string("\0\0\0\1\0\0", 6)), "cero divisiones" },
        { midi(NOTA + FIN, std::string("\0\0\0\1\xe7\x28", 6)), "tiempo SMPTE" },
        { midi(NOTA + FIN, std::string("\0\1\0\2\0\x60", 6)), "falta una pista" },
        { midi(NOTA + FIN, std::string("\0\1\0\x21\0\x60", 6)), "más pistas que las de Allegro" },
    };
    for (const auto& [bytes, motivo] : rotos)
        EXPECT_FALSE(sano(bytes)) << motivo;
    EXPECT_FALSE(archivoMidiSano("/no/existe.mid"));
}

}

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plataforma/SonidoWav.h"

namespace {

void poner32(std::string& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b += char(v >> (8 * i) & 0xFF);
}

void poner16(std::string& b, uint16_t v)
{
    b += char(v & 0xFF);
    b += char(v >> 8);
}

// Un WAV mono de 16 bits con las muestras dadas; los trozos que se pidan van
// antes del de datos, y el de datos puede anunciar más de lo que trae.
std::string wav(uint16_t formato, uint16_t bits, const std::string& antes, uint32_t muestras, uint32_t anunciadas)
{
    std::string fmt = "fmt ";
    poner32(fmt, 16);
    poner16(fmt, formato);
    poner16(fmt, 1);
    poner32(fmt, 22050);
    poner32(fmt, 22050 * bits / 8);
    poner16(fmt, bits / 8);
    poner16(fmt, bits);
    std::string datos = "data";
    poner32(datos, anunciadas * bits / 8);
    datos += std::string(muestras * bits / 8, '\x11');
    std::string todo = "WAVE" + antes + fmt + datos;
    std::string riff = "RIFF";
    poner32(riff, uint32_t(todo.size()));
    return riff + todo;
}

bool sano(const std::string& bytes)
{
    return wavSano(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// Lo que Allegro cargaría mal no llega a cargarse: cortado, en un formato que
// no es PCM de 8 o 16 bits, sin formato antes de los datos, o sin datos.
TEST(PruebaSonidoWav, SoloPasaElPcmEnteroQueAllegroSabeLeer)
{
    std::string lista = "LIST";
    poner32(lista, 3);
    lista += "abc";
    EXPECT_TRUE(sano(wav(1, 16, "", 100, 100)));
    EXPECT_TRUE(sano(wav(1, 8, lista, 7, 7))) << "Allegro no salta relleno tras un trozo impar";
    EXPECT_FALSE(sano(wav(1, 8, lista + '\0', 7, 7))) << "con relleno, Allegro no ve el formato";
    EXPECT_FALSE(sano(wav(1, 16, "", 100, 101))) << "cortado";
    std::string cortado = wav(1, 16, "", 100, 100);
    EXPECT_FALSE(sano(cortado.substr(0, cortado.size() - 1)));
    EXPECT_FALSE(sano(wav(3, 32, "", 100, 100))) << "en coma flotante";
    EXPECT_FALSE(sano(wav(1, 24, "", 100, 100)));
    EXPECT_FALSE(sano(wav(1, 16, "", 0, 0))) << "sin muestras";
    std::string sinFormato = wav(1, 16, "", 10, 10);
    std::memcpy(&sinFormato[12], "junk", 4);
    EXPECT_FALSE(sano(sinFormato));
    std::string otraMarca = wav(1, 16, "", 10, 10);
    otraMarca[3] = 'X';
    EXPECT_FALSE(sano(otraMarca));
    EXPECT_FALSE(sano(wav(1, 16, "", 10, 10) + std::string("data\2\0\0\0\1\2", 10))) << "otro trozo de datos";
    std::string mediaMuestra = wav(1, 16, "", 10, 10);
    mediaMuestra[40] = 19;
    EXPECT_FALSE(sano(mediaMuestra.substr(0, mediaMuestra.size() - 1))) << "media muestra al final";
    EXPECT_FALSE(sano(""));
    EXPECT_FALSE(archivoWavSano("/no/existe.wav"));
}

}

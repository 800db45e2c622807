#include "plataforma/CancionMidi.h"

#include <cstring>
#include <string>

#include "plataforma/Archivos.h"

namespace {

// Lo que admite Allegro: MIDI_TRACKS pistas como mucho.
const uint32_t PISTAS_MAXIMAS = 32;

// En un MIDI los números van en big-endian, al revés que en los BMP y WAV.
uint32_t leerGrande(const uint8_t* p, int bytes)
{
    uint32_t valor = 0;
    for (int i = 0; i < bytes; ++i)
        valor = valor << 8 | p[i];
    return valor;
}

// Lee un número de longitud variable (7 bits por byte, cuatro bytes como
// mucho) sin salir de la pista.
bool leerVariable(const uint8_t* pista, size_t largo, size_t& pos, uint32_t& valor)
{
    valor = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= largo)
            return false;
        const uint8_t byte = pista[pos++];
        valor = valor << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// Cada evento con sus datos dentro de la pista, y la pista acaba con su
// evento de fin: el reproductor no mira el largo, solo el fin. Da los ticks
// que dura.
bool pistaSana(const uint8_t* pista, size_t largo, uint64_t& ticks)
{
    ticks = 0;
    uint8_t estado = 0;
    for (size_t pos = 0;;) {
        uint32_t espera;
        if (!leerVariable(pista, largo, pos, espera) || pos >= largo)
            return false;
        ticks += espera;
        uint8_t byte = pista[pos];
        if (byte & 0x80) {
            ++pos;
        } else if (estado == 0) {
            // Un dato sin estado que repetir.
            return false;
        } else {
            byte = estado;
        }
        if (byte == 0xFF) {
            if (pos >= largo)
                return false;
            const uint8_t tipo = pista[pos++];
            uint32_t datos;
            if (tipo & 0x80 || !leerVariable(pista, largo, pos, datos) || datos > largo - pos)
                return false;
            // El tempo se lee siempre de tres bytes, y cero no deja avanzar.
            if (tipo == 0x51 && (datos != 3 || leerGrande(pista + pos, 3) == 0))
                return false;
            if (tipo == 0x2F)
                return datos == 0;
            pos += datos;
            estado = 0;
        } else if (byte == 0xF0 || byte == 0xF7) {
            uint32_t datos;
            if (!leerVariable(pista, largo, pos, datos) || datos > largo - pos)
                return false;
            pos += datos;
            estado = 0;
        } else if (byte >= 0xF0) {
            // Mensajes de sistema que no caben en un archivo.
            return false;
        } else {
            // Las notas y los controles llevan uno o dos datos de 7 bits: uno
            // mayor se saldría de las tablas de 128 del reproductor.
            estado = byte;
            const int cuantos = (byte & 0xF0) == 0xC0 || (byte & 0xF0) == 0xD0 ? 1 : 2;
            if (largo - pos < size_t(cuantos))
                return false;
            for (int i = 0; i < cuantos; ++i)
                if (pista[pos++] & 0x80)
                    return false;
        }
    }
}

}

bool midiSano(const uint8_t* bytes, size_t tamano)
{
    if (tamano < 14 || std::memcmp(bytes, "MThd", 4) != 0 || leerGrande(bytes + 4, 4) != 6)
        return false;
    const uint32_t formato = leerGrande(bytes + 8, 2), pistas = leerGrande(bytes + 10, 2);
    const uint32_t divisiones = leerGrande(bytes + 12, 2);
    // Las divisiones en tiempo SMPTE (bit alto) Allegro no las entiende, y
    // con cero divide por cero al tocar.
    if (formato > 1 || pistas == 0 || pistas > PISTAS_MAXIMAS || divisiones == 0 || divisiones & 0x8000)
        return false;
    uint64_t duracion = 0;
    size_t pos = 14;
    for (uint32_t p = 0; p < pistas; ++p) {
        if (tamano - pos < 8 || std::memcmp(bytes + pos, "MTrk", 4) != 0)
            return false;
        const uint32_t largo = leerGrande(bytes + pos + 4, 4);
        pos += 8;
        uint64_t ticks;
        if (largo > tamano - pos || !pistaSana(bytes + pos, largo, ticks))
            return false;
        duracion = ticks > duracion ? ticks : duracion;
        pos += largo;
    }
    // Una canción que no dura nada, tocada en bucle, vuelve a empezar sin fin.
    return duracion > 0;
}

bool archivoMidiSano(const char* ruta)
{
    std::string bytes;
    return leerArchivo(ruta, bytes) && midiSano(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

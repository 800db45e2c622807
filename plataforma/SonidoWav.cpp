#include "plataforma/SonidoWav.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Un efecto dura segundos: ni el más largo llega a esto.
const long TAMANO_MAXIMO = 8 * 1024 * 1024;

uint32_t leer32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t leer16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

}

// Los trozos van uno tras otro, con su nombre y su largo (más un byte de
// relleno si es impar); el de formato tiene que ir antes que el de datos.
bool wavSano(const uint8_t* bytes, size_t tamano)
{
    if (tamano < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return false;
    bool conFormato = false;
    for (size_t pos = 12; pos + 8 <= tamano;) {
        const uint8_t* trozo = bytes + pos;
        const uint64_t largo = leer32(trozo + 4);
        const uint64_t queda = tamano - pos - 8;
        if (largo > queda)
            return false;
        if (std::memcmp(trozo, "fmt ", 4) == 0) {
            if (largo < 16)
                return false;
            const uint16_t formato = leer16(trozo + 8), canales = leer16(trozo + 10), bits = leer16(trozo + 22);
            const uint32_t frecuencia = leer32(trozo + 12);
            if (formato != 1 || (canales != 1 && canales != 2) || (bits != 8 && bits != 16) || frecuencia == 0)
                return false;
            conFormato = true;
        } else if (std::memcmp(trozo, "data", 4) == 0) {
            return conFormato && largo > 0;
        }
        pos += 8 + largo + (largo & 1);
    }
    return false;
}

bool archivoWavSano(const char* ruta)
{
    std::FILE* archivo = std::fopen(ruta, "rb");
    if (!archivo)
        return false;
    long tamano = -1;
    if (std::fseek(archivo, 0, SEEK_END) == 0)
        tamano = std::ftell(archivo);
    std::vector<uint8_t> bytes(tamano > 0 && tamano <= TAMANO_MAXIMO ? size_t(tamano) : 0);
    const bool leido = !bytes.empty() && std::fseek(archivo, 0, SEEK_SET) == 0 &&
                       std::fread(bytes.data(), 1, bytes.size(), archivo) == bytes.size();
    std::fclose(archivo);
    return leido && wavSano(bytes.data(), bytes.size());
}

#include "plataforma/SonidoWav.h"

#include <cstring>
#include <string>

#include "plataforma/Archivos.h"
#include "plataforma/Bytes.h"

namespace {

// Un efecto dura segundos: ni el más largo llega a esto.
const size_t TAMANO_MAXIMO = 8 * 1024 * 1024;

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
    std::string bytes;
    return leerArchivo(ruta, bytes) && bytes.size() <= TAMANO_MAXIMO &&
           wavSano(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

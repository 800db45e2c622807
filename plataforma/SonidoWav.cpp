#include "plataforma/SonidoWav.h"

#include <cstring>
#include <string>

#include "plataforma/Archivos.h"
#include "plataforma/Bytes.h"

namespace {

// Un efecto dura segundos: ni el más largo llega a esto.
const size_t TAMANO_MAXIMO = 8 * 1024 * 1024;

}

// Los trozos van uno tras otro, con su nombre y su largo, hasta el final del
// archivo: Allegro los lee todos, y un segundo trozo de datos o de formato
// cambiaría lo cargado. Uno solo de cada, el de formato antes que el de
// datos. Allegro no salta el byte de relleno de un trozo impar: aquí
// tampoco, o lo que se mira no sería lo que él carga.
bool wavSano(const uint8_t* bytes, size_t tamano)
{
    if (tamano < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return false;
    bool conFormato = false, conDatos = false;
    uint64_t bytesPorMuestra = 0;
    for (size_t pos = 12; pos < tamano;) {
        if (tamano - pos < 8)
            return false;
        const uint8_t* trozo = bytes + pos;
        const uint64_t largo = leer32(trozo + 4);
        const uint64_t queda = tamano - pos - 8;
        if (largo > queda)
            return false;
        if (std::memcmp(trozo, "fmt ", 4) == 0) {
            if (largo < 16 || conFormato)
                return false;
            const uint16_t formato = leer16(trozo + 8), canales = leer16(trozo + 10), bits = leer16(trozo + 22);
            const uint32_t frecuencia = leer32(trozo + 12);
            if (formato != 1 || (canales != 1 && canales != 2) || (bits != 8 && bits != 16) || frecuencia == 0)
                return false;
            bytesPorMuestra = canales * bits / 8;
            conFormato = true;
        } else if (std::memcmp(trozo, "data", 4) == 0) {
            // Allegro redondea hacia arriba las muestras y leería la que falta.
            if (!conFormato || conDatos || largo == 0 || largo % bytesPorMuestra != 0)
                return false;
            conDatos = true;
        }
        pos += 8 + largo;
    }
    return conDatos;
}

bool archivoWavSano(const char* ruta)
{
    std::string bytes;
    return leerArchivo(ruta, bytes) && bytes.size() <= TAMANO_MAXIMO &&
           wavSano(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

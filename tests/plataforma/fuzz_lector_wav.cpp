// Fuzzer de los efectos: bytes cualesquiera pasan por lo mismo que un WAV del
// juego, nuestra comprobación y, si la pasa, el cargador de Allegro. Sin
// fallos de memoria, sin fugas, sin cuelgues; lo que la comprobación da por
// bueno Allegro lo carga, y con todas las muestras que anuncia.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plataforma/Bytes.h"
#include "plataforma/SonidoWav.h"
#include "tests/plataforma/ArchivoEnMemoria.h"

namespace {

void fallar(const char* motivo)
{
    std::fprintf(stderr, "lector de WAV: %s\n", motivo);
    std::abort();
}

// Los bytes de muestras del trozo de datos, buscado como lo busca Allegro.
uint32_t bytesDeDatos(const uint8_t* datos, size_t largo, int& canales, int& bits)
{
    for (size_t pos = 12; pos + 8 <= largo;) {
        const uint32_t trozo = leer32(datos + pos + 4);
        if (std::memcmp(datos + pos, "fmt ", 4) == 0) {
            canales = leer16(datos + pos + 10);
            bits = leer16(datos + pos + 22);
        } else if (std::memcmp(datos + pos, "data", 4) == 0) {
            return trozo;
        }
        pos += 8 + size_t(trozo);
    }
    fallar("la comprobación pasó un WAV sin datos");
    return 0;
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (!wavSano(datos, largo))
        return 0;
    SAMPLE* sonido;
    {
        ArchivoEnMemoria archivo(datos, largo);
        sonido = load_wav_pf(archivo.archivo());
    }
    if (!sonido)
        fallar("la comprobación lo dio por bueno y Allegro no lo carga");
    int canales = 0, bits = 0;
    const uint32_t bytes = bytesDeDatos(datos, largo, canales, bits);
    if (sonido->len != bytes / uint32_t(canales * bits / 8) || sonido->bits != bits || (sonido->stereo != 0) != (canales == 2)) {
        std::fprintf(stderr, "lector de WAV: anuncia %u bytes de %d canales de %d bits; Allegro carga %lu muestras de %d canales de %d bits\n",
                     bytes, canales, bits, sonido->len, sonido->stereo ? 2 : 1, sonido->bits);
        std::abort();
    }
    destroy_sample(sonido);
    return 0;
}

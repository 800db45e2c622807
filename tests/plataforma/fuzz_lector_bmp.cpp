// Fuzzer de los dibujos: bytes cualesquiera pasan por lo mismo que un BMP del
// juego, la comprobación de la cabecera y, si la pasa, el cargador de
// Allegro a 16 bits. Sin fallos de memoria, sin fugas, sin cuelgues, y lo que
// se carga tiene las medidas que anunciaba la cabecera.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "plataforma/Bytes.h"
#include "plataforma/ImagenBmp.h"
#include "tests/plataforma/ArchivoEnMemoria.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        std::abort();
    set_color_depth(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const size_t leidos = largo < LARGO_CABECERA_BMP ? largo : LARGO_CABECERA_BMP;
    if (!cabeceraBmpSana(datos, leidos, largo))
        return 0;
    // El icono se carga con sus colores; el resto, bajado a los de la pantalla.
    const bool comoIcono = largo & 1;
    const int conversion = get_color_conversion();
    if (comoIcono)
        set_color_conversion(COLORCONV_NONE);
    PALETTE paleta;
    BITMAP* imagen;
    {
        ArchivoEnMemoria archivo(datos, largo);
        imagen = load_bmp_pf(archivo.archivo(), paleta);
    }
    set_color_conversion(conversion);
    if (!imagen)
        return 0;
    const bool os2 = leer32(datos + 14) == 12;
    const int ancho = os2 ? leer16(datos + 18) : int32_t(leer32(datos + 18));
    const int alto = os2 ? leer16(datos + 20) : int32_t(leer32(datos + 22));
    if (imagen->w != ancho || imagen->h != alto) {
        std::fprintf(stderr, "lector de BMP: anuncia %dx%d y carga %dx%d\n", ancho, alto, imagen->w, imagen->h);
        std::abort();
    }
    destroy_bitmap(imagen);
    return 0;
}

// Escribe las semillas de los fuzzers de dibujos, efectos, música y ajustes
// en CARPETA/{bmp,wav,midi,ajustes}/semillas. Las hacen los mismos escritores
// que los recursos del juego y sus ajustes, para que sigan a lo que se carga;
// pequeñas, que el fuzzer las recorra deprisa.
#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>
#include <allegro/internal/aintern.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "ajustes/CAjustes.h"
#include "tools/ArchivoMidi.h"
#include "tools/CarpetaSalida.h"
#include "tools/EscritorWav.h"
#include "tools/Lienzo.h"
#include "tools/Musica.h"

namespace {

void dibujos(const CarpetaSalida& salida)
{
    // Uno de 24 bits como los del juego, de ancho impar para que lleve relleno.
    Lienzo lienzo(7, 5, colores::VERDE_RANA);
    lienzo.degradadoVertical(0, 4, colores::AMARILLO_TITULO, colores::ROJO);
    lienzo.guardarEn(salida, "bmp/semillas/color.bmp");
    // Y uno de 8 bits con su paleta.
    BITMAP* indices = create_bitmap_ex(8, 5, 3);
    PALETTE paleta;
    for (int i = 0; i < PAL_SIZE; ++i)
        paleta[i] = RGB{ uint8_t(i / 4), uint8_t(63 - i / 4), uint8_t(i % 64), 0 };
    for (int y = 0; y < indices->h; ++y)
        for (int x = 0; x < indices->w; ++x)
            putpixel(indices, x, y, x * 40 + y);
    const std::string ruta = salida.preparar("bmp/semillas/paleta.bmp");
    if (save_bmp(ruta.c_str(), indices, paleta) != 0)
        throw std::runtime_error("no se pudo escribir " + ruta);
    destroy_bitmap(indices);
}

void efectos(const CarpetaSalida& salida)
{
    std::vector<int16_t> muestras;
    for (int i = 0; i < 40; ++i)
        muestras.push_back(int16_t((i % 10 - 5) * 3000));
    salida.escribir("wav/semillas/corto.wav", codificarWav(muestras, 22050));
    salida.escribir("wav/semillas/impar.wav", codificarWav({ 1, -1, 32767 }, 11025));
}

void musica(const CarpetaSalida& salida)
{
    ArchivoMidi corta(96);
    PistaMidi& pista = corta.nuevaPista();
    pista.tempo(0, 120);
    pista.programa(0, 0, 74);
    pista.nota(0, 48, 0, 60, 100);
    pista.nota(48, 48, 0, 67, 90);
    pista.controlador(48, 0, 7, 100);
    corta.terminarEn(96);
    salida.escribir("midi/semillas/corta.mid", corta.bytes());
    salida.escribir("midi/semillas/titulo.mid", temaTitulo().bytes());
}

// Los de serie y unos cambiados con teclas, escritos por el propio juego.
void ajustes(const CarpetaSalida& salida)
{
    // Sin teclado instalado scancode_to_name no responde: sus nombres de siempre.
    const auto nombrar = [](int tecla) { return _keyboard_common_names[tecla]; };
    const std::string serie = salida.preparar("ajustes/semillas/serie.cfg");
    CAjustes deSerie(serie);
    Preferencias p = deSerie.cargar();
    deSerie.resolverTeclas(p, nombrar);
    deSerie.anotar(Ajuste::TODOS, p);
    const std::string cambiados = salida.preparar("ajustes/semillas/cambiados.cfg");
    CAjustes otros(cambiados);
    p = otros.cargar();
    otros.resolverTeclas(p, nombrar);
    p.escala = 3;
    p.completa = p.estirada = p.silencio = true;
    p.volumen = 4;
    p.botonInicio = 10;
    p.zonaMuerta = 64;
    p.teclas[ARRIBA] = KEY_W;
    p.teclas[DISPARO] = KEY_LCONTROL;
    otros.anotar(Ajuste::TODOS, p);
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    try {
        const CarpetaSalida salida(argv[1]);
        dibujos(salida);
        efectos(salida);
        musica(salida);
        ajustes(salida);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "semillas: %s\n", e.what());
        return 1;
    }
    return 0;
}

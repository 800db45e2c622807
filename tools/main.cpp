#include "tools/CarpetaSalida.h"
#include "tools/Hojas.h"
#include "tools/Icono.h"
#include "tools/IndiceParches.h"
#include "tools/Mapa.h"
#include "tools/Musica.h"
#include "tools/Pantallas.h"
#include "tools/Sonidos.h"

// Sin el main "mágico" de Allegro: no hace falta END_OF_MAIN.
#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>

#include <cerrno>
#include <exception>
#include <iostream>

// Genera en tiempo de compilación todos los recursos que el juego carga.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "uso: generar-recursos <carpeta-salida>\n";
        return 2;
    }
    // Sin pantalla ni temporizador: sólo bitmaps de memoria.
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::cerr << "generar-recursos: error: no arranca Allegro: " << allegro_error << '\n';
        return 1;
    }
    try {
        CarpetaSalida salida(argv[1]);
        generarPantallas(salida);
        generarHojas(salida);
        generarMapas(salida);
        generarMusica(salida);
        generarSonidos(salida);
        generarIndiceParches(salida, INDICE_FREEPATS);
        generarIconos(salida);
    } catch (const std::exception& e) {
        std::cerr << "generar-recursos: error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

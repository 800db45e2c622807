// Juega la fase entera con el piloto, sin pantalla, y guarda la partida como
// la demo del juego: la misma en cada compilación.
#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "plataforma/Archivos.h"
#include "plataforma/CDispositivosSinPantalla.h"
#include "plataforma/Recursos.h"
#include "player/CRana.h"
#include "repeticion/CGrabadora.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"
#include "tools/CPiloto.h"
#include "world/CPartida.h"
#include "opciones/CPreferenciasActivas.h"

namespace {
// Algo más que todo el desplazamiento de la fase (157,44 s) y lo que tarda el gigante.
const int CUADROS = 16500;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: piloto-demo <carpeta-de-recursos> <demo.rep>\n");
        return 2;
    }
    const std::string salida = std::filesystem::absolute(argv[2]).string();
    if (chdir(argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    localizarRecursos();
    CDispositivosSinPantalla sinPantalla;
    CPiloto piloto;
    int cuadros = 0, energia = 0;
    sinPantalla.alPresentar = [&] {
        piloto.decidir(sinPantalla.teclas);
        if (jugador)
            energia = jugador->energia;
        sinPantalla.teclas[KEY_ESC] = ++cuadros >= CUADROS;
    };
    sistema.usarDispositivos(&sinPantalla);
    int estado = 0;
    try {
        sistema.inicializar(preferenciasActivas);
        CPartida partida;
        CFase1* fase = new CFase1();
        partida.fase = fase;
        CGrabadora grabadora(fase->resumenMapa, ultimaColumna);
        partida.jugarFase(grabadora);
        const CRepeticion& demo = grabadora.grabada();
        std::filesystem::create_directories(std::filesystem::path(salida).parent_path());
        if (!escribirArchivoAtomico(salida, demo.codificar()))
            throw CExcepcion(ERROR_ARCHIVOS);
        std::printf("piloto-demo: %zu cuadros; %d enemigos destruidos; el gigante %s; acaba con energía %d\n",
                    demo.cuadros.size(), piloto.enemigosDestruidos,
                    piloto.giganteReventado ? "revienta" : "no revienta", energia);
    } catch (CExcepcion error) {
        std::fprintf(stderr, "piloto-demo: %s\n", mensajeDeError(error.codigo));
        estado = 1;
    }
    sistema.finalizar();
    return estado;
}

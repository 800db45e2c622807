#include <allegro.h>

#include <cstdio>
#include <string>

#include "ajustes/LineaOrdenes.h"
#include "plataforma/Recursos.h"
#include "repeticion/CRepeticiones.h"
#include "repeticion/CVerificacion.h"
#include "repeticion/PartidaGrabada.h"
#include "shell/CJuego.h"
#ifdef _WIN32
#include "plataforma/PlataformaWindows.h"
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    usarConsolaDelPadre();
    if (char** enUtf8 = argumentosUtf8(argc))
        argv = enUtf8;
#endif
    OpcionesLinea opciones;
    std::string problema;
    // Antes que nada de Allegro: --help, --version y los errores no abren pantalla.
    const Orden orden = analizarLinea(argc, argv, opciones, problema);
    switch (orden) {
    case Orden::AYUDA:
    case Orden::VERSION: {
        const std::string texto = orden == Orden::AYUDA ? textoAyuda() : textoVersion() + "\n";
        // Como en GNU: si no se pudo escribir (--help > /dev/full), no sale con 0.
        return std::fputs(texto.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
    case Orden::ERROR:
        std::fprintf(stderr, "escuadron-rana: %s\nPrueba «escuadron-rana --help» para más información.\n",
                     problema.c_str());
        return 2;
    case Orden::VERIFICAR: {
        localizarRecursos();
        CVerificacion verificacion;
        return verificacion.ejecutar(opciones.verificar);
    }
    case Orden::JUGAR:
        break;
    }
    localizarRecursos();
    CAjustes ajustes(CAjustes::rutaPorDefecto(), opciones);
    CJuego juego;
    // Lo que se ve de una repetición no se graba otra vez.
    if (opciones.repeticion.empty()) {
        CRepeticiones::usarCarpeta(CRepeticiones::carpetaPorDefecto());
        return juego.ejecutar(&ajustes);
    }
    CRepeticion repeticion;
    switch (abrirRepeticion(opciones.repeticion, repeticion, problema)) {
    case Apertura::ILEGIBLE:
    case Apertura::NO_VALIDA:
        std::fprintf(stderr, "escuadron-rana: %s\n", lineaNoSePuedeVer(opciones.repeticion, problema).c_str());
        return 2;
    case Apertura::REGLAS_AJENAS:
        std::fprintf(stderr, "escuadron-rana: %s\n", lineaReglasAjenas(opciones.repeticion, problema).c_str());
        return 2;
    case Apertura::BIEN:
        break;
    }
    return juego.ejecutar(&ajustes, &repeticion);
}
END_OF_MAIN()

#include <allegro.h>

#include <cstdio>
#include <string>

#include "shell/CJuego.h"
#include "shell/LineaOrdenes.h"
#include "shell/CRepeticiones.h"
#include "shell/Recursos.h"

int main(int argc, char** argv)
{
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
    case Orden::JUGAR:
        break;
    }
    localizarRecursos();
    CAjustes ajustes(CAjustes::rutaPorDefecto(), opciones);
    CRepeticiones::usarCarpeta(CRepeticiones::carpetaPorDefecto());
    CJuego juego;
    return juego.ejecutar(&ajustes);
}
END_OF_MAIN()

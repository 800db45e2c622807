// Arranca el juego de verdad (pantalla, teclado, temporizador y sonido) y
// toca la música de la fase unos segundos. La prueba que la lanza graba lo
// que sale por ALSA y mide si se oye. Se ejecuta desde la carpeta del juego.
#include <allegro.h>

#include <cstdio>

#include "shell/CExcepcion.h"
#include "shell/CSistema.h"

int main()
{
    try {
        sistema.inicializar();
    } catch (CExcepcion error) {
        std::fprintf(stderr, "%s\n", mensajeDeError(error.codigo));
        sistema.finalizar();
        return 1;
    }
    std::printf("midi: %s\n", midi_driver ? midi_driver->name : "ninguno");
    sistema.tocarMusica(sistema.musicaFase);
    rest(4000);
    sistema.pararMusica();
    sistema.finalizar();
    return 0;
}
END_OF_MAIN()

#include <allegro.h>

#include "shell/CJuego.h"

int main()
{
    CJuego juego;
    return juego.ejecutar();
}
END_OF_MAIN()

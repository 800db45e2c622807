#include <allegro.h>

#include "shell/CJuego.h"
#include "shell/Recursos.h"

int main()
{
    localizarRecursos();
    CJuego juego;
    return juego.ejecutar();
}
END_OF_MAIN()

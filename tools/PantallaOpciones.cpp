#include "tools/Escenario.h"
#include "tools/Lienzo.h"
#include "tools/Pantallas.h"

namespace {
// La charca del menú con su título y un panel vacío; lo que va dentro lo
// escribe el juego con la hoja de letras.
void dibujarFondoConPanel(Lienzo& lienzo, const char* titulo)
{
    dibujarCharcaNocturna(lienzo, 250, false);
    lienzo.textoCentradoConSombra(titulo, ANCHO_PANTALLA / 2, 20, 4, colores::AMARILLO_TITULO);
    dibujarPanel(lienzo, opciones::X0_PANEL, opciones::Y0_PANEL, opciones::X1_PANEL, opciones::Y1_PANEL);
}
}

void dibujarPantallaOpciones(Lienzo& lienzo)
{
    dibujarFondoConPanel(lienzo, "Opciones");
}

void dibujarPantallaRepeticiones(Lienzo& lienzo)
{
    dibujarFondoConPanel(lienzo, "Repeticiones");
}

#include "tools/Emblema.h"
#include "tools/Escenario.h"
#include "tools/Lienzo.h"
#include "tools/Pantallas.h"

namespace {
constexpr int ALTURA_AGUA = 330;
constexpr int CENTRO_X = ANCHO_PANTALLA / 2;
}

void dibujarPantallaPresentacion(Lienzo& lienzo)
{
    dibujarCharcaNocturna(lienzo, ALTURA_AGUA, true);
    dibujarNenufar(lienzo, 120, 380, 46);
    dibujarNenufar(lienzo, 520, 400, 38);
    dibujarNenufar(lienzo, CENTRO_X, 352, 110);
    dibujarEmblemaRana(lienzo, CENTRO_X, 262, 82);

    lienzo.textoCentradoConSombra("Escuadrón", CENTRO_X, 28, 5, colores::VERDE_CLARO);
    lienzo.textoCentradoConSombra("Rana", CENTRO_X, 76, 9, colores::AMARILLO_TITULO);

    dibujarPanel(lienzo, CENTRO_X - 130, 410, CENTRO_X + 130, 446);
    lienzo.textoCentradoConSombra("Pulsa ESPACIO", CENTRO_X, 420, 2, colores::BLANCO);
}

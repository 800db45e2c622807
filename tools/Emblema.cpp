#include "tools/Emblema.h"

#include "tools/Lienzo.h"

#include <allegro.h>

namespace {
void dibujarAla(Lienzo& lienzo, int cx, int cy, int radio, int lado)
{
    // Tres plumas escalonadas, cada una más corta que la anterior.
    for (int pluma = 0; pluma < 3; ++pluma) {
        int alto = radio / 4;
        int y = cy - radio / 3 + pluma * (alto + 2);
        int largo = radio * (22 - pluma * 4) / 10;
        int puntos[] = {cx, y, cx + lado * largo, y + alto / 3, cx + lado * (largo - radio / 5), y + alto, cx, y + alto};
        polygon(lienzo.bmp(), 4, puntos, aPixel(colores::GRIS_METAL));
        line(lienzo.bmp(), cx, y + alto, cx + lado * (largo - radio / 5), y + alto, aPixel(colores::GRIS_OSCURO));
    }
}

void dibujarOjo(Lienzo& lienzo, int x, int y, int radio)
{
    BITMAP* b = lienzo.bmp();
    circlefill(b, x, y, radio, aPixel(colores::VERDE_RANA));
    circle(b, x, y, radio, aPixel(colores::VERDE_OSCURO));
    // Gafas de aviador: el aro metálico distingue a la rana del escuadrón.
    circlefill(b, x, y, radio * 3 / 4, aPixel(colores::GRIS_METAL));
    circlefill(b, x, y, radio * 3 / 5, aPixel(colores::BLANCO));
    circlefill(b, x + radio / 6, y, radio / 3, aPixel(colores::NEGRO));
    circlefill(b, x + radio / 4, y - radio / 6, radio / 8 + 1, aPixel(colores::BLANCO));
}

void dibujarCara(Lienzo& lienzo, int cx, int cy, int radio)
{
    BITMAP* b = lienzo.bmp();
    int cabezaY = cy + radio / 6;
    ellipsefill(b, cx, cabezaY, radio * 62 / 100, radio * 42 / 100, aPixel(colores::VERDE_RANA));
    ellipsefill(b, cx, cabezaY + radio / 6, radio * 40 / 100, radio * 20 / 100, aPixel(colores::AMARILLO_VIENTRE));
    ellipse(b, cx, cabezaY, radio * 62 / 100, radio * 42 / 100, aPixel(colores::VERDE_OSCURO));
    // Correa de las gafas por detrás de los ojos.
    rectfill(b, cx - radio * 6 / 10, cy - radio / 5, cx + radio * 6 / 10, cy - radio / 5 + radio / 12,
             aPixel(colores::GRIS_OSCURO));
    dibujarOjo(lienzo, cx - radio * 30 / 100, cy - radio / 5, radio / 4);
    dibujarOjo(lienzo, cx + radio * 30 / 100, cy - radio / 5, radio / 4);
    for (int grosor = 0; grosor < 2; ++grosor)
        arc(b, cx, cabezaY - radio / 10, itofix(160), itofix(224), radio * 35 / 100 + grosor,
            aPixel(colores::VERDE_OSCURO));
}
}

void dibujarEmblemaRana(Lienzo& lienzo, int cx, int cy, int radio)
{
    dibujarAla(lienzo, cx, cy, radio, -1);
    dibujarAla(lienzo, cx, cy, radio, +1);
    BITMAP* b = lienzo.bmp();
    circlefill(b, cx + 3, cy + 4, radio, aPixel(colores::SOMBRA));
    circlefill(b, cx, cy, radio, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, cx, cy, radio * 88 / 100, aPixel(colores::PANEL));
    circle(b, cx, cy, radio * 82 / 100, aPixel(colores::BORDE_PANEL));
    dibujarCara(lienzo, cx, cy, radio);
}

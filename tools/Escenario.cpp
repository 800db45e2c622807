#include "tools/Escenario.h"

#include "tools/Lienzo.h"

#include <allegro.h>

namespace {
// Generador fijo: las estrellas salen en el mismo sitio en cada compilación.
unsigned siguienteAzar(unsigned& semilla)
{
    semilla = semilla * 1103515245u + 12345u;
    return (semilla >> 16) & 0x7FFF;
}

void dibujarEstrellas(Lienzo& lienzo, int alturaCielo)
{
    unsigned semilla = 2024;
    for (int i = 0; i < 90; ++i) {
        int x = siguienteAzar(semilla) % lienzo.ancho();
        int y = siguienteAzar(semilla) % (alturaCielo - 20);
        Color brillo = mezclar(colores::CIELO_ALBA, colores::BLANCO, 0.4 + (siguienteAzar(semilla) % 60) / 100.0);
        putpixel(lienzo.bmp(), x, y, aPixel(brillo));
        if (i % 9 == 0) {
            // Unas pocas estrellas grandes dan profundidad.
            putpixel(lienzo.bmp(), x - 1, y, aPixel(brillo));
            putpixel(lienzo.bmp(), x + 1, y, aPixel(brillo));
            putpixel(lienzo.bmp(), x, y - 1, aPixel(brillo));
            putpixel(lienzo.bmp(), x, y + 1, aPixel(brillo));
        }
    }
}

void dibujarLuna(Lienzo& lienzo, int cx, int cy)
{
    circlefill(lienzo.bmp(), cx, cy, 26, aPixel(colores::AMARILLO_VIENTRE));
    circlefill(lienzo.bmp(), cx + 11, cy - 6, 22, aPixel(mezclar(colores::CIELO_NOCHE, colores::CIELO_ALBA, 0.25)));
}

void dibujarOndas(Lienzo& lienzo, int alturaAgua)
{
    int reflejo = aPixel(mezclar(colores::AGUA_CLARA, colores::BLANCO, 0.3));
    for (int fila = 0; fila < 7; ++fila) {
        int y = alturaAgua + 12 + fila * 20;
        for (int x = (fila * 53) % 90; x < lienzo.ancho(); x += 130)
            hline(lienzo.bmp(), x, y, x + 30 + fila * 4, reflejo);
    }
}

void dibujarJunco(Lienzo& lienzo, int x, int base, int alto)
{
    int tallo = aPixel(colores::VERDE_OSCURO);
    rectfill(lienzo.bmp(), x, base - alto, x + 2, base, tallo);
    ellipsefill(lienzo.bmp(), x + 1, base - alto + 10, 4, 12, aPixel(colores::NARANJA));
    ellipse(lienzo.bmp(), x + 1, base - alto + 10, 4, 12, aPixel(colores::SOMBRA));
}
}

void dibujarNenufar(Lienzo& lienzo, int cx, int cy, int radio)
{
    ellipsefill(lienzo.bmp(), cx, cy + 2, radio, radio / 3, aPixel(colores::SOMBRA));
    ellipsefill(lienzo.bmp(), cx, cy, radio, radio / 3, aPixel(colores::VERDE_OSCURO));
    ellipsefill(lienzo.bmp(), cx, cy - 1, radio - 3, radio / 3 - 2, aPixel(colores::VERDE_RANA));
    // La muesca típica de la hoja deja ver el agua.
    triangle(lienzo.bmp(), cx, cy, cx + radio, cy - 2, cx + radio, cy + 4, aPixel(colores::AGUA_CLARA));
}

void dibujarCharcaNocturna(Lienzo& lienzo, int alturaAgua, bool conLuna)
{
    lienzo.degradadoVertical(0, alturaAgua - 1, colores::CIELO_NOCHE, colores::CIELO_ALBA);
    lienzo.degradadoVertical(alturaAgua, lienzo.alto() - 1, colores::AGUA_CLARA, colores::AGUA_HONDA);
    dibujarEstrellas(lienzo, alturaAgua);
    if (conLuna)
        dibujarLuna(lienzo, lienzo.ancho() - 80, 60);
    dibujarOndas(lienzo, alturaAgua);
    for (int i = 0; i < 5; ++i) {
        dibujarJunco(lienzo, 12 + i * 9, alturaAgua + 20, 70 + (i % 3) * 25);
        dibujarJunco(lienzo, lienzo.ancho() - 20 - i * 9, alturaAgua + 20, 60 + (i % 2) * 35);
    }
}

void dibujarPanel(Lienzo& lienzo, int x0, int y0, int x1, int y1)
{
    rectfill(lienzo.bmp(), x0 + 4, y0 + 4, x1 + 4, y1 + 4, aPixel(colores::SOMBRA));
    rectfill(lienzo.bmp(), x0, y0, x1, y1, aPixel(colores::PANEL));
    rect(lienzo.bmp(), x0, y0, x1, y1, aPixel(colores::BORDE_PANEL));
    rect(lienzo.bmp(), x0 + 2, y0 + 2, x1 - 2, y1 - 2, aPixel(colores::VERDE_OSCURO));
}

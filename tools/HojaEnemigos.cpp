#include "tools/Hojas.h"
#include "tools/Lienzo.h"

#include <allegro.h>

// Siluetas provisionales: marcan cada fotograma hasta que llegue el arte.
namespace {
struct Marco {
    int x, y, ancho, alto;
};

// Bicho genérico: las alas cambian de altura según el fotograma.
void dibujarBicho(Lienzo& lienzo, const Marco& m, const Color& cuerpo, int fotograma)
{
    BITMAP* b = lienzo.bmp();
    int cx = m.x + m.ancho / 2, cy = m.y + m.alto / 2;
    int rx = m.ancho * 3 / 10, ry = m.alto / 4;
    int alzado = (fotograma % 2 == 0 ? -1 : 1) * m.alto / 8;
    int ala = aPixel(colores::GRIS_METAL);
    triangle(b, cx, cy, m.x + m.ancho / 10, cy + alzado, cx - rx / 2, cy + ry, ala);
    triangle(b, cx, cy, m.x + m.ancho * 9 / 10, cy + alzado, cx + rx / 2, cy + ry, ala);
    ellipsefill(b, cx, cy, rx, ry, aPixel(cuerpo));
    ellipse(b, cx, cy, rx, ry, aPixel(colores::SOMBRA));
    circlefill(b, cx - rx / 2, cy - ry / 3, ry / 3 + 1, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, cx - rx / 2, cy - ry / 3, ry / 6 + 1, aPixel(colores::NEGRO));
}

void dibujarRestos(Lienzo& lienzo, const Marco& m)
{
    int puntos[] = {m.x + 10, m.y + 70, m.x + 40, m.y + 30, m.x + 90, m.y + 45,
                    m.x + 120, m.y + 20, m.x + 160, m.y + 75};
    polygon(lienzo.bmp(), 5, puntos, aPixel(colores::GRIS_OSCURO));
    for (int i = 0; i < 4; ++i)
        circlefill(lienzo.bmp(), m.x + 40 + i * 30, m.y + 58 - (i % 2) * 8, 4, aPixel(colores::NARANJA));
}

template <int N>
void fila(Lienzo& lienzo, const int (&xs)[N], int y, int lado, const Color& color)
{
    for (int f = 0; f < N; ++f)
        dibujarBicho(lienzo, {xs[f], y, lado, lado}, color, f);
}
}

void dibujarHojaEnemigos(Lienzo& lienzo)
{
    fila(lienzo, {0, 100, 200}, 0, 100, colores::ROJO);
    dibujarRestos(lienzo, {300, 0, 170, 90});
    fila(lienzo, {0, 128, 256, 384}, 100, 128, colores::NARANJA);
    fila(lienzo, {0, 64, 128}, 228, 64, colores::AZUL_DISPARO);
    dibujarBicho(lienzo, {190, 228, 139, 182}, colores::GRIS_OSCURO, 0);
    fila(lienzo, {0, 32, 64, 96}, 292, 32, colores::VERDE_CLARO);
}

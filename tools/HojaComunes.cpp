#include "tools/Hojas.h"
#include "tools/Lienzo.h"

#include <allegro.h>

#include <string>

// Dibujos provisionales: sirven para jugar hasta que llegue el arte definitivo.
namespace {
void dibujarMarcador(Lienzo& lienzo)
{
    BITMAP* b = lienzo.bmp();
    int fin = ANCHO_COMUNES - 1, abajo = comunes::ALTO_MARCADOR - 1;
    rectfill(b, 0, 0, fin, abajo, aPixel(colores::PANEL));
    hline(b, 0, 0, fin, aPixel(colores::BORDE_PANEL));
    hline(b, 0, abajo, fin, aPixel(colores::SOMBRA));
    // Los rótulos van centrados en vertical con las cifras de 16 píxeles.
    int y = comunes::Y_CIFRAS + 4;
    lienzo.texto("ENERGÍA", 4, y, 1, colores::VERDE_CLARO);
    lienzo.texto("POTENCIA", 200, y, 1, colores::VERDE_CLARO);
    lienzo.texto("FPS", 330, y, 1, colores::GRIS_METAL);
    for (int x : {184, 436})
        vline(b, x, 4, abajo - 4, aPixel(colores::VERDE_OSCURO));
    lienzo.texto("ESCUADRÓN RANA", fin - anchoTexto("ESCUADRÓN RANA", 1) - 8, y, 1, colores::AMARILLO_TITULO);
}

void dibujarDisparo(Lienzo& lienzo, int x, int y, const Color& color)
{
    ellipsefill(lienzo.bmp(), x + 10, y + 10, 9, 4, aPixel(color));
    ellipsefill(lienzo.bmp(), x + 12, y + 10, 5, 2, aPixel(colores::BLANCO));
}

void dibujarBalasEnemigas(Lienzo& lienzo)
{
    // El radio late de un fotograma a otro.
    const int radios[] = {4, 5, 6, 5};
    for (int f = 0; f < 4; ++f) {
        int cx = 20 + 15 * f + 7, cy = 32 + 7;
        circlefill(lienzo.bmp(), cx, cy, radios[f], aPixel(colores::ROJO));
        circlefill(lienzo.bmp(), cx, cy, radios[f] / 2, aPixel(colores::AMARILLO_TITULO));
    }
}

void dibujarPremio(Lienzo& lienzo)
{
    circlefill(lienzo.bmp(), 90, 42, 9, aPixel(colores::AMARILLO_TITULO));
    circle(lienzo.bmp(), 90, 42, 9, aPixel(colores::NARANJA));
    lienzo.texto("P", 86, 38, 1, colores::SOMBRA);
}

void dibujarExplosiones(Lienzo& lienzo)
{
    for (int f = 0; f < 3; ++f) {
        int cx = 50 * f + 25, cy = 52 + 25, r = 10 + 7 * f;
        circlefill(lienzo.bmp(), cx, cy, r, aPixel(colores::NARANJA));
        circlefill(lienzo.bmp(), cx, cy, r * 2 / 3, aPixel(colores::AMARILLO_TITULO));
        circlefill(lienzo.bmp(), cx, cy, r / 3, aPixel(colores::BLANCO));
    }
}

void dibujarDigitos(Lienzo& lienzo)
{
    int lado = comunes::LADO_DIGITO;
    for (int d = 0; d <= 9; ++d) {
        int x = d * lado;
        rectfill(lienzo.bmp(), x, comunes::Y_DIGITOS, x + lado - 1, comunes::Y_DIGITOS + lado - 1,
                 aPixel(colores::PANEL));
        lienzo.texto(std::to_string(d), x, comunes::Y_DIGITOS, 2, colores::AMARILLO_TITULO);
    }
}
}

void dibujarHojaComunes(Lienzo& lienzo)
{
    dibujarMarcador(lienzo);
    dibujarDisparo(lienzo, 0, 32, colores::AZUL_DISPARO);
    dibujarDisparo(lienzo, 120, 32, colores::VERDE_CLARO);
    dibujarDisparo(lienzo, 140, 32, colores::NARANJA);
    dibujarBalasEnemigas(lienzo);
    dibujarPremio(lienzo);
    dibujarExplosiones(lienzo);
    dibujarDigitos(lienzo);
}

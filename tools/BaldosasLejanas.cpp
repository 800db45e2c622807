#include "tools/Baldosas.h"
#include "tools/Lienzo.h"
#include "tools/Piezas.h"

#include <allegro.h>

#include <cmath>
#include <utility>

// Fondo lejano: la misma charca de noche de la presentación, vista desde
// lejos. Todo opaco; cada baldosa sabe a qué altura de la pantalla va.
namespace {
using colores::SILUETA;
using colores::SILUETA_LEJANA;

Color colorDeFondo(int y)
{
    if (y < Y_HORIZONTE)
        return mezclar(colores::CIELO_NOCHE, colores::CIELO_ALBA, double(y) / Y_HORIZONTE);
    int fondo = FILAS_CAPA * LADO_BALDOSA - 1;
    return mezclar(colores::AGUA_CLARA, colores::AGUA_HONDA, double(y - Y_HORIZONTE) / (fondo - Y_HORIZONTE));
}

// Pieza del fondo que empieza en la fila dada, ya con su cielo o su agua.
struct PiezaLejana {
    Lienzo lienzo;
    int fila;

    PiezaLejana(int columnas, int filas, int filaArriba)
        : lienzo(columnas * LADO_BALDOSA, filas * LADO_BALDOSA, colores::NEGRO), fila(filaArriba)
    {
        for (int y = 0; y < lienzo.alto(); ++y)
            hline(lienzo.bmp(), 0, y, lienzo.ancho() - 1, aPixel(colorDeFondo(yPantalla(y))));
    }
    int yPantalla(int y) const { return fila * LADO_BALDOSA + y; }
    int yLocal(int yDePantalla) const { return yDePantalla - fila * LADO_BALDOSA; }
    BITMAP* bmp() const { return lienzo.bmp(); }
};

// Generador fijo: las estrellas salen en el mismo sitio en cada compilación.
unsigned siguienteAzar(unsigned& semilla)
{
    semilla = semilla * 1103515245u + 12345u;
    return (semilla >> 16) & 0x7FFF;
}

void sembrarEstrellas(PiezaLejana& p, unsigned semilla, int cuantas, int grandes)
{
    // Lejos de los bordes para que ninguna quede partida entre dos baldosas.
    for (int i = 0; i < cuantas; ++i) {
        int x = 3 + siguienteAzar(semilla) % (LADO_BALDOSA - 6);
        int y = 3 + siguienteAzar(semilla) % (LADO_BALDOSA - 6);
        Color brillo = mezclar(colores::CIELO_ALBA, colores::BLANCO, 0.45 + (siguienteAzar(semilla) % 50) / 100.0);
        putpixel(p.bmp(), x, y, aPixel(brillo));
        if (i < grandes) {
            Color halo = mezclar(colorDeFondo(p.yPantalla(y)), brillo, 0.5);
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                putpixel(p.bmp(), x + dx, y + dy, aPixel(halo));
        }
    }
}

void dibujarLuna(PiezaLejana& p)
{
    int cx = 30, cy = 30;
    for (int y = 0; y < LADO_BALDOSA; ++y)
        for (int x = 0; x < LADO_BALDOSA; ++x) {
            int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            int mordisco = (x - cx - 9) * (x - cx - 9) + (y - cy + 5) * (y - cy + 5);
            Color cielo = colorDeFondo(p.yPantalla(y));
            // Halo suave, luna y el mordisco de sombra que la deja en creciente.
            if (d2 <= 18 * 18 && mordisco > 16 * 16)
                putpixel(p.bmp(), x, y, aPixel(colores::AMARILLO_VIENTRE));
            else if (d2 <= 26 * 26)
                putpixel(p.bmp(), x, y, aPixel(mezclar(cielo, colores::CIELO_ALBA, d2 <= 22 * 22 ? 0.3 : 0.15)));
        }
}

void dibujarNube(PiezaLejana& p)
{
    struct Copo {
        int x, y, rx, ry;
    };
    const Copo copos[] = {{30, 34, 20, 7}, {58, 28, 26, 10}, {88, 32, 22, 8}, {104, 37, 14, 5}, {46, 38, 24, 5}};
    for (const Copo& c : copos) {
        Color cielo = colorDeFondo(p.yPantalla(c.y));
        // El borde de arriba lo ilumina la luna.
        ellipsefill(p.bmp(), c.x, c.y - 1, c.rx, c.ry, aPixel(mezclar(cielo, colores::AMARILLO_VIENTRE, 0.25)));
        ellipsefill(p.bmp(), c.x, c.y + 1, c.rx, c.ry, aPixel(mezclar(cielo, colores::CIELO_ALBA, 0.45)));
    }
}

// La otra orilla: una franja oscura justo encima del agua.
constexpr int ALTO_ORILLA_LEJANA = 4;

void dibujarFranjaDeOrilla(PiezaLejana& p)
{
    int y = p.yLocal(Y_HORIZONTE);
    rectfill(p.bmp(), 0, y - ALTO_ORILLA_LEJANA, p.lienzo.ancho() - 1, y - 1, aPixel(SILUETA));
}

// Colina lejana: una loma de coseno que nace y muere en la franja de la orilla.
void dibujarColina(PiezaLejana& p, int altura)
{
    int base = p.yLocal(Y_HORIZONTE) - ALTO_ORILLA_LEJANA;
    int ancho = p.lienzo.ancho();
    for (int x = 0; x < ancho; ++x) {
        double t = (1 - std::cos(2 * M_PI * x / ancho)) / 2;
        int cima = base - static_cast<int>(altura * t);
        vline(p.bmp(), x, cima, base, aPixel(SILUETA_LEJANA));
    }
    // Arbolillos en la ladera.
    for (int i = 1; i < ancho / 24; ++i) {
        int x = i * 24 + (i % 2) * 7;
        double t = (1 - std::cos(2 * M_PI * x / ancho)) / 2;
        circlefill(p.bmp(), x, base - static_cast<int>(altura * t) + 1, 3 + i % 2, aPixel(SILUETA_LEJANA));
    }
    dibujarFranjaDeOrilla(p);
}

void dibujarArboleda(PiezaLejana& p)
{
    int base = p.yLocal(Y_HORIZONTE) - ALTO_ORILLA_LEJANA;
    int color = aPixel(SILUETA);
    // Un chopo, un pino y una encina pequeña, dentro de la baldosa.
    rectfill(p.bmp(), 14, base - 10, 15, base, color);
    ellipsefill(p.bmp(), 14, base - 20, 6, 14, color);
    triangle(p.bmp(), 34, base - 34, 25, base - 4, 43, base - 4, color);
    rectfill(p.bmp(), 33, base - 4, 35, base, color);
    rectfill(p.bmp(), 51, base - 6, 52, base, color);
    circlefill(p.bmp(), 51, base - 11, 7, color);
    dibujarFranjaDeOrilla(p);
}

void dibujarJuncal(PiezaLejana& p)
{
    int base = p.yLocal(Y_HORIZONTE) - ALTO_ORILLA_LEJANA;
    for (int i = 0; i < 9; ++i) {
        int x = 6 + i * 6 + (i % 3), alto = 8 + (i * 7) % 11;
        vline(p.bmp(), x, base - alto, base, aPixel(SILUETA));
        if (i % 2 == 0)
            ellipsefill(p.bmp(), x, base - alto + 2, 1, 3, aPixel(SILUETA));
    }
    dibujarFranjaDeOrilla(p);
}

void dibujarMatorrales(PiezaLejana& p)
{
    int base = p.yLocal(Y_HORIZONTE) - ALTO_ORILLA_LEJANA;
    ellipsefill(p.bmp(), 20, base, 9, 4, aPixel(SILUETA));
    ellipsefill(p.bmp(), 46, base, 6, 3, aPixel(SILUETA));
    dibujarFranjaDeOrilla(p);
}

void dibujarOndas(PiezaLejana& p, unsigned semilla)
{
    for (int i = 0; i < 5; ++i) {
        int y = 6 + i * 12 + siguienteAzar(semilla) % 5;
        int x = 4 + siguienteAzar(semilla) % 30, largo = 8 + siguienteAzar(semilla) % 18;
        Color agua = colorDeFondo(p.yPantalla(y));
        hline(p.bmp(), x, y, x + largo, aPixel(mezclar(agua, colores::BLANCO, 0.25)));
    }
}

void dibujarReflejoLuna(PiezaLejana& p)
{
    // Trazos rotos bajo la luna, cada vez más cortos hacia abajo.
    for (int i = 0; i < 8; ++i) {
        int y = 4 + i * 7, medio = 14 - i * 3 / 2 + (i % 2) * 3;
        Color agua = colorDeFondo(p.yPantalla(y));
        hline(p.bmp(), 30 - medio, y, 30 + medio, aPixel(mezclar(agua, colores::AMARILLO_VIENTRE, 0.45 - i * 0.04)));
    }
}

template <typename Dibujo>
void baldosa(Lienzo& hoja, int numero, int fila, Dibujo dibujo)
{
    PiezaLejana p(1, 1, fila);
    dibujo(p);
    cortarPieza(p.lienzo, hoja, {numero});
}
}

void dibujarBaldosasLejanas(Lienzo& hoja)
{
    for (int fila = 0; fila < 4; ++fila) {
        baldosa(hoja, CIELO + fila, fila, [](PiezaLejana&) {});
        baldosa(hoja, ESTRELLAS + fila, fila, [fila](PiezaLejana& p) { sembrarEstrellas(p, 11 + fila, 7, 1); });
        baldosa(hoja, LUCEROS + fila, fila, [fila](PiezaLejana& p) { sembrarEstrellas(p, 97 + fila, 4, 2); });
    }
    baldosa(hoja, LUNA, 1, dibujarLuna);
    PiezaLejana nube(2, 1, 2);
    dibujarNube(nube);
    cortarPieza(nube.lienzo, hoja, {NUBE_IZQUIERDA, NUBE_DERECHA});

    baldosa(hoja, HORIZONTE, 4, dibujarMatorrales);
    baldosa(hoja, ARBOLEDA, 4, dibujarArboleda);
    baldosa(hoja, JUNCAL_LEJANO, 4, dibujarJuncal);
    PiezaLejana colina(3, 1, 4);
    dibujarColina(colina, 30);
    cortarPieza(colina.lienzo, hoja, {COLINA_SUBE, COLINA_CIMA, COLINA_BAJA});
    PiezaLejana otero(2, 1, 4);
    dibujarColina(otero, 16);
    cortarPieza(otero.lienzo, hoja, {OTERO_SUBE, OTERO_BAJA});

    for (int fila = 5; fila < FILAS_CAPA; ++fila) {
        baldosa(hoja, AGUA + fila - 5, fila, [](PiezaLejana&) {});
        baldosa(hoja, ONDAS + fila - 5, fila, [fila](PiezaLejana& p) { dibujarOndas(p, 7 * fila); });
    }
    baldosa(hoja, REFLEJO_LUNA, 5, dibujarReflejoLuna);
}

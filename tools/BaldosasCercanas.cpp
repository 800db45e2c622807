#include "tools/Baldosas.h"
#include "tools/Lienzo.h"
#include "tools/Piezas.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <utility>

// Capa cercana: la orilla de la charca abajo y el sauce colgando arriba.
// Lo que no es tierra ni rama queda en magenta para que se vea el fondo.
namespace {
constexpr int LADO = LADO_BALDOSA;
// Sin tierra en esa columna.
constexpr int SIN_TIERRA = 1 << 20;

// Altura de la tierra en cada columna de una pieza.
using Superficie = std::function<int(int x)>;

Lienzo piezaVacia(int columnas, int filas)
{
    return Lienzo(columnas * LADO, filas * LADO, colores::MAGENTA_MASCARA);
}

// Hierba encima, barro debajo y vetas que siguen la superficie. Las piezas
// que se tocan tienen la misma altura en el borde, así que casan solas.
void pintarTierra(Lienzo& pieza, const Superficie& superficie)
{
    BITMAP* b = pieza.bmp();
    int fondo = pieza.alto() - 1;
    for (int x = 0; x < pieza.ancho(); ++x) {
        int arriba = superficie(x);
        if (arriba > fondo)
            continue;
        vline(b, x, arriba, fondo, aPixel(colores::BARRO));
        for (int hondo : {18, 38}) {
            int y = arriba + hondo + (x / 7) % 2;
            if ((x / 5) % 3 != 0 && y <= fondo)
                putpixel(b, x, y, aPixel(colores::BARRO_OSCURO));
        }
        // La hierba cuelga en matas sobre el barro.
        int mata = (x * 7) % 5 == 0 ? 3 : (x * 3) % 4 == 0 ? 1 : 0;
        vline(b, x, arriba, std::min(fondo, arriba + 4 + mata), aPixel(colores::HIERBA));
        vline(b, x, arriba, std::min(fondo, arriba + 1), aPixel(colores::HIERBA_CLARA));
    }
}

// Piedrecitas sueltas, solo donde hay barro de sobra alrededor.
void sembrarGuijarros(Lienzo& pieza, const Superficie& superficie, int cuantos, int semilla)
{
    BITMAP* b = pieza.bmp();
    for (int i = 0; i < cuantos; ++i) {
        int x = 6 + (semilla * 37 + i * 23) % (pieza.ancho() - 12);
        int y = pieza.alto() / 2 + 12 + (semilla * 11 + i * 17) % (pieza.alto() / 2 - 18);
        int r = 2 + (i + semilla) % 2;
        if (std::max(superficie(x - r - 1), superficie(x + r + 1)) + 10 > y)
            continue;
        ellipsefill(b, x, y + 1, r + 1, r, aPixel(colores::BARRO_OSCURO));
        ellipsefill(b, x, y, r + 1, r, aPixel(colores::BARRO_CLARO));
    }
}

// Loma que sube desde el suelo hasta su cima en una baldosa.
constexpr int SUELO = LADO;       // en una pieza de dos filas, la orilla empieza en la segunda
constexpr int CIMA = SUELO - 44;  // altura de la cima de la loma

int subida(int x)
{
    double t = (1 - std::cos(M_PI * x / (LADO - 1))) / 2;
    return SUELO - static_cast<int>(std::lround((SUELO - CIMA) * t));
}

// La orilla se hunde en el agua al final de la tierra.
int orillaQueAcaba(int x)
{
    constexpr int BORDE = 24, HUNDIDA = 52;
    if (x <= BORDE)
        return SUELO;
    if (x >= HUNDIDA)
        return SIN_TIERRA;
    return SUELO + (x - BORDE) * (x - BORDE) * LADO / ((HUNDIDA - BORDE) * (HUNDIDA - BORDE));
}

void matasDeHierba(Lienzo& pieza, int yBase)
{
    for (int x : {9, 27, 44, 56}) {
        line(pieza.bmp(), x, yBase, x - 2, yBase - 5, aPixel(colores::HIERBA_CLARA));
        line(pieza.bmp(), x, yBase, x + 1, yBase - 6, aPixel(colores::HIERBA));
        line(pieza.bmp(), x, yBase, x + 3, yBase - 4, aPixel(colores::HIERBA_CLARA));
    }
}

// Tierra de dos filas (la 5 y la 6); la fila de arriba se tira si queda vacía.
void tierra(Lienzo& hoja, int arriba, int abajo, const Superficie& superficie, int guijarros,
            void (*adorno)(Lienzo&) = nullptr)
{
    Lienzo pieza = piezaVacia(1, 2);
    pintarTierra(pieza, superficie);
    sembrarGuijarros(pieza, superficie, guijarros, abajo);
    if (adorno)
        adorno(pieza);
    cortarPieza(pieza, hoja, {arriba, abajo});
}

void dibujarJuncos(Lienzo& hoja)
{
    Lienzo p = piezaVacia(1, 1);
    BITMAP* b = p.bmp();
    struct Junco {
        int x, alto, inclina;
    };
    for (const Junco& j : {Junco{14, 44, -2}, Junco{22, 58, 1}, Junco{31, 36, 3}, Junco{41, 52, -1}, Junco{50, 30, 2}}) {
        int arriba = LADO - 1 - j.alto;
        line(b, j.x, LADO - 1, j.x + j.inclina, arriba, aPixel(colores::LIANA));
        line(b, j.x + 1, LADO - 1, j.x + j.inclina + 1, arriba, aPixel(colores::HIERBA));
        ellipsefill(b, j.x + j.inclina, arriba + 8, 2, 7, aPixel(colores::MADERA));
        ellipse(b, j.x + j.inclina, arriba + 8, 2, 7, aPixel(colores::MADERA_OSCURA));
    }
    // Hojas largas que se doblan hacia fuera.
    for (auto [x, dx, alto] : {std::tuple{18, -10, 26}, {36, 12, 22}, {27, 6, 34}, {46, 9, 18}}) {
        line(b, x, LADO - 1, x + dx, LADO - 1 - alto, aPixel(colores::HIERBA));
        line(b, x + 1, LADO - 1, x + dx + 1, LADO - 1 - alto + 2, aPixel(colores::HIERBA_CLARA));
    }
    cortarPieza(p, hoja, {JUNCOS});
}

void dibujarPiedras(Lienzo& hoja)
{
    Lienzo p = piezaVacia(1, 1);
    BITMAP* b = p.bmp();
    struct Roca {
        int x, rx, ry;
    };
    for (const Roca& r : {Roca{24, 16, 14}, Roca{45, 11, 9}, Roca{12, 7, 5}}) {
        int cy = LADO - 1 - r.ry;
        ellipsefill(b, r.x, cy, r.rx, r.ry, aPixel(colores::GRIS_OSCURO));
        ellipsefill(b, r.x - 1, cy - 1, r.rx - 2, r.ry - 2, aPixel(colores::PIEDRA));
        ellipsefill(b, r.x - r.rx / 3, cy - r.ry / 2, r.rx / 3, r.ry / 4 + 1, aPixel(colores::GRIS_METAL));
    }
    // Musgo en la cara de arriba de la piedra grande.
    for (int x = 18; x < 32; x += 3)
        putpixel(b, x, LADO - 28 + (x % 2), aPixel(colores::HIERBA));
    cortarPieza(p, hoja, {PIEDRAS});
}

void dibujarTocon(Lienzo& hoja)
{
    Lienzo p = piezaVacia(1, 1);
    BITMAP* b = p.bmp();
    int abajo = LADO - 1;
    // Raíces que se abren en la base.
    triangle(b, 18, abajo - 14, 8, abajo, 26, abajo, aPixel(colores::MADERA_OSCURA));
    triangle(b, 44, abajo - 14, 54, abajo, 36, abajo, aPixel(colores::MADERA_OSCURA));
    rectfill(b, 20, 30, 42, abajo, aPixel(colores::MADERA));
    for (int x = 24; x < 42; x += 6)
        vline(b, x, 36, abajo - 2, aPixel(colores::MADERA_OSCURA));
    // Corte de arriba con sus anillos.
    ellipsefill(b, 31, 30, 11, 4, aPixel(colores::MADERA_CLARA));
    ellipse(b, 31, 30, 6, 2, aPixel(colores::MADERA));
    ellipse(b, 31, 30, 11, 4, aPixel(colores::MADERA_OSCURA));
    // Una seta roja al pie.
    rectfill(b, 48, abajo - 7, 49, abajo, aPixel(colores::AMARILLO_VIENTRE));
    ellipsefill(b, 48, abajo - 8, 5, 3, aPixel(colores::ROJO));
    putpixel(b, 46, abajo - 9, aPixel(colores::BLANCO));
    cortarPieza(p, hoja, {TOCON});
}

void dibujarNenufar(Lienzo& hoja, int numero, bool conFlor)
{
    Lienzo p = piezaVacia(1, 1);
    BITMAP* b = p.bmp();
    int cx = 32, cy = 16;
    // Onda clara alrededor: la hoja flota.
    ellipse(b, cx, cy + 2, 28, 7, aPixel(mezclar(colores::AGUA_CLARA, colores::BLANCO, 0.3)));
    ellipsefill(b, cx, cy + 1, 24, 6, aPixel(colores::VERDE_OSCURO));
    ellipsefill(b, cx, cy, 23, 5, aPixel(colores::VERDE_NENUFAR));
    for (int dx : {-12, -4, 6})
        line(b, cx, cy, cx + dx, cy - 4, aPixel(colores::VERDE_OSCURO));
    // La muesca de la hoja deja ver el agua.
    triangle(b, cx, cy, cx + 24, cy - 1, cx + 24, cy + 4, aPixel(colores::MAGENTA_MASCARA));
    if (conFlor) {
        int fx = cx - 8, fy = cy - 5;
        for (auto [dx, dy] : {std::pair{-5, 0}, {5, 0}, {-3, -3}, {3, -3}, {0, -5}})
            ellipsefill(b, fx + dx, fy + dy, 3, 2, aPixel(colores::ROSA_FLOR));
        ellipsefill(b, fx, fy - 2, 2, 3, aPixel(colores::BLANCO));
        circlefill(b, fx, fy, 2, aPixel(colores::AMARILLO_TITULO));
    }
    cortarPieza(p, hoja, {numero});
}

void dibujarTronco(Lienzo& hoja)
{
    Lienzo p = piezaVacia(2, 1);
    BITMAP* b = p.bmp();
    int y0 = 6, y1 = 24, cy = (y0 + y1) / 2;
    hline(b, 12, y1 + 3, 116, aPixel(mezclar(colores::AGUA_CLARA, colores::BLANCO, 0.3)));
    rectfill(b, 14, y0, 112, y1, aPixel(colores::MADERA));
    ellipsefill(b, 112, cy, 5, (y1 - y0) / 2, aPixel(colores::MADERA_OSCURA));
    for (int x = 20; x < 108; x += 11)
        hline(b, x, cy + (x % 3) * 3 - 3, x + 7, aPixel(colores::MADERA_OSCURA));
    hline(b, 16, y0 + 1, 110, aPixel(colores::MADERA_CLARA));
    // Cara cortada con sus anillos, mirando hacia la izquierda.
    ellipsefill(b, 14, cy, 5, (y1 - y0) / 2, aPixel(colores::MADERA_CLARA));
    ellipse(b, 14, cy, 2, 4, aPixel(colores::MADERA));
    // Un brote con su hoja.
    line(b, 78, y0, 84, y0 - 5, aPixel(colores::MADERA_OSCURA));
    ellipsefill(b, 87, y0 - 5, 3, 2, aPixel(colores::HIERBA));
    cortarPieza(p, hoja, {TRONCO_IZQUIERDA, TRONCO_DERECHA});
}

// Copa del sauce: una franja de hojas pegada arriba con festones abajo.
// En los bordes de la baldosa mide siempre lo mismo, así que casa con la vecina.
constexpr int BORDE_COPA = 16;

int festones(int x)
{
    double s = std::sin(M_PI * x / 32);
    return BORDE_COPA + static_cast<int>(7 * s * s);
}

void pintarCopa(Lienzo& pieza, const std::function<int(int x)>& bajo)
{
    BITMAP* b = pieza.bmp();
    for (int x = 0; x < pieza.ancho(); ++x) {
        int y = bajo(x);
        if (y < 0)
            continue;
        vline(b, x, 0, y, aPixel(colores::HOJA_SAUCE));
        putpixel(b, x, y, aPixel(colores::SOMBRA));
    }
    // Racimos de hojas claras, siempre dentro de la franja para no cambiar su borde.
    for (int x = 4; x < pieza.ancho() - 4; x += 6)
        for (int y = 3 + (x / 6) % 3 * 2; y < LADO; y += 7) {
            int hueco = std::min({bajo(x - 3), bajo(x), bajo(x + 3)});
            if (y + 4 > hueco)
                break;
            ellipsefill(b, x, y + 1, 3, 1, aPixel(colores::SOMBRA));
            ellipsefill(b, x, y, 3, 1, aPixel(colores::HOJA_SAUCE_CLARA));
        }
}

// Rama de sauce que cuelga: un hilo con hojitas alternas.
void colgarRama(Lienzo& pieza, int x, int desde, int hasta, bool gruesa)
{
    BITMAP* b = pieza.bmp();
    vline(b, x, desde, hasta, aPixel(colores::LIANA));
    if (gruesa)
        vline(b, x + 1, desde, hasta, aPixel(colores::HOJA_SAUCE));
    for (int y = desde + 4; y < hasta - 1; y += 5) {
        int lado = (y / 5) % 2 == 0 ? -1 : 1;
        line(b, x, y, x + lado * 3, y + 2, aPixel(colores::HOJA_SAUCE_CLARA));
    }
    ellipsefill(b, x, hasta, 1, 2, aPixel(colores::HOJA_SAUCE_CLARA));
}

void dibujarCopas(Lienzo& hoja)
{
    {
        Lienzo p = piezaVacia(1, 1);
        pintarCopa(p, festones);
        cortarPieza(p, hoja, {COPA});
    }
    {
        Lienzo p = piezaVacia(1, 1);
        // Empieza en un racimo redondeado y entra en la franja por la derecha.
        pintarCopa(p, [](int x) { return x < 10 ? -1 : std::min(festones(x), 4 + (x - 10) * 2); });
        colgarRama(p, 40, 16, 34, false);
        cortarPieza(p, hoja, {COPA_EMPIEZA});
    }
    {
        Lienzo p = piezaVacia(1, 1);
        pintarCopa(p, [](int x) { return x > 53 ? -1 : std::min(festones(x), 4 + (53 - x) * 2); });
        colgarRama(p, 22, 16, 30, false);
        cortarPieza(p, hoja, {COPA_ACABA});
    }
    {
        Lienzo p = piezaVacia(1, 1);
        pintarCopa(p, festones);
        for (auto [x, largo] : {std::pair{9, 24}, {23, 38}, {37, 20}, {51, 32}})
            colgarRama(p, x, festones(x), festones(x) + largo, false);
        cortarPieza(p, hoja, {COPA_RAMILLAS});
    }
    {
        // Las lianas largas bajan hasta la segunda fila.
        Lienzo p = piezaVacia(1, 2);
        pintarCopa(p, festones);
        for (auto [x, largo] : {std::pair{12, 88}, {29, 104}, {47, 76}})
            colgarRama(p, x, festones(x), festones(x) + largo, true);
        colgarRama(p, 39, festones(39), festones(39) + 30, false);
        cortarPieza(p, hoja, {COPA_LIANAS, LIANAS_FIN});
    }
}
}

void dibujarBaldosasCercanas(Lienzo& hoja)
{
    dibujarCopas(hoja);
    dibujarJuncos(hoja);
    dibujarPiedras(hoja);
    dibujarTocon(hoja);

    tierra(hoja, -1, ORILLA, [](int) { return SUELO; }, 2);
    tierra(hoja, -1, ORILLA_GUIJARROS, [](int) { return SUELO; }, 6);
    tierra(hoja, LOMA_SUBE, PIE_SUBIDA, subida, 3);
    tierra(hoja, LOMA_CIMA, BARRO, [](int) { return CIMA; }, 3, [](Lienzo& p) { matasDeHierba(p, CIMA); });
    tierra(hoja, LOMA_BAJA, PIE_BAJADA, [](int x) { return subida(LADO - 1 - x); }, 3);
    tierra(hoja, -1, ORILLA_ACABA, orillaQueAcaba, 1);
    tierra(hoja, -1, ORILLA_EMPIEZA, [](int x) { return orillaQueAcaba(LADO - 1 - x); }, 1);

    dibujarNenufar(hoja, NENUFAR, false);
    dibujarNenufar(hoja, NENUFAR_FLOR, true);
    dibujarTronco(hoja);
}

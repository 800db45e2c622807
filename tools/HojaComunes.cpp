#include "tools/Hojas.h"
#include "tools/Lienzo.h"

#include <allegro.h>

#include <cmath>
#include <string>
#include <utility>

namespace {
// Segmentos de una cifra de cabina, en coordenadas de su celda de 16x16.
struct Segmento {
    int x0, y0, x1, y1;
};
constexpr Segmento SEGMENTOS[7] = {
    {5, 1, 10, 2},   // a: arriba
    {11, 3, 12, 6},  // b: arriba a la derecha
    {11, 9, 12, 12}, // c: abajo a la derecha
    {5, 13, 10, 14}, // d: abajo
    {3, 9, 4, 12},   // e: abajo a la izquierda
    {3, 3, 4, 6},    // f: arriba a la izquierda
    {5, 7, 10, 8},   // g: en medio
};
// Segmentos encendidos de cada cifra, del 0 al 9.
constexpr const char* CIFRAS[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                                    "abcdfg"};

// Rótulos del marcador, a la izquierda de cada hueco de cifras.
constexpr int X_ROTULO_ENERGIA = 6;
constexpr int X_ROTULO_POTENCIA = 208;
constexpr int X_ROTULO_IPS = 338;
constexpr int X_SEPARADORES[] = {150, 428};

void dibujarHueco(Lienzo& lienzo, int x)
{
    BITMAP* b = lienzo.bmp();
    int y = comunes::Y_CIFRAS, fin = x + comunes::ANCHO_HUECO - 1, abajo = y + comunes::LADO_DIGITO - 1;
    // Hundido en el panel: sombra arriba y a la izquierda, brillo abajo y a la derecha.
    rectfill(b, x - 2, y - 2, fin + 2, abajo + 2, aPixel(colores::GRIS_OSCURO));
    hline(b, x - 2, y - 2, fin + 2, aPixel(colores::SOMBRA));
    vline(b, x - 2, y - 2, abajo + 2, aPixel(colores::SOMBRA));
    hline(b, x - 1, abajo + 2, fin + 2, aPixel(colores::GRIS_METAL));
    vline(b, fin + 2, y - 1, abajo + 2, aPixel(colores::GRIS_METAL));
    rectfill(b, x, y, fin, abajo, aPixel(colores::FONDO_CIFRAS));
}

void dibujarCorazon(Lienzo& lienzo, int x, int y)
{
    BITMAP* b = lienzo.bmp();
    circlefill(b, x + 3, y + 3, 3, aPixel(colores::ROJO));
    circlefill(b, x + 9, y + 3, 3, aPixel(colores::ROJO));
    triangle(b, x, y + 4, x + 12, y + 4, x + 6, y + 11, aPixel(colores::ROJO));
    putpixel(b, x + 2, y + 2, aPixel(colores::BLANCO));
}

void dibujarRayo(Lienzo& lienzo, int x, int y)
{
    int puntos[] = {x + 7, y, x + 1, y + 7, x + 5, y + 7, x + 3, y + 13, x + 10, y + 5, x + 6, y + 5, x + 9, y};
    polygon(lienzo.bmp(), 7, puntos, aPixel(colores::AMARILLO_TITULO));
}

void dibujarSeparador(Lienzo& lienzo, int x)
{
    vline(lienzo.bmp(), x, 5, 26, aPixel(colores::SOMBRA));
    vline(lienzo.bmp(), x + 1, 5, 26, aPixel(colores::GRIS_OSCURO));
}

// Alas de piloto a los lados de una insignia redonda, sin el verde de la rana.
void dibujarInsignia(Lienzo& lienzo, int cx, int cy)
{
    BITMAP* b = lienzo.bmp();
    for (int lado : {-1, 1})
        for (int pluma = 0; pluma < 3; ++pluma) {
            int y = cy - 5 + pluma * 4, largo = 28 - pluma * 7;
            triangle(b, cx, y, cx + lado * largo, y, cx + lado * 6, y + 3, aPixel(colores::GRIS_METAL));
            hline(b, cx + lado * 6, y + 3, cx + lado * (largo - 6), aPixel(colores::GRIS_OSCURO));
        }
    circlefill(b, cx, cy, 7, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, cx, cy, 5, aPixel(colores::PANEL));
    circlefill(b, cx, cy + 1, 3, aPixel(colores::VERDE_CLARO));
}

void dibujarMarcador(Lienzo& lienzo)
{
    BITMAP* b = lienzo.bmp();
    int fin = ANCHO_COMUNES - 1, abajo = comunes::ALTO_MARCADOR - 1;
    rectfill(b, 0, 0, fin, abajo, aPixel(colores::PANEL));
    hline(b, 0, 0, fin, aPixel(colores::BORDE_PANEL));
    hline(b, 0, 1, fin, aPixel(colores::VERDE_OSCURO));
    hline(b, 0, abajo, fin, aPixel(colores::SOMBRA));
    for (int x : comunes::HUECOS_CIFRAS_X)
        dibujarHueco(lienzo, x);
    for (int x : X_SEPARADORES)
        dibujarSeparador(lienzo, x);
    // Los rótulos van centrados en vertical con las cifras de 16 píxeles.
    int y = comunes::Y_CIFRAS + 4;
    lienzo.texto("ENERGÍA", X_ROTULO_ENERGIA, y, 1, colores::VERDE_CLARO);
    dibujarCorazon(lienzo, 126, y - 2);
    dibujarRayo(lienzo, 190, y - 3);
    lienzo.texto("POTENCIA", X_ROTULO_POTENCIA, y, 1, colores::VERDE_CLARO);
    // Imágenes por segundo: dato de consulta, en gris para que no distraiga.
    lienzo.texto("IPS", X_ROTULO_IPS, y, 1, colores::GRIS_METAL);
    dibujarInsignia(lienzo, 474, 15);
    lienzo.texto("ESCUADRÓN", fin - anchoTexto("ESCUADRÓN", 1) - 8, 5, 1, colores::AMARILLO_TITULO);
    lienzo.texto("RANA", fin - anchoTexto("RANA", 1) - 8, 18, 1, colores::AMARILLO_TITULO);
}

// Bala de energía azul con estela: el disparo de siempre.
void dibujarDisparo(Lienzo& lienzo, int x, int y)
{
    BITMAP* b = lienzo.bmp();
    triangle(b, x + 1, y + 10, x + 12, y + 6, x + 12, y + 14, aPixel(mezclar(colores::AZUL_DISPARO, colores::PANEL, 0.5)));
    triangle(b, x + 5, y + 10, x + 13, y + 8, x + 13, y + 12, aPixel(colores::AZUL_DISPARO));
    ellipsefill(b, x + 13, y + 10, 5, 4, aPixel(colores::AZUL_DISPARO));
    ellipsefill(b, x + 14, y + 10, 3, 2, aPixel(colores::BLANCO));
}

// Arpón con punta de flecha: atraviesa a los enemigos.
void dibujarDisparoPerforante(Lienzo& lienzo, int x, int y)
{
    BITMAP* b = lienzo.bmp();
    int punta = aPixel(colores::VERDE_CLARO);
    triangle(b, x + 1, y + 5, x + 6, y + 10, x + 1, y + 10, aPixel(colores::NARANJA));
    triangle(b, x + 1, y + 15, x + 6, y + 10, x + 1, y + 10, aPixel(colores::NARANJA));
    rectfill(b, x + 2, y + 9, x + 13, y + 11, aPixel(colores::AMARILLO_TITULO));
    triangle(b, x + 11, y + 4, x + 19, y + 10, x + 11, y + 16, punta);
    line(b, x + 12, y + 6, x + 18, y + 10, aPixel(colores::BLANCO));
}

// Bola violeta con chispas: la que se tuerce y revienta en dos.
void dibujarDisparoCurvo(Lienzo& lienzo, int x, int y)
{
    BITMAP* b = lienzo.bmp();
    circlefill(b, x + 11, y + 10, 7, aPixel(colores::VIOLETA));
    circle(b, x + 11, y + 10, 5, aPixel(colores::ROSA_FLOR));
    circlefill(b, x + 11, y + 10, 2, aPixel(colores::BLANCO));
    for (auto [dx, dy] : {std::pair{-9, -5}, {-8, 5}, {-10, 0}})
        putpixel(b, x + 11 + dx, y + 10 + dy, aPixel(colores::ROSA_FLOR));
    putpixel(b, x + 13, y + 6, aPixel(colores::BLANCO));
}

void dibujarBalasEnemigas(Lienzo& lienzo)
{
    // El radio late y el brillo da la vuelta: parece que gira.
    const int radios[] = {5, 6, 7, 6};
    const int brilloX[] = {0, 2, 0, -2}, brilloY[] = {-2, 0, 2, 0};
    BITMAP* b = lienzo.bmp();
    for (int f = 0; f < 4; ++f) {
        int cx = 20 + 15 * f + 7, cy = 32 + 7, r = radios[f];
        circlefill(b, cx, cy, r, aPixel(colores::ROJO));
        circlefill(b, cx, cy, r - 2, aPixel(colores::NARANJA));
        circlefill(b, cx, cy, 1, aPixel(colores::AMARILLO_TITULO));
        circlefill(b, cx + brilloX[f], cy + brilloY[f], 1, aPixel(colores::BLANCO));
    }
}

// Luciérnaga: la rana se las come y su arma mejora. La cola brilla.
void dibujarPremio(Lienzo& lienzo)
{
    BITMAP* b = lienzo.bmp();
    int x = 80, y = 32;
    circlefill(b, x + 7, y + 12, 7, aPixel(mezclar(colores::AMARILLO_TITULO, colores::PANEL, 0.5)));
    circlefill(b, x + 7, y + 12, 5, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, x + 7, y + 12, 2, aPixel(colores::BLANCO));
    ellipsefill(b, x + 12, y + 10, 4, 3, aPixel(colores::SOMBRA));
    circlefill(b, x + 16, y + 9, 2, aPixel(colores::NARANJA));
    line(b, x + 17, y + 7, x + 19, y + 4, aPixel(colores::SOMBRA));
    Color ala = mezclar(colores::AZUL_DISPARO, colores::BLANCO, 0.5);
    ellipsefill(b, x + 10, y + 5, 4, 2, aPixel(ala));
    ellipsefill(b, x + 14, y + 5, 3, 2, aPixel(ala));
}

// Bola de fuego irregular: varios círculos alrededor del centro.
void dibujarBola(BITMAP* b, int cx, int cy, int radio, const Color& color)
{
    static const int desvio[8] = {3, -2, 1, -3, 2, 0, -1, 2};
    for (int i = 0; i < 8; ++i) {
        double angulo = i * M_PI / 4;
        int r = radio / 2 + desvio[i];
        circlefill(b, cx + static_cast<int>(std::cos(angulo) * radio / 2),
                   cy + static_cast<int>(std::sin(angulo) * radio / 2), r, aPixel(color));
    }
    circlefill(b, cx, cy, radio * 2 / 3, aPixel(color));
}

void dibujarExplosiones(Lienzo& lienzo)
{
    BITMAP* b = lienzo.bmp();
    // 0: destello pequeño y blanco.
    int cx = 25, cy = 52 + 25;
    int estrella[16];
    for (int i = 0; i < 8; ++i) {
        double angulo = i * M_PI / 4 + M_PI / 8;
        int r = i % 2 == 0 ? 13 : 6;
        estrella[2 * i] = cx + static_cast<int>(std::cos(angulo) * r);
        estrella[2 * i + 1] = cy + static_cast<int>(std::sin(angulo) * r);
    }
    polygon(b, 8, estrella, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, cx, cy, 5, aPixel(colores::BLANCO));
    // 1: la bola de fuego en su tamaño mayor.
    cx = 75;
    dibujarBola(b, cx, cy, 19, colores::ROJO);
    dibujarBola(b, cx, cy, 14, colores::NARANJA);
    dibujarBola(b, cx + 1, cy - 1, 9, colores::AMARILLO_TITULO);
    circlefill(b, cx + 1, cy - 1, 3, aPixel(colores::BLANCO));
    // 2: se apaga en un anillo de humo que se deshace, con brasas sueltas.
    cx = 125;
    static const int desvio[8] = {1, -1, 0, 2, -1, 1, 0, -2};
    for (int i = 0; i < 8; ++i) {
        double angulo = i * M_PI / 4 + 0.3;
        int px = cx + static_cast<int>(std::cos(angulo) * 14), py = cy + static_cast<int>(std::sin(angulo) * 14);
        circlefill(b, px, py + 1, 6 + desvio[i], aPixel(colores::GRIS_OSCURO));
        circlefill(b, px, py, 5 + desvio[i], aPixel(mezclar(colores::GRIS_METAL, colores::NARANJA, 0.25)));
    }
    for (auto [dx, dy] : {std::pair{-5, -4}, {4, -6}, {6, 5}, {-4, 6}, {0, 0}})
        circlefill(b, cx + dx, cy + dy, 1, aPixel(colores::NARANJA));
}

// Las letras del título, grandes y ribeteadas de oscuro: se leen sobre
// cualquier cuadro de la charca, del cielo al agua.
void dibujarPausa(Lienzo& lienzo)
{
    constexpr int ESCALA = 6, RIBETE = 2, CAIDA_SOMBRA = 3;
    // La fuente deja en blanco la última fila de la letra y, aquí, las dos
    // últimas columnas de la A: se centra lo que se ve, no la celda.
    constexpr int ANCHO_VISIBLE = (5 * 8 - 2) * ESCALA + 2 * RIBETE + CAIDA_SOMBRA;
    constexpr int ALTO_VISIBLE = (8 - 1) * ESCALA + 2 * RIBETE + CAIDA_SOMBRA;
    int x = comunes::X_PAUSA + (comunes::ANCHO_PAUSA - ANCHO_VISIBLE) / 2 + RIBETE;
    int y = comunes::Y_PAUSA + (comunes::ALTO_PAUSA - ALTO_VISIBLE) / 2 + RIBETE;
    lienzo.texto("PAUSA", x + RIBETE + CAIDA_SOMBRA, y + RIBETE + CAIDA_SOMBRA, ESCALA, colores::SOMBRA);
    for (int dy = -RIBETE; dy <= RIBETE; ++dy)
        for (int dx = -RIBETE; dx <= RIBETE; ++dx)
            lienzo.texto("PAUSA", x + dx, y + dy, ESCALA, colores::SOMBRA);
    lienzo.texto("PAUSA", x, y, ESCALA, colores::AMARILLO_TITULO);
}

void dibujarDigitos(Lienzo& lienzo)
{
    BITMAP* b = lienzo.bmp();
    int lado = comunes::LADO_DIGITO;
    for (int d = 0; d <= 9; ++d) {
        int x = d * lado, y = comunes::Y_DIGITOS;
        // El fondo es el mismo que el de los huecos del marcador.
        rectfill(b, x, y, x + lado - 1, y + lado - 1, aPixel(colores::FONDO_CIFRAS));
        for (const char* s = CIFRAS[d]; *s; ++s) {
            const Segmento& g = SEGMENTOS[*s - 'a'];
            rectfill(b, x + g.x0, y + g.y0, x + g.x1, y + g.y1, aPixel(colores::CIFRA_ENCENDIDA));
        }
    }
}
}

void dibujarHojaComunes(Lienzo& lienzo)
{
    dibujarMarcador(lienzo);
    dibujarDisparo(lienzo, 0, 32);
    dibujarDisparoPerforante(lienzo, 120, 32);
    dibujarDisparoCurvo(lienzo, 140, 32);
    dibujarBalasEnemigas(lienzo);
    dibujarPremio(lienzo);
    dibujarExplosiones(lienzo);
    dibujarDigitos(lienzo);
    dibujarPausa(lienzo);
}

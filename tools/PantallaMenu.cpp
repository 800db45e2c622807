#include "tools/Emblema.h"
#include "tools/Escenario.h"
#include "tools/Lienzo.h"
#include "tools/Pantallas.h"

#include <allegro.h>

#include <string>

namespace {
constexpr int ALTURA_AGUA = 250;
constexpr int CENTRO_X = ANCHO_PANTALLA / 2;
constexpr int COLUMNA_TECLAS = 88;
constexpr int COLUMNA_ACCION = 240;
// Ocho filas de teclas y la del mando: caben si cada fila lleva 26 píxeles.
constexpr int Y_CONTROLES = 198;
constexpr int PASO_FILA = 26;
// El panel de las opciones, tan ancho como el de los controles: a 3x,
// «5 - Repeticiones» no cabe entre dos emblemas.
constexpr int X0_PANELES = 60, X1_PANELES = ANCHO_PANTALLA - 60;

// Tecla dibujada como una tapa con relieve; devuelve dónde acaba.
int dibujarTecla(Lienzo& lienzo, int x, int y, const std::string& rotulo)
{
    int ancho = rotulo.empty() ? 22 : anchoTexto(rotulo, 1) + 12;
    BITMAP* b = lienzo.bmp();
    rectfill(b, x, y + 2, x + ancho, y + 22, aPixel(colores::GRIS_OSCURO));
    rectfill(b, x, y, x + ancho, y + 19, aPixel(colores::GRIS_METAL));
    rect(b, x, y, x + ancho, y + 22, aPixel(colores::SOMBRA));
    if (!rotulo.empty())
        lienzo.texto(rotulo, x + 6, y + 6, 1, colores::SOMBRA);
    return x + ancho;
}

// Las flechas no están en la fuente de Allegro: se dibujan como triángulos.
void dibujarFlecha(Lienzo& lienzo, int x, int y, int dx, int dy)
{
    int cx = x + 11, cy = y + 10;
    int punta[] = {cx + dx * 6, cy + dy * 6};
    int base1[] = {cx - dx * 5 - dy * 6, cy - dy * 5 - dx * 6};
    int base2[] = {cx - dx * 5 + dy * 6, cy - dy * 5 + dx * 6};
    dibujarTecla(lienzo, x, y, "");
    triangle(lienzo.bmp(), punta[0], punta[1], base1[0], base1[1], base2[0], base2[1], aPixel(colores::SOMBRA));
}

void filaFlechas(Lienzo& lienzo, int y)
{
    dibujarFlecha(lienzo, COLUMNA_TECLAS, y, -1, 0);
    dibujarFlecha(lienzo, COLUMNA_TECLAS + 28, y, 0, -1);
    dibujarFlecha(lienzo, COLUMNA_TECLAS + 56, y, 0, 1);
    dibujarFlecha(lienzo, COLUMNA_TECLAS + 84, y, 1, 0);
    lienzo.texto("mover", COLUMNA_ACCION, y + 4, 2, colores::BLANCO);
}

void filaTeclas(Lienzo& lienzo, int y, const std::string& tecla, const std::string& otra, const std::string& accion)
{
    int x = dibujarTecla(lienzo, COLUMNA_TECLAS, y, tecla);
    if (!otra.empty()) {
        lienzo.texto("+", x + 6, y + 4, 2, colores::AMARILLO_TITULO);
        dibujarTecla(lienzo, x + 28, y, otra);
    }
    lienzo.texto(accion, COLUMNA_ACCION, y + 4, 2, colores::BLANCO);
}

void dibujarOpciones(Lienzo& lienzo)
{
    dibujarPanel(lienzo, X0_PANELES, 76, X1_PANELES, 188);
    // La tecla 2 no tiene opción propia: el menú salta del 1 al 3 a propósito.
    // Salir va la última, como en cualquier menú.
    int y = 82;
    for (const char* opcion : {"1 - Jugar", "4 - Opciones", "5 - Repeticiones", "3 - Salir"}) {
        lienzo.texto(opcion, X0_PANELES + 14, y, 3, colores::AMARILLO_TITULO);
        y += 26;
    }
    // El emblema, a la derecha de las opciones con las alas dentro del panel.
    dibujarEmblemaRana(lienzo, X1_PANELES - 62, 132, 26);
}

void dibujarControles(Lienzo& lienzo)
{
    dibujarPanel(lienzo, X0_PANELES, Y_CONTROLES, X1_PANELES, 472);
    lienzo.textoCentrado("Controles", CENTRO_X, Y_CONTROLES + 10, 2, colores::VERDE_CLARO);
    int y = Y_CONTROLES + 36;
    filaFlechas(lienzo, y);
    filaTeclas(lienzo, y += PASO_FILA, "Espacio", "", "disparar");
    filaTeclas(lienzo, y += PASO_FILA, "P", "", "pausa");
    filaTeclas(lienzo, y += PASO_FILA, "M", "", "silencio");
    filaTeclas(lienzo, y += PASO_FILA, "Esc", "", "terminar partida");
    filaTeclas(lienzo, y += PASO_FILA, "F8", "Espacio", "guardar captura");
    filaTeclas(lienzo, y += PASO_FILA, "F10", "", "tamaño de la ventana");
    filaTeclas(lienzo, y += PASO_FILA, "F11", "", "pantalla completa");
    // El mando no tiene teclas que pintar: una línea basta.
    lienzo.textoCentrado("Mando: cruceta, botón 1 dispara, Start pausa; menú: derecha = 5", CENTRO_X,
                         y + PASO_FILA + 2, 1, colores::GRIS_METAL);
}
}

void dibujarPantallaMenu(Lienzo& lienzo)
{
    dibujarCharcaNocturna(lienzo, ALTURA_AGUA, false);
    lienzo.textoCentradoConSombra("Escuadrón Rana", CENTRO_X, 26, 4, colores::AMARILLO_TITULO);
    dibujarOpciones(lienzo);
    dibujarControles(lienzo);
}

#include "opciones/EstiloPantalla.h"

namespace estilo {

int amarillo() { return makecol(255, 214, 64); }
int blanco() { return makecol(255, 255, 255); }
int verdeClaro() { return makecol(178, 232, 110); }
int gris() { return makecol(150, 158, 168); }
int naranja() { return makecol(240, 132, 40); }
int celeste() { return makecol(170, 210, 250); }

void franja(BITMAP* pagina, int x, int y, int ancho)
{
    rectfill(pagina, x - 6, y + 3, x + ancho + 4, y + CLetras::alto(2) + 1, makecol(40, 96, 56));
}

void escribirAjustado(const CLetras& letras, BITMAP* pagina, const std::string& texto, int x, int y, int ancho,
                      int tinta, bool aLaDerecha)
{
    const int escala = CLetras::ancho(texto, 2) <= ancho ? 2 : 1;
    // A 1x la letra baja siete píxeles: queda centrada en la fila de las de 2x.
    const int dy = escala == 2 ? 0 : 7;
    const int dx = aLaDerecha ? ancho - CLetras::ancho(texto, escala) : 0;
    letras.escribir(pagina, texto, x + dx, y + dy, tinta, escala);
}

void preguntaSiNo(const CLetras& letras, BITMAP* pagina, const std::string& pregunta, int x, int yPregunta,
                  int yRespuesta, int ancho, bool si)
{
    escribirAjustado(letras, pagina, pregunta, x, yPregunta, ancho, amarillo(), false);
    for (int i = 0; i < 2; ++i) {
        const bool marcada = (i == 0) == si;
        const int xRespuesta = x + 48 + i * 96;
        if (marcada)
            franja(pagina, xRespuesta, yRespuesta, 34);
        letras.escribir(pagina, i == 0 ? "sí" : "no", xRespuesta, yRespuesta, marcada ? amarillo() : blanco(), 2);
    }
}

}

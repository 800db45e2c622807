#ifndef ESCALA_H
#define ESCALA_H

// La página del juego mide siempre 640x480; en pantalla se ve ampliada por
// un factor entero, píxel a píxel, para que no se emborrone.
const int ANCHO_PAGINA = 640;
const int ALTO_PAGINA = 480;

// Cómo se ve la página: en una ventana de su tamaño por el factor, o en
// pantalla completa, en una ventana del tamaño del escritorio con la página
// ampliada en el centro sobre negro. Estirada, la página no se amplía por
// el factor sino hasta la altura del escritorio, sin perder el 4:3.
struct ModoPantalla {
    int ancho = ANCHO_PAGINA, alto = ALTO_PAGINA;
    int factor = 1;
    bool completa = false;
    bool estirada = false;
    // Lo que mide la página ya ampliada, centrada en la ventana.
    int anchoImagen = ANCHO_PAGINA, altoImagen = ALTO_PAGINA;
};

// El mayor factor con el que la ventana cabe en el 90 % del escritorio (al
// menos 1): lo que queda es para los bordes y las barras del escritorio.
int factorVentana(int anchoEscritorio, int altoEscritorio);

// El factor que sigue al dado entre los que caben en la ventana; tras el
// mayor vuelve a 1.
int siguienteFactor(int factor, int anchoEscritorio, int altoEscritorio);

// El mayor factor con el que la página cabe entera en el escritorio (al menos 1).
int factorPantallaCompleta(int anchoEscritorio, int altoEscritorio);

// La ventana con ese factor.
ModoPantalla modoVentana(int factor);

// La pantalla completa de ese escritorio, con el mayor factor que cabe o estirada.
ModoPantalla modoPantallaCompleta(int anchoEscritorio, int altoEscritorio, bool estirada = false);

#endif

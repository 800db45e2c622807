#ifndef HOJAS_H
#define HOJAS_H

class CarpetaSalida;
class Lienzo;

constexpr int ANCHO_COMUNES = 640;
constexpr int ALTO_COMUNES = 128;
constexpr int ANCHO_ENEMIGOS = 512;
constexpr int ALTO_ENEMIGOS = 416;
constexpr int ANCHO_RANA = 400;
constexpr int ALTO_RANA = 50;

// Posiciones que el juego lee de la hoja común.
namespace comunes {
constexpr int ALTO_MARCADOR = 32;
constexpr int Y_DIGITOS = 102;
constexpr int LADO_DIGITO = 16;
// Huecos donde el juego escribe las cifras, dentro de la tira del marcador.
constexpr int HUECOS_CIFRAS_X[] = {68, 280, 368};
constexpr int ANCHO_HUECO = 48;
constexpr int Y_CIFRAS = 7;
// Rótulo que el juego pinta con máscara sobre el último cuadro mientras está en pausa.
constexpr int X_PAUSA = 192, Y_PAUSA = 40, ANCHO_PAUSA = 256, ALTO_PAUSA = 60;
}

// Cuadros de la hoja de la rana, en fila.
namespace rana {
constexpr int ANCHO_CUADRO = 100;
constexpr int CUADROS_ANIMACION = 3;
constexpr int X_CUADRO_GOLPE = 300;
// Caja de choque del juego dentro del cuadro: el cuerpo tiene que llenarla.
constexpr int CAJA_X1 = 30, CAJA_Y1 = 7, CAJA_X2 = 82, CAJA_Y2 = 42;
}

// Cuadros de la hoja de enemigos, donde el juego los recorta.
namespace enemigos {
struct Marco {
    int x, y, ancho, alto;
};
// Dos de vuelo y el de la caída.
constexpr Marco ERRANTE[3] = {{0, 0, 100, 100}, {100, 0, 100, 100}, {200, 0, 100, 100}};
// Lo que queda del acorazado: el juego lo pinta 64 píxeles más abajo que al bicho vivo.
constexpr Marco RESTOS_ACORAZADO{300, 0, 170, 90};
constexpr Marco ACORAZADO[4] = {{0, 100, 128, 128}, {128, 100, 128, 128}, {256, 100, 128, 128}, {384, 100, 128, 128}};
constexpr Marco VOLADOR[3] = {{0, 228, 64, 64}, {64, 228, 64, 64}, {128, 228, 64, 64}};
constexpr Marco GIGANTE{190, 228, 139, 182};
// El arma que el gigante lleva en la mano, en cuatro tiempos.
constexpr Marco ARMA_GIGANTE[4] = {{0, 292, 32, 32}, {32, 292, 32, 32}, {64, 292, 32, 32}, {96, 292, 32, 32}};
// La caída del volador y el gigante comparten dos columnas: ninguno pinta en ellas.
constexpr int COLUMNAS_COMPARTIDAS = 2;
}

// La hoja de letras: los caracteres imprimibles de Latin-1 (del espacio a
// «~» y de U+00A0 a «ÿ»), de izquierda a derecha y de arriba abajo, en
// blanco sobre la máscara. Cada celda trae encima el margen de la tilde.
namespace letras {
constexpr int ANCHO_CELDA = 8, ALTO_CELDA = 11, MARGEN_TILDE = 3;
constexpr int COLUMNAS = 16, FILAS = 12;
constexpr int ANCHO = ANCHO_CELDA * COLUMNAS, ALTO = ALTO_CELDA * FILAS;
int codigoDeCelda(int celda);
}

void dibujarHojaComunes(Lienzo& lienzo);
void dibujarHojaEnemigos(Lienzo& lienzo);
void dibujarHojaRana(Lienzo& lienzo);
void dibujarHojaLetras(Lienzo& lienzo);
void generarHojas(const CarpetaSalida& salida);

#endif

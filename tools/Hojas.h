#pragma once

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
}

// Cuadros de la hoja de la rana, en fila.
namespace rana {
constexpr int ANCHO_CUADRO = 100;
constexpr int CUADROS_ANIMACION = 3;
constexpr int X_CUADRO_GOLPE = 300;
// Caja de choque del juego dentro del cuadro: el cuerpo tiene que llenarla.
constexpr int CAJA_X1 = 30, CAJA_Y1 = 7, CAJA_X2 = 82, CAJA_Y2 = 42;
}

void dibujarHojaComunes(Lienzo& lienzo);
void dibujarHojaEnemigos(Lienzo& lienzo);
void dibujarHojaRana(Lienzo& lienzo);
void generarHojas(const CarpetaSalida& salida);

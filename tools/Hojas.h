#pragma once

class CarpetaSalida;
class Lienzo;

constexpr int ANCHO_COMUNES = 640;
constexpr int ALTO_COMUNES = 128;
constexpr int ANCHO_ENEMIGOS = 512;
constexpr int ALTO_ENEMIGOS = 416;

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

void dibujarHojaComunes(Lienzo& lienzo);
void dibujarHojaEnemigos(Lienzo& lienzo);
void generarHojas(const CarpetaSalida& salida);

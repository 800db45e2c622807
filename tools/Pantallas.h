#ifndef PANTALLAS_H
#define PANTALLAS_H

class CarpetaSalida;
class Lienzo;

constexpr int ANCHO_PANTALLA = 640;
constexpr int ALTO_PANTALLA = 480;

void dibujarPantallaPresentacion(Lienzo& lienzo);
void dibujarPantallaMenu(Lienzo& lienzo);
void generarPantallas(const CarpetaSalida& salida);

#endif

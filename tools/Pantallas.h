#ifndef PANTALLAS_H
#define PANTALLAS_H

class CarpetaSalida;
class Lienzo;

constexpr int ANCHO_PANTALLA = 640;
constexpr int ALTO_PANTALLA = 480;

void dibujarPantallaPresentacion(Lienzo& lienzo);
// El panel de las opciones, donde el juego escribe las entradas.
namespace opciones {
constexpr int X0_PANEL = 12, Y0_PANEL = 64, X1_PANEL = 624, Y1_PANEL = 464;
}

void dibujarPantallaMenu(Lienzo& lienzo);
void dibujarPantallaOpciones(Lienzo& lienzo);
// El mismo fondo, con su título: la lista la escribe el juego.
void dibujarPantallaRepeticiones(Lienzo& lienzo);
void generarPantallas(const CarpetaSalida& salida);

#endif

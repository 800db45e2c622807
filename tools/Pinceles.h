#ifndef PINCELES_H
#define PINCELES_H

#include "tools/Colores.h"

#include <vector>

struct BITMAP;

// Formas con las que se dibujan los bichos de las hojas, en píxeles del cuadro.
struct Punto {
    int x, y;
};

// Trazo grueso que adelgaza de un extremo a otro: muslos, brazos, dedos.
void trazo(BITMAP* b, Punto a, Punto z, int radioA, int radioZ, const Color& color);
// Elipse inclinada: alas y plumas que no van derechas. Grados como las agujas del reloj.
void elipseGirada(BITMAP* b, Punto centro, int rx, int ry, double grados, const Color& color);
void poligono(BITMAP* b, const std::vector<Punto>& puntos, const Color& color);
// El mismo polígono, sólo el borde.
void perfil(BITMAP* b, const std::vector<Punto>& puntos, const Color& color);
// Línea quebrada abierta: grietas, venas, antenas.
void quebrada(BITMAP* b, const std::vector<Punto>& puntos, const Color& color);
// Media elipse: la de arriba, o la de abajo si bocaAbajo (una cúpula volcada).
std::vector<Punto> mediaElipse(Punto centro, int rx, int ry, bool bocaAbajo);

#endif

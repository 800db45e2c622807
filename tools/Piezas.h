#ifndef PIEZAS_H
#define PIEZAS_H

#include <initializer_list>

class Lienzo;

// Una pieza se dibuja entera y luego se corta en baldosas: lo que cruza de
// una a otra casa sin costura. Las baldosas van por filas; -1 descarta una.
void cortarPieza(const Lienzo& pieza, Lienzo& hoja, std::initializer_list<int> baldosas);

#endif

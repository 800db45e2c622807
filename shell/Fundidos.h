#ifndef FUNDIDOS_H
#define FUNDIDOS_H

#include <allegro.h>

// Transiciones entre negro y una pantalla completa. El paso es lo que crece
// (o baja) el alfa de un cuadro al siguiente; 0 o menos vale 16. Trabajan al
// tamaño del modo gráfico activo y no voltean páginas.
// Se conservan aunque el juego no las llama.
void fundidoEntrada(BITMAP* imagen, int paso);
void fundidoSalida(int paso);

#endif

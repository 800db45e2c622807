#ifndef TECLAS_H
#define TECLAS_H

#include <allegro.h>

// El juego indexa teclas[] con los códigos de Allegro; si una versión los
// cambiara, los controles dejarían de responder sin avisar.
static_assert(KEY_SPACE == 75, "código de Espacio");
static_assert(KEY_1 == 28 && KEY_2 == 29 && KEY_3 == 30 && KEY_4 == 31 && KEY_5 == 32,
              "dígitos del teclado principal");
static_assert(KEY_ESC == 59, "código de Escape");
static_assert(KEY_F8 == 54, "código de F8");
static_assert(KEY_LEFT == 82 && KEY_RIGHT == 83 && KEY_UP == 84 && KEY_DOWN == 85, "flechas");


// Las acciones de la partida que el jugador puede llevar a otra tecla.
enum AccionJuego { ARRIBA, ABAJO, IZQUIERDA, DERECHA, DISPARO, PAUSA, NUM_ACCIONES };

// La tecla que lee la partida para cada acción; a ella va la que elija el
// jugador. Son también las de serie.
constexpr int TECLAS_JUEGO[NUM_ACCIONES] = { KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_P };

#endif

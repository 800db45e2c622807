#ifndef REGLAS_H
#define REGLAS_H

#include <cstdint>

// Las reglas con las que se juega la fase. Una partida grabada solo se rehace
// con las mismas: el número va en cada repetición, y otras reglas no se
// intentan ni se toman por una partida que se aparta.
//
// Súbelo con cualquier cambio que mueva el resultado de una partida: la
// prueba demo_verificada lo avisa, porque la demo deja de acabar con la
// huella guardada en tools/demo.huella.
//   1: el seno, el coseno y el arco tangente de la biblioteca de C de cada
//      sistema.
//   2: los de la partida (world/Trigonometria), los mismos bits en todos.
const uint16_t VERSION_REGLAS = 2;

#endif

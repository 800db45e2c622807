#ifndef TECLASGRABADAS_H
#define TECLASGRABADAS_H

#include <cstdint>

// Las teclas de la partida de un cuadro, un bit cada una (BitTecla), y vuelta.
uint8_t bitsDeTeclas(const volatile char* teclas);

// Pone en el arreglo las teclas de juego que marcan los bits, y nada más. La
// captura de F8 se graba pero no se rehace: no cambia la partida, y no es
// del que mira.
void teclasDeBits(uint8_t bits, volatile char* teclas);

#endif

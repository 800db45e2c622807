#ifndef AZAR_H
#define AZAR_H

#include <cstdint>

// Generador compartido por todo el juego: nunca se siembra, así que cada
// partida del programa repite la misma secuencia desde el estado 1.
int azar();

// El estado con que arranca el programa.
const uint32_t AZAR_DE_ARRANQUE = 1;

// Su estado, tal cual: una repetición empieza donde empezó la partida.
uint32_t leerEstadoAzar();
void fijarEstadoAzar(uint32_t estado);

#endif

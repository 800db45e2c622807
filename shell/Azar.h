#ifndef AZAR_H
#define AZAR_H

#include <cstdint>

// Generador compartido por todo el juego: nunca se siembra, así que cada
// partida del programa repite la misma secuencia desde el estado 1.
int azar();

// Devuelve el generador a su estado de arranque (lo usan las pruebas).
void reiniciarAzar();

// Su estado, tal cual: una repetición empieza donde empezó la partida.
uint32_t leerEstadoAzar();
void fijarEstadoAzar(uint32_t estado);

#endif

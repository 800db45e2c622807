#ifndef HUELLAPARTIDA_H
#define HUELLAPARTIDA_H

#include <cstdint>

// La huella de todo lo que decide cómo sigue la partida: cada entidad viva,
// en orden, el generador común, la memoria de columnas y los disparos vivos.
uint64_t huellaPartida();

#endif

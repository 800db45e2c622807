#ifndef LECTORMAPA_H
#define LECTORMAPA_H

#include <cstddef>
#include <cstdint>

// Enteros que trae el mapa de una fase: capa cercana, capa lejana,
// aparición, x de aparición e y de aparición.
const int VALORES_MAPA = 1792 + 504 + 256 + 256 + 256;

// Lee los primeros VALORES_MAPA enteros del texto de un mapa, en notación de
// C (signo, decimal, 0x hexadecimal, 0 octal), cada uno con blancos delante
// y una coma opcional detrás; lo que siga a ellos se ignora. Devuelve false
// si el texto se acaba antes, si encuentra algo que no es un número o si un
// número no cabe en 32 bits con signo; entonces no toca `valores`.
bool leerMapa(const char* texto, size_t largo, int32_t (&valores)[VALORES_MAPA]);

#endif

#ifndef ESCRITORPNG_H
#define ESCRITORPNG_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// PNG propio, sin bibliotecas: el icono del escritorio solo necesita que
// se lea bien, no que ocupe poco. Los datos van en bloques deflate sin comprimir.

uint32_t crc32Png(const uint8_t* datos, size_t largo, uint32_t previo = 0);
uint32_t adler32(const uint8_t* datos, size_t largo);

// rgba: ancho*alto píxeles de 4 bytes, fila a fila desde arriba.
std::string codificarPng(int ancho, int alto, const std::vector<uint8_t>& rgba);

#endif

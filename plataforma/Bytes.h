#ifndef BYTES_H
#define BYTES_H

#include <cstdint>

// Los números de varios bytes de los archivos que lee el juego (dibujos,
// efectos y repeticiones) van en little-endian, el byte bajo primero.
inline uint64_t leerLittleEndian(const uint8_t* p, int bytes)
{
    uint64_t valor = 0;
    for (int i = 0; i < bytes; ++i)
        valor |= uint64_t(p[i]) << (8 * i);
    return valor;
}

inline uint16_t leer16(const uint8_t* p)
{
    return uint16_t(leerLittleEndian(p, 2));
}

inline uint32_t leer32(const uint8_t* p)
{
    return uint32_t(leerLittleEndian(p, 4));
}

#endif

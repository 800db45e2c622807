#include "world/CResumen.h"

uint64_t resumen(const void* datos, size_t tamano, uint64_t previo)
{
    const uint8_t* b = static_cast<const uint8_t*>(datos);
    for (size_t i = 0; i < tamano; ++i) {
        previo ^= b[i];
        previo *= 1099511628211ull;
    }
    return previo;
}

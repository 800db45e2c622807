#ifndef CRESUMEN_H
#define CRESUMEN_H

#include <cstddef>
#include <cstdint>

// FNV-1a de 64 bits: encadenable pasando el resultado anterior en `previo`.
uint64_t resumen(const void* datos, size_t tamano, uint64_t previo = 0xCBF29CE484222325ull);

// Huella de todo lo que se le va dando, en orden: sirve para saber si dos
// estados son el mismo sin guardarlos enteros.
class CResumen {
public:
    CResumen& bytes(const void* datos, size_t tamano)
    {
        huella = resumen(datos, tamano, huella);
        return *this;
    }
    // Solo tipos sin relleno (enteros, double): el relleno no tiene valor fijo.
    template <class T> CResumen& operator<<(const T& valor) { return bytes(&valor, sizeof valor); }
    uint64_t valor() const { return huella; }

private:
    uint64_t huella = resumen(nullptr, 0);
};

#endif

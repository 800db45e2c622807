#ifndef CDISPARO_H
#define CDISPARO_H

#include <cstdint>

#include "world/CEntidad.h"

// El disparo sencillo: 8 píxeles por tick a la derecha; se acaba al primer impacto.
class CDisparo : public CEntidad {
public:
    CDisparo(int32_t x, int32_t y);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    uint32_t ultimoTick;
};

// Deja una explosión centrada en la esquina del disparo.
void explotar(int32_t x, int32_t y);

#endif

#ifndef CEXPLOSION_H
#define CEXPLOSION_H

#include <cstdint>

#include "world/CEntidad.h"

// Tres cuadros de 50x50 de al menos 6 ticks cada uno; luego desaparece.
// Su estado es el cuadro que se ve. No choca con nada.
class CExplosion : public CEntidad {
public:
    CExplosion(int32_t x, int32_t y);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    uint32_t ultimoTick;
};

#endif

#ifndef CDISPAROCURVO_H
#define CDISPAROCURVO_H

#include <cstdint>

#include "world/CEntidad.h"

// Sale parado, acelera a la derecha en parábola mientras deriva arriba o
// abajo, y al dar en algo revienta en dos nuevos, uno hacia cada lado.
// Cuenta por todo el cupo de disparos de la rana.
class CDisparoCurvo : public CEntidad {
public:
    CDisparoCurvo(int32_t x, int32_t y, uint8_t sube);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    uint8_t sube;
    int32_t origenX;
    int32_t origenY;
    uint32_t tickInicial;
};

#endif

#ifndef CDISPAROPERFORANTE_H
#define CDISPAROPERFORANTE_H

#include <cstdint>

#include "world/CEntidad.h"

// Atraviesa tres blancos a 10 píxeles por tick; el cuarto impacto lo gasta.
class CDisparoPerforante : public CEntidad {
public:
    CDisparoPerforante(int32_t x, int32_t y);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    uint32_t ultimoTick;
    int32_t impactos;
};

#endif

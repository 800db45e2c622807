#ifndef CPREMIO_H
#define CPREMIO_H

#include <cstdint>

#include "world/CEntidad.h"

// El premio que sueltan los enemigos al morir: sale hacia arriba, frena y cae
// en parábola hasta perderse por abajo. La rana lo coge al tocarlo.
class CPremio : public CEntidad {
public:
    // impulso: velocidad inicial hacia arriba en 1/128 de píxel por tick.
    CPremio(int32_t origenX, int32_t origenY, int32_t velX, int32_t impulso);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    int32_t origenX;
    int32_t origenY;
    int32_t velX;
    int32_t impulso;
    uint32_t tickInicial;
};

#endif

#ifndef CVOLADOR_H
#define CVOLADOR_H

#include <cstdint>

#include "world/CEntidad.h"

// El volador: cruza la pantalla de derecha a izquierda en onda alrededor de
// su línea base, dispara dos veces a la rana por el camino y cae de un solo
// impacto, soltando un premio.
class CVolador : public CEntidad {
public:
    explicit CVolador(int32_t yBase);
    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    int32_t yBase;
    uint32_t ultimoTick;
    uint32_t tickInicial;
    uint8_t disparado;

private:
    void caer(uint32_t transcurridos);
    void atenderDisparo();
    void volar(uint32_t ahora, uint32_t transcurridos);
    void disparar();
};

#endif

#ifndef CERRANTE_H
#define CERRANTE_H

#include <cstdint>

#include "world/CEntidad.h"

// El errante: deriva a la izquierda subiendo y bajando al azar, dispara una
// sola bala a la rana y aguanta tres impactos; al morir suelta dos premios y
// cae por abajo.
class CErrante : public CEntidad {
public:
    CErrante(int32_t x, int32_t y);
    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    int32_t vida;
    int32_t dirY;
    uint8_t pasos;
    uint32_t ultimoTick;
    int32_t cargaDisparo;
    uint8_t disparado;

private:
    void vagar(uint32_t transcurridos);
    void cargarDisparo(uint32_t transcurridos);
    void caer();
};

#endif

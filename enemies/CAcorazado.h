#ifndef CACORAZADO_H
#define CACORAZADO_H

#include <cstdint>

#include "world/CEntidad.h"

// El acorazado: entra por la izquierda y avanza despacio a la derecha
// disparando abanicos de tres balas hacia arriba. Aguanta 30 impactos; al
// morir deja unos restos que se van con el suelo y quince premios.
class CAcorazado : public CEntidad {
public:
    explicit CAcorazado(int32_t y);
    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    int32_t cargaDisparo;
    uint32_t ultimoTick;
    uint8_t cuadro;
    int32_t vida;

private:
    void avanzar();
    void arrastrarRestos();
    void dispararAbanico();
    void soltarPremios();
};

#endif

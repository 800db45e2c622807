#ifndef CBALADIRIGIDA_H
#define CBALADIRIGIDA_H

#include <cstdint>

#include "world/CEntidad.h"

// La bala de los enemigos: sale de un punto hacia otro, en línea recta, a 2
// píxeles por tick, y sigue de largo hasta salir del campo de juego o dar a
// la rana (que la gasta).
class CBalaDirigida : public CEntidad {
public:
    CBalaDirigida(double x0, double y0, double destinoX, double destinoY);
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    // Posición exacta; x e y son la misma truncada hacia cero.
    double posX;
    double posY;
    // Dirección de vuelo, de largo 1.
    double velX;
    double velY;
    uint32_t contadorAnimacion;
    uint32_t ultimoTick;

private:
    void apuntar(double x0, double y0, double destinoX, double destinoY);
    bool fuera() const;
};

#endif

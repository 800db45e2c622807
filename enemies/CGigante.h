#ifndef CGIGANTE_H
#define CGIGANTE_H

#include <cstdint>

#include "world/CEntidad.h"

// Fases del gigante, en su estado. Los números son los del estado.
enum EtapaGigante : int32_t {
    GIGANTE_ENTRA = 0,
    GIGANTE_BAJA = 1,
    GIGANTE_SE_VA = 2,
    GIGANTE_SUBE = 3,
    GIGANTE_MUERE = 4
};

// El gigante: sube desde abajo, patrulla arriba y abajo disparando balas
// rectas a la izquierda y a los 15 s se marcha por la derecha. Aguanta 100
// impactos; al morir revienta en explosiones y algún premio durante 1,5 s.
class CGigante : public CEntidad {
public:
    CGigante();
    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;

    int32_t vida;
    uint32_t inicioEtapa;
    uint32_t tickSalida;
    uint32_t ultimoDisparo;
    uint32_t ultimoCuadro;
    int32_t cuadro;

private:
    // Devuelve false si se ha quitado de la lista: no se toca nada más.
    bool seguirEtapa(uint32_t ahora);
    void reventar(uint32_t ahora);
    void empezarEtapa(int32_t etapa, uint32_t ahora);
    void disparar(uint32_t ahora);
    void animar(uint32_t ahora);
};

#endif

#ifndef CENTIDAD_H
#define CENTIDAD_H

#include <allegro.h>

#include <cstdint>

#include "world/CResumen.h"

// Clases de choque: quién daña a quién y quién se deja coger.
enum TipoEntidad : int32_t {
    TIPO_RANA = 0,
    TIPO_ENEMIGO = 1,
    TIPO_DISPARO = 2,
    TIPO_BALA = 3,
    TIPO_PREMIO = 4,
    TIPO_INERTE = 5
};

// Todo lo que se mueve en el campo de juego. Vive en la lista de entidades,
// que es su dueña; se quita y se borra a sí misma al final de su actualizar.
class CEntidad {
public:
    CEntidad();
    virtual void alImpactar(CEntidad* otra);
    virtual ~CEntidad();
    virtual void actualizar() = 0;
    virtual void dibujar() = 0;
    // Cajas que solo se tocan, o que comparten los dos bordes de un eje, no chocan.
    virtual bool colisiona(CEntidad* otra);
    // Todo su estado en la huella, para comparar una partida con su repetición.
    virtual void resumir(CResumen& resumen) const;

    // Caja de choque relativa a (x, y): bordes, no anchos.
    int32_t cajaX1;
    int32_t cajaY1;
    int32_t cajaX2;
    int32_t cajaY2;
    BITMAP* hoja;
    int32_t x;
    int32_t y;
    int32_t estado;
    int32_t tipo;

protected:
    // Lo que todo constructor concreto fija de la base.
    void situar(int32_t xInicial, int32_t yInicial, int32_t tipoInicial, BITMAP* hojaDeDibujo);
    void fijarCaja(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Ticks pasados desde ultimoTick, que queda en el tick de ahora.
    static uint32_t pasarTicks(uint32_t& ultimoTick);
    // Un cuadro de su hoja en (x, y), con máscara.
    void pintar(int origenX, int origenY, int ancho, int alto);

private:
    bool tieneDentro(int32_t px, int32_t py) const;
};

#endif

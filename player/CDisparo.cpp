#include "player/CDisparo.h"

#include "player/CExplosion.h"
#include "shell/CSistema.h"
#include "world/CListaEntidades.h"

void explotar(int32_t x, int32_t y)
{
    listaEntidades.agregar(new CExplosion(x - 25, y - 25));
}

CDisparo::CDisparo(int32_t xInicial, int32_t yInicial) : ultimoTick(sistema.leerTicks())
{
    situar(xInicial, yInicial, TIPO_DISPARO, sistema.hojaComunes);
    fijarCaja(0, 0, 19, 19);
    sistema.disparosVivos += 1;
}

void CDisparo::actualizar()
{
    uint32_t transcurridos = pasarTicks(ultimoTick);
    if (transcurridos == 0)
        return;
    x += static_cast<int32_t>(8 * transcurridos);
    if (x > 640 || estado == 1) {
        sistema.disparosVivos -= 1;
        if (estado == 1)
            explotar(x, y);
        listaEntidades.quitarYBorrar(this);
    }
}

void CDisparo::dibujar()
{
    pintar(0, 32, 20, 20);
}

void CDisparo::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << ultimoTick;
}

#include "player/CExplosion.h"

#include "shell/CSistema.h"
#include "world/CListaEntidades.h"

CExplosion::CExplosion(int32_t xInicial, int32_t yInicial) : ultimoTick(sistema.leerTicks())
{
    situar(xInicial, yInicial, TIPO_INERTE, sistema.hojaComunes);
    fijarCaja(0, 0, 50, 50);
}

void CExplosion::actualizar()
{
    uint32_t ahora = sistema.leerTicks();
    if (ahora - ultimoTick <= 5)
        return;
    estado += 1;
    ultimoTick = ahora;
    if (estado == 3)
        listaEntidades.quitarYBorrar(this);
}

void CExplosion::dibujar()
{
    pintar(50 * estado, 52, 50, 50);
}

void CExplosion::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << ultimoTick;
}

#include "player/CExplosion.h"

#include "shell/CSistema.h"
#include "world/CListaEntidades.h"

CExplosion::CExplosion(int32_t xInicial, int32_t yInicial) : ultimoTick(sistema.leerTicks())
{
    x = xInicial;
    y = yInicial;
    cajaX1 = cajaY1 = 0;
    cajaX2 = cajaY2 = 50;
    hoja = sistema.hojaComunes;
    estado = 0;
    tipo = TIPO_INERTE;
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
    masked_blit(hoja, sistema.paginaDibujo, 50 * estado, 52, x, y, 50, 50);
}

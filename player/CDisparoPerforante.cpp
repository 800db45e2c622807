#include "player/CDisparoPerforante.h"

#include "player/CDisparo.h"
#include "shell/CSistema.h"
#include "world/CListaEntidades.h"

CDisparoPerforante::CDisparoPerforante(int32_t xInicial, int32_t yInicial)
    : ultimoTick(sistema.leerTicks()), impactos(0)
{
    situar(xInicial, yInicial, TIPO_DISPARO, sistema.hojaComunes);
    fijarCaja(0, 0, 19, 19);
    sistema.disparosVivos += 1;
}

// Tras un impacto que aguanta no mira el borde en ese paso: si ya lo pasó,
// se va en el siguiente.
void CDisparoPerforante::actualizar()
{
    uint32_t transcurridos = pasarTicks(ultimoTick);
    if (transcurridos == 0)
        return;
    x += static_cast<int32_t>(10 * transcurridos);
    if (estado == 1) {
        if (impactos < 3) {
            impactos += 1;
            estado = 0;
            explotar(x, y);
            return;
        }
        const int32_t ultimaX = x, ultimaY = y;
        sistema.disparosVivos -= 1;
        listaEntidades.quitarYBorrar(this);
        explotar(ultimaX, ultimaY);
        return;
    }
    if (x > 640) {
        sistema.disparosVivos -= 1;
        listaEntidades.quitarYBorrar(this);
    }
}

void CDisparoPerforante::dibujar()
{
    pintar(120, 32, 20, 20);
}

void CDisparoPerforante::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << ultimoTick << impactos;
}

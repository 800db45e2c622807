#include "player/CDisparoCurvo.h"

#include "player/CDisparo.h"
#include "player/CRana.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"

CDisparoCurvo::CDisparoCurvo(int32_t xInicial, int32_t yInicial, uint8_t haciaArriba)
    : sube(haciaArriba), origenX(xInicial), origenY(yInicial), tickInicial(sistema.leerTicks())
{
    situar(xInicial, yInicial, TIPO_DISPARO, sistema.hojaComunes);
    fijarCaja(0, 0, 19, 19);
    sistema.disparosVivos += jugador->maxDisparos;
}

// Posición en forma cerrada desde que salió: no depende de cuántos cuadros pasen.
void CDisparoCurvo::actualizar()
{
    const uint32_t t = sistema.leerTicks() - tickInicial;
    x = origenX + static_cast<int32_t>((t * t) / 50u);
    const int32_t deriva = static_cast<int32_t>(t / 2);
    y = sube ? origenY - deriva : origenY + deriva;
    if (estado == 1) {
        const int32_t ultimaX = x, ultimaY = y;
        sistema.disparosVivos -= jugador->maxDisparos;
        listaEntidades.quitarYBorrar(this);
        explotar(ultimaX, ultimaY);
        efectos.sonar(EFECTO_ESTALLIDO, ultimaX);
        listaEntidades.agregar(new CDisparoCurvo(ultimaX + 10, ultimaY + 10, 1));
        listaEntidades.agregar(new CDisparoCurvo(ultimaX + 10, ultimaY + 10, 0));
        return;
    }
    if (x > 640) {
        sistema.disparosVivos -= jugador->maxDisparos;
        listaEntidades.quitarYBorrar(this);
    }
}

void CDisparoCurvo::dibujar()
{
    pintar(140, 32, 20, 20);
}

void CDisparoCurvo::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << sube << origenX << origenY << tickInicial;
}

#include "enemies/CPremio.h"

#include "shell/CSistema.h"
#include "world/CListaEntidades.h"

CPremio::CPremio(int32_t xInicial, int32_t yInicial, int32_t velocidadX, int32_t impulsoInicial)
    : origenX(xInicial), origenY(yInicial), velX(velocidadX), impulso(impulsoInicial),
      tickInicial(sistema.leerTicks())
{
    situar(xInicial, yInicial, TIPO_PREMIO, sistema.hojaComunes);
    fijarCaja(0, 0, 20, 20);
}

// Forma cerrada desde que salió: la misma parábola vaya el juego a los
// cuadros que vaya. Gravedad de 10/128 de píxel por tick y por tick; las dos
// divisiones entre 128 se redondean cada una por su lado.
void CPremio::actualizar()
{
    const uint32_t t = sistema.leerTicks() - tickInicial;
    x = origenX + static_cast<int32_t>(static_cast<uint32_t>(velX) * t);
    const uint32_t caida = (5u * t * t) >> 7;
    const uint32_t subida = (static_cast<uint32_t>(impulso) * t) >> 7;
    y = origenY + static_cast<int32_t>(caida) - static_cast<int32_t>(subida);
    if (y > 450 || estado == 1)
        listaEntidades.quitarYBorrar(this);
}

void CPremio::dibujar()
{
    pintar(80, 32, 20, 20);
}

void CPremio::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << origenX << origenY << velX << impulso << tickInicial;
}

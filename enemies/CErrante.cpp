#include "enemies/CErrante.h"

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "player/CRana.h"
#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"

CErrante::CErrante(int32_t xInicial, int32_t yInicial)
    : vida(3), dirY(1), pasos(0), ultimoTick(sistema.leerTicks()),
      cargaDisparo(static_cast<int32_t>(ultimoTick & 127)), disparado(0)
{
    situar(xInicial, yInicial, TIPO_ENEMIGO, sistema.hojaEnemigos);
    fijarCaja(28, 25, 52, 89);
}

void CErrante::actualizar()
{
    if (estado != 0) {
        caer();
        return;
    }
    const uint32_t ahora = sistema.leerTicks();
    const uint32_t transcurridos = ahora - ultimoTick;
    if (transcurridos == 0)
        return;
    vagar(transcurridos);
    cargarDisparo(transcurridos);
    if (x < -100) {
        listaEntidades.quitarYBorrar(this);
        return;
    }
    ultimoTick = ahora;
}

// Rebota fuera de la franja 0..348 y cada 42 pasos echa a suertes su rumbo
// vertical, aunque deshaga el rebote.
void CErrante::vagar(uint32_t transcurridos)
{
    if (y < 0 || y > 348)
        dirY = -dirY;
    if (pasos > 40) {
        dirY = azar() % 3 - 1;
        pasos = 0;
    } else {
        pasos += 1;
    }
    const int32_t e = static_cast<int32_t>(transcurridos);
    y += e * dirY;
    x -= 2 * e;
}

// Una sola bala, a la rana, cuando la carga pasa de 128.
void CErrante::cargarDisparo(uint32_t transcurridos)
{
    if (disparado)
        return;
    cargaDisparo += static_cast<int32_t>(transcurridos);
    if (cargaDisparo <= 128)
        return;
    listaEntidades.agregar(new CBalaDirigida(x, y + 30, jugador->x + 50, jugador->y + 25));
    disparado = 1;
}

// ultimoTick se quedó en el último paso con vida: la caída cuenta desde
// ahí y se acelera.
void CErrante::caer()
{
    y += static_cast<int32_t>((sistema.leerTicks() - ultimoTick) >> 3);
    if (y > 448)
        listaEntidades.quitarYBorrar(this);
}

void CErrante::alImpactar(CEntidad* otra)
{
    otra->estado = 1;
    vida -= 1;
    if (vida > 0) {
        efectos.sonar(EFECTO_IMPACTO, x + 50);
        return;
    }
    efectos.sonar(EFECTO_EXPLOSION, x + 50);
    estado = 1;
    tipo = TIPO_INERTE;
    listaEntidades.agregar(new CPremio(x + 50, y + 50, -1, 800));
    listaEntidades.agregar(new CPremio(x + 50, y + 50, -1, 500));
}

// Todos los errantes baten las alas a la vez: el cuadro sale del reloj común.
void CErrante::dibujar()
{
    if (estado != 0) {
        pintar(200, 0, 100, 100);
        return;
    }
    pintar(static_cast<int>((sistema.leerTicks() >> 3) & 1) * 100, 0, 100, 100);
}

void CErrante::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << vida << dirY << pasos << ultimoTick << cargaDisparo << disparado;
}

#include "enemies/CVolador.h"

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "player/CRana.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"
#include "world/Trigonometria.h"

namespace {
// La banda donde suelta su primera bala, sin contar los bordes.
const int32_t BANDA_IZQUIERDA = 200;
const int32_t BANDA_DERECHA = 450;
const double AMPLITUD = 60.0;
const double PULSACION = 0.05;
}

CVolador::CVolador(int32_t yInicial)
    : yBase(yInicial), ultimoTick(sistema.leerTicks()), tickInicial(ultimoTick), disparado(0)
{
    situar(640, yInicial, TIPO_ENEMIGO, sistema.hojaEnemigos);
    fijarCaja(5, 5, 59, 59);
}

void CVolador::actualizar()
{
    const uint32_t ahora = sistema.leerTicks();
    const uint32_t transcurridos = ahora - ultimoTick;
    if (transcurridos == 0)
        return;
    if (estado != 0) {
        caer(transcurridos);
        return;
    }
    atenderDisparo();
    volar(ahora, transcurridos);
}

// Cae dando tumbos a la derecha, alejándose de su línea. ultimoTick no se
// mueve: cada llamada cuenta desde el impacto y el tumbo se acelera.
void CVolador::caer(uint32_t transcurridos)
{
    x += static_cast<int32_t>(transcurridos);
    const int32_t deriva = static_cast<int32_t>(transcurridos >> 1);
    y += y < yBase ? -deriva : deriva;
    if (x > 640)
        listaEntidades.quitarYBorrar(this);
}

// Una bala al entrar en la banda y otra al dejarla atrás por la izquierda,
// con la posición del paso anterior.
void CVolador::atenderDisparo()
{
    if (BANDA_IZQUIERDA < x && x < BANDA_DERECHA && disparado == 0) {
        disparar();
        disparado = 1;
    } else if (x < BANDA_IZQUIERDA && disparado == 1) {
        disparar();
        disparado = 0;
    }
}

void CVolador::volar(uint32_t ahora, uint32_t transcurridos)
{
    const double fase = PULSACION * static_cast<double>(ahora - tickInicial);
    y = yBase + static_cast<int32_t>(AMPLITUD * seno(fase));
    x -= static_cast<int32_t>(2 * transcurridos);
    ultimoTick = ahora;
    if (x < -64)
        listaEntidades.quitarYBorrar(this);
}

// Desde el centro del volador hacia el centro de la rana.
void CVolador::disparar()
{
    listaEntidades.agregar(new CBalaDirigida(x + 32, y + 32, jugador->x + 50, jugador->y + 25));
}

void CVolador::alImpactar(CEntidad* otra)
{
    otra->estado = 1;
    tipo = TIPO_INERTE;
    estado = 1;
    listaEntidades.agregar(new CPremio(x + 32, y + 32, -1, 200));
    efectos.sonar(EFECTO_EXPLOSION, x + 32);
}

void CVolador::dibujar()
{
    if (estado != 0) {
        pintar(128, 228, 64, 64);
        return;
    }
    pintar(static_cast<int>(((ultimoTick - tickInicial) >> 3) & 1) * 64, 228, 64, 64);
}

void CVolador::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << yBase << ultimoTick << tickInicial;
}

#include "enemies/CGigante.h"

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "player/CExplosion.h"
#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"

namespace {
const int32_t Y_ARRIBA = 60;
const int32_t Y_ABAJO = 200;
const int32_t X_FIJA = 400;
const uint32_t ESTANCIA = 1500;
const uint32_t ENTRE_DISPAROS = 50;
const uint32_t ENTRE_CUADROS = 10;
const uint32_t AGONIA = 150;

// Píxeles recorridos en la etapa, a uno por tick. Se topa en 2^30 para que
// un salto de reloj absurdo no desborde la posición: de todas formas pasa
// cualquier límite y cambia de etapa igual.
int32_t recorrido(uint32_t f)
{
    const uint32_t TOPE = 1u << 30;
    return static_cast<int32_t>(f < TOPE ? f : TOPE);
}
}

CGigante::CGigante() : vida(100), cuadro(0)
{
    situar(X_FIJA, 460, TIPO_ENEMIGO, sistema.hojaEnemigos);
    fijarCaja(36, 20, 100, 160);
    inicioEtapa = tickSalida = ultimoDisparo = ultimoCuadro = sistema.leerTicks();
    efectos.sonar(EFECTO_AVISO_GIGANTE, X_FIJA + 70);
}

void CGigante::actualizar()
{
    const uint32_t ahora = sistema.leerTicks();
    if (estado == GIGANTE_MUERE) {
        reventar(ahora);
        return;
    }
    if (!seguirEtapa(ahora))
        return;
    // Pasada la estancia se va, aunque acabe de cambiar de etapa arriba.
    if (ahora - tickSalida > ESTANCIA) {
        empezarEtapa(GIGANTE_SE_VA, ahora);
        tickSalida = ahora;
    }
    disparar(ahora);
    animar(ahora);
}

// Posición en forma cerrada desde que empezó la etapa.
bool CGigante::seguirEtapa(uint32_t ahora)
{
    const int32_t f = recorrido(ahora - inicioEtapa);
    switch (estado) {
    case GIGANTE_ENTRA:
        y = 460 - f;
        if (y < Y_ARRIBA)
            empezarEtapa(GIGANTE_BAJA, ahora);
        break;
    case GIGANTE_BAJA:
        y = Y_ARRIBA + f;
        if (y > Y_ABAJO)
            empezarEtapa(GIGANTE_SUBE, ahora);
        break;
    case GIGANTE_SUBE:
        y = Y_ABAJO - f;
        if (y < Y_ARRIBA)
            empezarEtapa(GIGANTE_BAJA, ahora);
        break;
    case GIGANTE_SE_VA:
        x = X_FIJA + f;
        if (x > 640) {
            listaEntidades.quitarYBorrar(this);
            return false;
        }
        break;
    }
    return true;
}

void CGigante::empezarEtapa(int32_t etapa, uint32_t ahora)
{
    estado = etapa;
    inicioEtapa = ahora;
}

// Quieto donde murió: una explosión en cada llamada, en un punto al azar de
// su cuerpo (x primero), y a veces un premio en el mismo sitio.
void CGigante::reventar(uint32_t ahora)
{
    if (ahora - inicioEtapa > AGONIA) {
        listaEntidades.quitarYBorrar(this);
        return;
    }
    const int32_t px = x + azar() % 120;
    const int32_t py = y + azar() % 180;
    listaEntidades.agregar(new CExplosion(px, py));
    if (py % 8 == 0)
        listaEntidades.agregar(new CPremio(px, py, -2, 600));
}

// Una bala recta a la izquierda desde su cañón.
void CGigante::disparar(uint32_t ahora)
{
    if (ahora - ultimoDisparo <= ENTRE_DISPAROS)
        return;
    listaEntidades.agregar(new CBalaDirigida(x + 4, y + 60, x, y + 60));
    ultimoDisparo = ahora;
}

void CGigante::animar(uint32_t ahora)
{
    if (ahora - ultimoCuadro <= ENTRE_CUADROS)
        return;
    cuadro = (cuadro + 1) % 4;
    ultimoCuadro = ahora;
}

void CGigante::alImpactar(CEntidad* otra)
{
    // Muriendo, los disparos lo atraviesan sin gastarse.
    if (estado == GIGANTE_MUERE)
        return;
    vida -= 1;
    // Su muerte entera es una sola explosión que crece, no una por cada estallido.
    if (vida < 1) {
        empezarEtapa(GIGANTE_MUERE, sistema.leerTicks());
        efectos.sonar(EFECTO_EXPLOSION_GIGANTE, x + 70);
    } else {
        efectos.sonar(EFECTO_IMPACTO, x + 70);
    }
    otra->estado = 1;
}

// El cuerpo y, a su izquierda, la pieza animada, en todas las etapas.
void CGigante::dibujar()
{
    pintar(190, 228, 139, 182);
    sistema.dibujarSprite(hoja, cuadro * 32, 292, x - 12, y + 114, 32, 32);
}

void CGigante::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << vida << inicioEtapa << tickSalida << ultimoDisparo << ultimoCuadro << cuadro;
}

#include "enemies/CAcorazado.h"

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"

namespace {
// Los restos se quitan al pasar de aquí: ya no se ve nada de sus 170 px.
const int32_t FIN_RESTOS = -170;
}

CAcorazado::CAcorazado(int32_t yInicial) : cargaDisparo(0), ultimoTick(sistema.leerTicks()), cuadro(0), vida(30)
{
    situar(-128, yInicial, TIPO_ENEMIGO, sistema.hojaEnemigos);
    fijarCaja(25, 25, 100, 125);
    // Cada uno empieza con una carga distinta: el primer abanico no llega a la vez.
    cargaDisparo = static_cast<int32_t>(ultimoTick & 127);
}

void CAcorazado::actualizar()
{
    if (estado == 1)
        arrastrarRestos();
    else
        avanzar();
}

// ultimoTick solo se mueve con la animación: cada llamada vuelve a sumar el
// tiempo desde el último cuadro, así que con más llamadas por tick corre más.
void CAcorazado::avanzar()
{
    const uint32_t ahora = sistema.leerTicks();
    const int32_t paso = static_cast<int32_t>((ahora - ultimoTick) >> 3);
    x += paso;
    cargaDisparo += paso;
    if (cargaDisparo > 128) {
        cargaDisparo = 0;
        dispararAbanico();
    }
    if (ahora - ultimoTick > 15) {
        cuadro = (cuadro + 1) & 3;
        ultimoTick = ahora;
    }
    if (x > 640)
        listaEntidades.quitarYBorrar(this);
}

// Recto hacia arriba, luego a 45 grados a la derecha y a la izquierda.
void CAcorazado::dispararAbanico()
{
    const double bocaX = x + 100, bocaY = y + 20;
    listaEntidades.agregar(new CBalaDirigida(bocaX, bocaY, x + 100, y));
    listaEntidades.agregar(new CBalaDirigida(bocaX, bocaY, x + 110, y + 10));
    listaEntidades.agregar(new CBalaDirigida(bocaX, bocaY, x + 90, y + 10));
}

// Los restos van a la izquierda a la velocidad del suelo, un píxel por tick.
// Se resta en 64 bits: un salto de reloj enorme no da la vuelta al entero.
void CAcorazado::arrastrarRestos()
{
    const int64_t nuevaX = static_cast<int64_t>(x) - pasarTicks(ultimoTick);
    if (nuevaX < FIN_RESTOS) {
        listaEntidades.quitarYBorrar(this);
        return;
    }
    x = static_cast<int32_t>(nuevaX);
}

void CAcorazado::alImpactar(CEntidad* otra)
{
    vida -= 1;
    if (vida < 1) {
        // Inerte: ni los disparos ni la rana lo tienen ya en cuenta.
        estado = 1;
        tipo = TIPO_INERTE;
        soltarPremios();
        efectos.sonar(EFECTO_EXPLOSION_METAL, x + 100);
    } else {
        efectos.sonar(EFECTO_IMPACTO, x + 100);
    }
    otra->estado = 1;
}

// Quince premios en abanico, todos desde el mismo punto.
void CAcorazado::soltarPremios()
{
    static const int32_t premios[15][2] = {{1, 1000}, {3, 600},  {-1, 1000}, {-3, 600}, {0, 1200},
                                           {1, 1000}, {-1, 600}, {-1, 400},  {-2, 500}, {0, 1000},
                                           {-1, 800}, {-2, 300}, {-1, 400},  {-3, 700}, {0, 800}};
    for (const auto& premio : premios)
        listaEntidades.agregar(new CPremio(x + 100, y + 100, premio[0], premio[1]));
}

void CAcorazado::dibujar()
{
    if (estado == 1)
        sistema.dibujarSprite(hoja, 300, 0, x, y + 64, 170, 90);
    else
        pintar(cuadro * 128, 100, 128, 128);
}

void CAcorazado::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << cargaDisparo << ultimoTick << cuadro << vida;
}

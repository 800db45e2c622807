#include "enemies/CBalaDirigida.h"

#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"
#include "world/Trigonometria.h"

namespace {
// Hacia cero, como la conversión de C; lo que cae muy lejos se queda lejos
// sin desbordar el entero (solo pasa con saltos enormes del reloj).
int32_t truncar(double valor)
{
    const double LEJOS = 1e9;
    if (valor > LEJOS)
        return static_cast<int32_t>(LEJOS);
    if (valor < -LEJOS)
        return static_cast<int32_t>(-LEJOS);
    return static_cast<int32_t>(valor);
}
}

CBalaDirigida::CBalaDirigida(double x0, double y0, double destinoX, double destinoY)
    : posX(x0), posY(y0), velX(0), velY(0), contadorAnimacion(0), ultimoTick(sistema.leerTicks())
{
    situar(truncar(x0), truncar(y0), TIPO_BALA, sistema.hojaComunes);
    fijarCaja(0, 0, 15, 15);
    apuntar(x0, y0, destinoX, destinoY);
    efectos.sonar(EFECTO_BALA, x);
}

// Vector unitario del origen al destino. Un destino a la misma altura se
// resuelve aparte: el arco tangente de la razón no lo cubre.
void CBalaDirigida::apuntar(double x0, double y0, double destinoX, double destinoY)
{
    if (destinoY == y0) {
        velX = destinoX < x0 ? -1.0 : 1.0;
        velY = 0.0;
        return;
    }
    const double a = arcoTangente((destinoX - x0) / (destinoY - y0));
    const double signo = destinoY < y0 ? -1.0 : 1.0;
    velX = signo * seno(a);
    velY = signo * coseno(a);
}

void CBalaDirigida::actualizar()
{
    const uint32_t d = 2 * pasarTicks(ultimoTick);
    if (d == 0)
        return;
    contadorAnimacion += d;
    posX += d * velX;
    posY += d * velY;
    x = truncar(posX);
    y = truncar(posY);
    if (fuera() || estado == 1)
        listaEntidades.quitarYBorrar(this);
}

// Los bordes cuentan como dentro.
bool CBalaDirigida::fuera() const
{
    return x < -15 || x > 640 || y < -15 || y > 450;
}

// Cuatro cuadros en fila; cambia cada 8 ticks.
void CBalaDirigida::dibujar()
{
    pintar(20 + 15 * static_cast<int>((contadorAnimacion >> 4) & 3), 32, 15, 15);
}

void CBalaDirigida::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << posX << posY << velX << velY << contadorAnimacion << ultimoTick;
}

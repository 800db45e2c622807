#include "world/CEntidad.h"

#include "shell/CSistema.h"

CEntidad::CEntidad()
    : cajaX1(0), cajaY1(0), cajaX2(0), cajaY2(0), hoja(nullptr), x(0), y(0), estado(0), tipo(TIPO_INERTE)
{
}

CEntidad::~CEntidad()
{
}

void CEntidad::alImpactar(CEntidad*)
{
}

void CEntidad::situar(int32_t xInicial, int32_t yInicial, int32_t tipoInicial, BITMAP* hojaDeDibujo)
{
    x = xInicial;
    y = yInicial;
    tipo = tipoInicial;
    hoja = hojaDeDibujo;
    estado = 0;
}

void CEntidad::fijarCaja(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    cajaX1 = x1;
    cajaY1 = y1;
    cajaX2 = x2;
    cajaY2 = y2;
}

void CEntidad::pintar(int origenX, int origenY, int ancho, int alto)
{
    sistema.dibujarSprite(hoja, origenX, origenY, x, y, ancho, alto);
}

uint32_t CEntidad::pasarTicks(uint32_t& ultimoTick)
{
    uint32_t ahora = sistema.leerTicks();
    uint32_t transcurridos = ahora - ultimoTick;
    ultimoTick = ahora;
    return transcurridos;
}

// Estrictamente dentro: un punto sobre el borde no cuenta.
bool CEntidad::tieneDentro(int32_t px, int32_t py) const
{
    return x + cajaX1 < px && px < x + cajaX2 && y + cajaY1 < py && py < y + cajaY2;
}

// Basta con que una esquina de una caja caiga dentro de la otra; dos cajas
// cruzadas en forma de cruz no chocan.
bool CEntidad::colisiona(CEntidad* otra)
{
    const int32_t izqA = x + cajaX1, derA = x + cajaX2, arrA = y + cajaY1, abaA = y + cajaY2;
    const int32_t izqB = otra->x + otra->cajaX1, derB = otra->x + otra->cajaX2;
    const int32_t arrB = otra->y + otra->cajaY1, abaB = otra->y + otra->cajaY2;
    return otra->tieneDentro(izqA, arrA) || otra->tieneDentro(derA, arrA) ||
           otra->tieneDentro(izqA, abaA) || otra->tieneDentro(derA, abaA) ||
           tieneDentro(izqB, arrB) || tieneDentro(derB, arrB) ||
           tieneDentro(izqB, abaB) || tieneDentro(derB, abaB);
}

// La hoja no: es un puntero, y cambia de una ejecución a otra.
void CEntidad::resumir(CResumen& resumen) const
{
    resumen << tipo << estado << x << y << cajaX1 << cajaY1 << cajaX2 << cajaY2;
}

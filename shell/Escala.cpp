#include "shell/Escala.h"

namespace {

// Cabe si cada lado ampliado no pasa de la parte del escritorio dada, en décimas.
bool cabe(int factor, int anchoEscritorio, int altoEscritorio, int decimas)
{
    return ANCHO_PAGINA * factor * 10 <= anchoEscritorio * decimas &&
           ALTO_PAGINA * factor * 10 <= altoEscritorio * decimas;
}

int mayorFactor(int anchoEscritorio, int altoEscritorio, int decimas)
{
    int factor = 1;
    while (cabe(factor + 1, anchoEscritorio, altoEscritorio, decimas))
        ++factor;
    return factor;
}

}

int factorVentana(int anchoEscritorio, int altoEscritorio)
{
    return mayorFactor(anchoEscritorio, altoEscritorio, 9);
}

int siguienteFactor(int factor, int anchoEscritorio, int altoEscritorio)
{
    return factor < factorVentana(anchoEscritorio, altoEscritorio) ? factor + 1 : 1;
}

int factorPantallaCompleta(int anchoEscritorio, int altoEscritorio)
{
    return mayorFactor(anchoEscritorio, altoEscritorio, 10);
}

ModoPantalla modoVentana(int factor)
{
    ModoPantalla modo;
    modo.ancho = ANCHO_PAGINA * factor;
    modo.alto = ALTO_PAGINA * factor;
    modo.factor = factor;
    return modo;
}

ModoPantalla modoPantallaCompleta(int anchoEscritorio, int altoEscritorio)
{
    ModoPantalla modo;
    modo.ancho = anchoEscritorio;
    modo.alto = altoEscritorio;
    modo.factor = factorPantallaCompleta(anchoEscritorio, altoEscritorio);
    modo.completa = true;
    return modo;
}

#include "plataforma/Escala.h"

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
    modo.anchoImagen = modo.ancho;
    modo.altoImagen = modo.alto;
    return modo;
}

// Estirada cubre la altura entera, o el ancho si el escritorio es más
// estrecho que 4:3; lo que sobra, a los lados o arriba y abajo, es negro.
ModoPantalla modoPantallaCompleta(int anchoEscritorio, int altoEscritorio, bool estirada)
{
    ModoPantalla modo;
    modo.ancho = anchoEscritorio;
    modo.alto = altoEscritorio;
    modo.factor = factorPantallaCompleta(anchoEscritorio, altoEscritorio);
    modo.completa = true;
    modo.estirada = estirada;
    modo.anchoImagen = ANCHO_PAGINA * modo.factor;
    modo.altoImagen = ALTO_PAGINA * modo.factor;
    if (estirada) {
        modo.altoImagen = altoEscritorio;
        modo.anchoImagen = altoEscritorio * ANCHO_PAGINA / ALTO_PAGINA;
        if (modo.anchoImagen > anchoEscritorio) {
            modo.anchoImagen = anchoEscritorio;
            modo.altoImagen = anchoEscritorio * ALTO_PAGINA / ANCHO_PAGINA;
        }
    }
    return modo;
}

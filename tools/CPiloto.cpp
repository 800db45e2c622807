#include "tools/CPiloto.h"

#include <allegro.h>

#include <cstdlib>
#include <set>

#include "enemies/CGigante.h"
#include "player/CRana.h"
#include "world/CListaEntidades.h"

namespace {

// Dónde se queda la rana de izquierda a derecha: con sitio delante para ver venir.
const int X_MINIMA = 90, X_MAXIMA = 150;
// Bordes de arriba y de abajo que no pisa, dentro del campo de 448 de alto.
const int Y_MINIMA = 10, Y_MAXIMA = 390;
// Lo que mira por delante y por detrás, y el margen de altura que deja.
const int DELANTE = 230, DETRAS = 40, MARGEN = 30;

int centroX(const CEntidad* e)
{
    return e->x + (e->cajaX1 + e->cajaX2) / 2;
}

int centroY(const CEntidad* e)
{
    return e->y + (e->cajaY1 + e->cajaY2) / 2;
}

}

CEntidad* CPiloto::amenaza() const
{
    CEntidad* cercana = nullptr;
    int menor = DELANTE + 1;
    listaEntidades.paraCada([&](CEntidad* e) {
        if (e->tipo != TIPO_BALA && e->tipo != TIPO_ENEMIGO)
            return;
        const int dx = centroX(e) - centroX(jugador);
        const int mitad = (e->cajaY2 - e->cajaY1 + jugador->cajaY2 - jugador->cajaY1) / 2 + MARGEN;
        if (dx < -DETRAS || dx > DELANTE || std::abs(centroY(e) - centroY(jugador)) > mitad)
            return;
        if (std::abs(dx) < menor) {
            menor = std::abs(dx);
            cercana = e;
        }
    });
    return cercana;
}

CEntidad* CPiloto::blanco() const
{
    CEntidad* cercano = nullptr;
    int menor = 1 << 30;
    listaEntidades.paraCada([&](CEntidad* e) {
        const int dx = centroX(e) - centroX(jugador);
        if (e->tipo == TIPO_ENEMIGO && dx > 40 && dx < menor) {
            menor = dx;
            cercano = e;
        }
    });
    return cercano;
}

// Un enemigo que deja de serlo (inerte) es uno destruido; el gigante, al morir.
void CPiloto::contar()
{
    std::set<const CEntidad*> ahora;
    listaEntidades.paraCada([&](CEntidad* e) {
        if (e->tipo == TIPO_ENEMIGO)
            ahora.insert(e);
        else if (e->tipo == TIPO_INERTE && vivos.count(e))
            ++enemigosDestruidos;
        if (dynamic_cast<CGigante*>(e) && e->estado == GIGANTE_MUERE && !giganteReventado) {
            giganteReventado = true;
            ++enemigosDestruidos;
        }
    });
    vivos.swap(ahora);
}

void CPiloto::decidir(volatile char* teclas)
{
    teclas[KEY_UP] = teclas[KEY_DOWN] = teclas[KEY_LEFT] = teclas[KEY_RIGHT] = 0;
    // Espacio dispara al pulsarse: se suelta un cuadro de cada dos.
    disparoPulsado = !disparoPulsado;
    teclas[KEY_SPACE] = disparoPulsado;
    if (!jugador)
        return;
    contar();
    teclas[KEY_RIGHT] = jugador->x < X_MINIMA;
    teclas[KEY_LEFT] = jugador->x > X_MAXIMA;
    const int y = centroY(jugador);
    if (const CEntidad* peligro = amenaza()) {
        // Se aparta hacia donde hay más sitio si la amenaza le cae justo encima.
        bool subir = centroY(peligro) > y;
        if (jugador->y < Y_MINIMA + 40)
            subir = false;
        if (jugador->y > Y_MAXIMA - 40)
            subir = true;
        teclas[subir ? KEY_UP : KEY_DOWN] = 1;
        return;
    }
    if (const CEntidad* objetivo = blanco()) {
        teclas[KEY_UP] = centroY(objetivo) < y - 6 && jugador->y > Y_MINIMA;
        teclas[KEY_DOWN] = centroY(objetivo) > y + 6 && jugador->y < Y_MAXIMA;
    }
}

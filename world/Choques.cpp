#include "world/Choques.h"

#include "player/CRana.h"
#include "world/CListaEntidades.h"

// La rana contra todo lo que no es ella, en el orden de la lista.
void chocarConRana()
{
    listaEntidades.paraCada([](CEntidad* otra) {
        if (otra->tipo != TIPO_RANA && jugador->colisiona(otra))
            jugador->alImpactar(otra);
    });
}

// Cada enemigo solo contra los disparos que van detrás de él en la lista:
// un disparo que ya volaba cuando el enemigo apareció no le da nunca.
void chocarDisparos()
{
    for (NodoEntidad* i = listaEntidades.cabeza; i; i = listaEntidades.siguiente(i)) {
        CEntidad* enemigo = i->entidad;
        if (enemigo->tipo != TIPO_ENEMIGO)
            continue;
        for (NodoEntidad* j = i; j; j = listaEntidades.siguiente(j)) {
            CEntidad* disparo = j->entidad;
            // Un enemigo que muere en esta pasada deja de ser blanco en el acto.
            if (enemigo->tipo != TIPO_ENEMIGO)
                break;
            if (disparo != enemigo && disparo->tipo == TIPO_DISPARO && enemigo->colisiona(disparo))
                enemigo->alImpactar(disparo);
        }
    }
}

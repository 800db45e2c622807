#include "repeticion/HuellaPartida.h"

#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"
#include "world/CEntidad.h"
#include "world/CListaEntidades.h"
#include "world/CResumen.h"

uint64_t huellaPartida()
{
    CResumen huella;
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = nodo == listaEntidades.cola ? nullptr : nodo->siguiente)
        nodo->entidad->resumir(huella);
    huella << leerEstadoAzar() << ultimaColumna << sistema.disparosVivos;
    return huella.valor();
}

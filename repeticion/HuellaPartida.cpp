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
    listaEntidades.paraCada([&huella](CEntidad* entidad) { entidad->resumir(huella); });
    huella << leerEstadoAzar() << ultimaColumna << sistema.disparosVivos;
    return huella.valor();
}

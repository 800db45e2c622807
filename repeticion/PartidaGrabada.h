#ifndef PARTIDAGRABADA_H
#define PARTIDAGRABADA_H

#include <string>

#include "repeticion/CRepeticion.h"
#include "repeticion/CReproductor.h"

// El único camino para abrir una repetición y volver a jugarla: la línea de
// órdenes, la verificación, la demo y la pantalla de repeticiones.

enum class Apertura {
    BIEN,
    ILEGIBLE,     // no se puede leer el archivo
    NO_VALIDA,    // no es una repetición o está dañada: `problema` dice por qué
    REGLAS_AJENAS // leída, pero de otras reglas: `problema` dice cuáles
};

// Con REGLAS_AJENAS la salida queda leída: su versión aún se puede contar.
Apertura abrirRepeticion(const std::string& ruta, CRepeticion& salida, std::string& problema);

// Las líneas que rechazan una repetición, en todas partes iguales: la que no
// se lee o está dañada (`problema` puede ir vacío) y la de otras reglas.
std::string lineaNoSePuedeVer(const std::string& archivo, const std::string& problema);
std::string lineaReglasAjenas(const std::string& archivo, const std::string& problema);

// La demo del piloto, como la grabó la compilación.
std::string rutaDemo();

// Una partida nueva de la fase con la repetición por origen, vista como se
// pide; devuelve lo que quedó grabado al rehacerla.
CRepeticion rehacerPartida(const CRepeticion& original, CReproductor::Vista vista);

#endif

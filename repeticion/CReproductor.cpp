#include "repeticion/CReproductor.h"

#include "repeticion/TeclasGrabadas.h"
#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"

CReproductor::CReproductor(const CRepeticion& originalDada, Vista vistaDada)
    : original(originalDada), vista(vistaDada),
      grabadora(originalDada.cabecera.resumenMapa, originalDada.cabecera.ultimaColumna)
{
}

// Empieza donde empezó la partida: el generador, la memoria de columnas y el reloj.
void CReproductor::fijarArranque()
{
    fijarEstadoAzar(original.cabecera.azarInicial);
    ultimaColumna = original.cabecera.ultimaColumna;
    siguiente = 0;
    tick = original.cabecera.tickInicial;
    teclasDeBits(0, teclas);
    sistema.fijarCuadro(tick, teclas);
    grabadora.anotarArranque();
}

void CReproductor::fijarCuadro()
{
    const CuadroJugado& cuadro = original.cuadros[siguiente++];
    tick += cuadro.ticks;
    teclasDeBits(cuadro.teclas, teclas);
    sistema.fijarCuadro(tick, teclas);
    grabadora.anotarCuadro();
}

// Acaba con su último cuadro; la demo, también con cualquier tecla.
bool CReproductor::acabada() const
{
    return siguiente >= original.cuadros.size() || (vista == DEMO && sistema.entrada.algunaPulsada());
}

void CReproductor::rotularCuadro()
{
    sistema.escribirFormato(8, 8, makecol(255, 255, 255), vista == DEMO ? "DEMO" : "REPETICIÓN");
}

// Con Tab pulsado va a 4x: solo uno de cada cuatro cuadros espera al reloj.
bool CReproductor::esperaAlTick() const
{
    return !(sistema.entrada.teclas()[KEY_TAB] && siguiente % 4 != 0);
}

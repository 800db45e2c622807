#include "repeticion/CGrabadora.h"

#include "player/CRana.h"
#include "repeticion/HuellaPartida.h"
#include "repeticion/TeclasGrabadas.h"
#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "world/Reglas.h"

CGrabadora::CGrabadora(uint64_t resumenMapa, int32_t ultimaColumna)
{
    repeticion.cabecera.versionJuego = RANA_VERSION;
    repeticion.cabecera.reglas = VERSION_REGLAS;
    repeticion.cabecera.resumenMapa = resumenMapa;
    repeticion.cabecera.ultimaColumna = ultimaColumna;
}

void CGrabadora::fijarArranque()
{
    COrigenCuadros::fijarArranque();
    anotarArranque();
}

void CGrabadora::fijarCuadro()
{
    COrigenCuadros::fijarCuadro();
    anotarCuadro();
}

// El generador común, tal como está al empezar.
void CGrabadora::anotarArranque()
{
    repeticion.cuadros.clear();
    repeticion.controles.clear();
    repeticion.cabecera.tickInicial = sistema.leerTicks();
    repeticion.cabecera.azarInicial = leerEstadoAzar();
    tickAnterior = repeticion.cabecera.tickInicial;
}

void CGrabadora::anotarCuadro()
{
    const uint32_t tick = sistema.leerTicks();
    repeticion.cuadros.push_back(CuadroJugado{ tick - tickAnterior, bitsDeTeclas(sistema.teclas) });
    tickAnterior = tick;
}

void CGrabadora::cuadroJugado()
{
    if (repeticion.cuadros.size() % CUADROS_POR_CONTROL == 0)
        repeticion.controles.push_back(huellaPartida());
}

// La grabadora no acaba la partida por su lado: si no fue la energía ni
// el botón de cerrar, fue Escape.
void CGrabadora::partidaAcabada()
{
    repeticion.resumenFinal = huellaPartida();
    const FinPartida fin = jugador->finPartida     ? FinPartida::SIN_ENERGIA
                           : sistema.cierrePedido() ? FinPartida::VENTANA_CERRADA
                                                    : FinPartida::ESCAPE;
    repeticion.desenlace = { fin, jugador->energia, jugador->potencia };
}

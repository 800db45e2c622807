#include "repeticion/CGrabadora.h"

#include <allegro.h>

#include "plataforma/Archivos.h"
#include "shell/Azar.h"
#include "plataforma/Recursos.h"
#include "stage/CFase1.h"

void CGrabadora::empezar(uint32_t tickInicio)
{
    repeticion = CRepeticion();
    CabeceraRepeticion& cabecera = repeticion.cabecera;
    cabecera.versionJuego = RANA_VERSION;
    cabecera.tickInicial = tickInicio;
    cabecera.azarInicial = leerEstadoAzar();
    cabecera.ultimaColumna = ultimaColumna;
    std::string mapa;
    if (leerArchivo(rutaRecurso("maps/fase1.map"), mapa))
        cabecera.resumenMapa = resumen(mapa.data(), mapa.size());
    tickAnterior = tickInicio;
}

void CGrabadora::anotarCuadro(uint32_t tick, const volatile char* teclas)
{
    repeticion.cuadros.push_back(CuadroJugado{ tick - tickAnterior, bitsDe(teclas) });
    tickAnterior = tick;
}

bool CGrabadora::tocaControl() const
{
    return !repeticion.cuadros.empty() && repeticion.cuadros.size() % CUADROS_POR_CONTROL == 0;
}

void CGrabadora::anotarControl(uint64_t huella)
{
    repeticion.controles.push_back(huella);
}

CRepeticion& CGrabadora::terminar(uint64_t huellaFinal)
{
    repeticion.resumenFinal = huellaFinal;
    return repeticion;
}

uint8_t CGrabadora::bitsDe(const volatile char* teclas)
{
    return (teclas[KEY_UP] ? BIT_ARRIBA : 0) | (teclas[KEY_DOWN] ? BIT_ABAJO : 0) |
           (teclas[KEY_LEFT] ? BIT_IZQUIERDA : 0) | (teclas[KEY_RIGHT] ? BIT_DERECHA : 0) |
           (teclas[KEY_SPACE] ? BIT_DISPARO : 0) | (teclas[KEY_F8] ? BIT_CAPTURA : 0);
}

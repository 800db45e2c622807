#ifndef CREPETICION_H
#define CREPETICION_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "world/CResumen.h"

// Las teclas de la partida que lee un cuadro, un bit cada una.
enum BitTecla : uint8_t {
    BIT_ARRIBA = 1,
    BIT_ABAJO = 2,
    BIT_IZQUIERDA = 4,
    BIT_DERECHA = 8,
    BIT_DISPARO = 16,
    BIT_CAPTURA = 32
};
const uint8_t TODAS_LAS_TECLAS = 63;

// Lo que se guarda de cada cuadro de una partida: los ticks que pasaron
// desde el cuadro anterior y las teclas que leyó.
struct CuadroJugado {
    uint32_t ticks;
    uint8_t teclas;

    bool operator==(const CuadroJugado& otro) const { return ticks == otro.ticks && teclas == otro.teclas; }
    bool operator!=(const CuadroJugado& otro) const { return !(*this == otro); }
};

// Con qué empezó la partida: con esto, los ticks y las teclas se repite igual.
struct CabeceraRepeticion {
    std::string versionJuego;  // la del juego que la grabó, "0.1.0"; no decide nada
    uint64_t resumenMapa = 0;  // resumen() de los bytes del mapa
    uint32_t azarInicial = 0;  // estado del generador compartido al empezar
    int32_t ultimaColumna = 0; // columna del último enemigo aparecido, que nunca se reinicia
    uint32_t tickInicial = 0;  // el reloj al empezar: hay cuentas con el tick tal cual
    uint16_t reglas = 0;       // VERSION_REGLAS del juego que la grabó
};

// Cómo acabó la partida grabada. Las de los formatos 1 y 2 no lo anotan.
enum class FinPartida : uint8_t { SIN_ANOTAR, ESCAPE, SIN_ENERGIA, VENTANA_CERRADA };
const uint8_t FINES_PARTIDA = 4;

// Cómo quedó la partida al acabar: lo que se enseña de ella sin rehacerla.
struct DesenlaceRepeticion {
    FinPartida fin = FinPartida::SIN_ANOTAR;
    int32_t energia = 0;
    int32_t potencia = 0;
};

// Lo que dice un archivo sin desplegar sus cuadros, para listarlo.
struct FichaRepeticion {
    CabeceraRepeticion cabecera;
    DesenlaceRepeticion desenlace;
    uint64_t cuadros = 0;
    uint64_t ticks = 0; // lo que duró, a 100 por segundo
};

enum class ResultadoLectura {
    BIEN,
    NO_ES_REPETICION,    // no empieza por la marca
    VERSION_DESCONOCIDA, // un formato de un juego más nuevo
    CORTADA,             // se acaba antes de tiempo
    MAL_FORMADA          // cuentas que no cuadran, bytes de más o la suma de comprobación
};

// Vacío si se grabó con las reglas de este juego; si no, la línea que lo dice.
// Una partida de otras reglas no se rehace: no es que se aparte.
std::string reglasAjenas(const CabeceraRepeticion& cabecera);

const size_t LARGO_MAXIMO_VERSION = 32;
const uint32_t CUADROS_MAXIMOS = 10000000;
const uint32_t CUADROS_POR_CONTROL = 100;


// Una partida grabada y su archivo. Los cuadros van por tramos de cuadros
// iguales, así que una partida entera ocupa pocos KB.
class CRepeticion {
public:
    CabeceraRepeticion cabecera;
    std::vector<CuadroJugado> cuadros;
    // Resumen del estado de la partida tras cada cien cuadros (tras el 100, el 200...).
    std::vector<uint64_t> controles;
    uint64_t resumenFinal = 0;
    DesenlaceRepeticion desenlace;

    // Los bytes del archivo. leer() los acepta si hay un control por cada
    // cien cuadros, no pasan de CUADROS_MAXIMOS y la versión cabe en
    // LARGO_MAXIMO_VERSION bytes (lo que sobra no se escribe, como los bits
    // de teclas que no son de la partida).
    std::string codificar() const;

    // Lee un archivo entero. Si no es BIEN, `salida` queda sin tocar y
    // `problema` dice en una línea por qué. Ningún recuento del archivo
    // reserva memoria antes de comprobar que los bytes que anuncia están.
    static ResultadoLectura leer(const uint8_t* bytes, size_t tamano, CRepeticion& salida, std::string& problema);
    // Lo mismo comprobado, sin desplegar los cuadros: la cabecera, el
    // desenlace, cuántos cuadros y cuántos ticks.
    static ResultadoLectura leerFicha(const uint8_t* bytes, size_t tamano, FichaRepeticion& salida,
                                      std::string& problema);
};

#endif

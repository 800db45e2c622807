#include "repeticion/CRepeticion.h"

#include <cstring>
#include <utility>

#include "plataforma/Bytes.h"
#include "world/Reglas.h"

// El archivo, con los enteros fijos en little-endian y los variables en
// LEB128 sin signo:
//   "RANAREP\0", versión del formato (16 bits), versión de las reglas (16)
//   (el formato 1 no la lleva: se grabó con las reglas 1)
//   largo de la versión del juego (8 bits) y sus bytes, resumen del mapa (64),
//   azar inicial (32), última columna (32 con signo), tick inicial (32)
//   cómo acabó (8), energía y potencia al acabar (32 con signo cada una)
//   (los formatos 1 y 2 no las llevan)
//   número de tramos y cada tramo: cuadros, ticks, teclas (variables)
//   número de controles (variable) y cada control (64)
//   número de cuadros (variable), resumen final (64)
//   FNV-1a de todo lo anterior (64)

namespace {

const char MARCA[8] = { 'R', 'A', 'N', 'A', 'R', 'E', 'P', '\0' };
const uint16_t VERSION_FORMATO = 3;
const int BYTES_MAXIMOS_VARIABLE = 10;

// Cuadros seguidos iguales.
struct Tramo {
    uint64_t cuadros;
    CuadroJugado cuadro;
};

void ponerFijo(std::string& b, uint64_t valor, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

void ponerVariable(std::string& b, uint64_t valor)
{
    while (valor >= 0x80) {
        b += static_cast<char>((valor & 0x7F) | 0x80);
        valor >>= 7;
    }
    b += static_cast<char>(valor);
}

// Recorre los bytes; el primer fallo queda anotado y los siguientes no lo pisan.
class Lector {
public:
    Lector(const uint8_t* bytes, size_t tamano) : p(bytes), fin(bytes + tamano) {}

    bool fallar(ResultadoLectura cual, const std::string& motivo)
    {
        if (resultado == ResultadoLectura::BIEN) {
            resultado = cual;
            problema = motivo;
        }
        return false;
    }
    bool mal(const std::string& motivo) { return fallar(ResultadoLectura::MAL_FORMADA, motivo); }

    size_t quedan() const { return static_cast<size_t>(fin - p); }

    bool tomar(size_t n, const uint8_t*& salida, const char* donde)
    {
        if (quedan() < n)
            return fallar(ResultadoLectura::CORTADA, std::string("la repetición está cortada: se acaba en ") + donde);
        salida = p;
        p += n;
        return true;
    }

    bool fijo(int bytes, uint64_t& valor, const char* donde)
    {
        const uint8_t* b;
        if (!tomar(static_cast<size_t>(bytes), b, donde))
            return false;
        valor = leerLittleEndian(b, bytes);
        return true;
    }

    // Solo la escritura más corta de cada número: así hay un único archivo
    // para cada repetición y nada se esconde en bytes de más.
    bool variable(uint64_t& valor, uint64_t maximo, const char* donde)
    {
        valor = 0;
        for (int i = 0; i < BYTES_MAXIMOS_VARIABLE; ++i) {
            const uint8_t* b;
            if (!tomar(1, b, donde))
                return false;
            const uint64_t siete = *b & 0x7F;
            if (i == BYTES_MAXIMOS_VARIABLE - 1 && siete > 1)
                return mal(std::string("un número no cabe en 64 bits (") + donde + ")");
            valor |= siete << (7 * i);
            if (!(*b & 0x80)) {
                if (i > 0 && siete == 0)
                    return mal(std::string("un número lleva bytes de más (") + donde + ")");
                if (valor > maximo)
                    return mal(std::string("un valor se sale de lo posible (") + donde + ": " +
                               std::to_string(valor) + ", como mucho " + std::to_string(maximo) + ")");
                return true;
            }
        }
        return mal(std::string("un número pasa de 10 bytes (") + donde + ")");
    }

    const uint8_t* p;
    const uint8_t* fin;
    ResultadoLectura resultado = ResultadoLectura::BIEN;
    std::string problema;
};

bool leerMarcaYVersiones(Lector& l, CabeceraRepeticion& c, uint16_t& formato)
{
    const size_t n = l.quedan() < sizeof MARCA ? l.quedan() : sizeof MARCA;
    if (n > 0 && std::memcmp(l.p, MARCA, n) != 0)
        return l.fallar(ResultadoLectura::NO_ES_REPETICION, "no es una repetición: no empieza por RANAREP");
    if (l.quedan() == 0)
        return l.fallar(ResultadoLectura::CORTADA, "la repetición está vacía");
    const uint8_t* marca;
    uint64_t version;
    if (!l.tomar(sizeof MARCA, marca, "la marca del principio") || !l.fijo(2, version, "la versión del formato"))
        return false;
    if (version < 1 || version > VERSION_FORMATO)
        return l.fallar(ResultadoLectura::VERSION_DESCONOCIDA, "la repetición es de la versión " +
                                                                   std::to_string(version) +
                                                                   " del formato y este juego lee de la 1 a la 3");
    uint64_t reglas = 1;
    if (version >= 2 && !l.fijo(2, reglas, "la versión de las reglas"))
        return false;
    c.reglas = static_cast<uint16_t>(reglas);
    formato = static_cast<uint16_t>(version);
    return true;
}

bool leerCabecera(Lector& l, CabeceraRepeticion& c)
{
    uint64_t largo, mapa, azar, columna, tick;
    const uint8_t* texto;
    if (!l.fijo(1, largo, "la versión del juego"))
        return false;
    if (largo > LARGO_MAXIMO_VERSION)
        return l.mal("la versión del juego anuncia " + std::to_string(largo) + " bytes y caben 32");
    if (!l.tomar(largo, texto, "la versión del juego") || !l.fijo(8, mapa, "el resumen del mapa") ||
        !l.fijo(4, azar, "el azar inicial") || !l.fijo(4, columna, "la última columna") ||
        !l.fijo(4, tick, "el tick inicial"))
        return false;
    c.versionJuego.assign(reinterpret_cast<const char*>(texto), largo);
    c.resumenMapa = mapa;
    c.azarInicial = static_cast<uint32_t>(azar);
    c.ultimaColumna = static_cast<int32_t>(static_cast<uint32_t>(columna));
    c.tickInicial = static_cast<uint32_t>(tick);
    return true;
}

bool leerDesenlace(Lector& l, uint16_t formato, DesenlaceRepeticion& d)
{
    if (formato < 3)
        return true;
    uint64_t fin, energia, potencia;
    if (!l.fijo(1, fin, "cómo acabó") || !l.fijo(4, energia, "la energía final") ||
        !l.fijo(4, potencia, "la potencia final"))
        return false;
    if (fin >= FINES_PARTIDA)
        return l.mal("la partida acabó de una forma que no existe (" + std::to_string(fin) + ")");
    d.fin = static_cast<FinPartida>(fin);
    d.energia = static_cast<int32_t>(static_cast<uint32_t>(energia));
    d.potencia = static_cast<int32_t>(static_cast<uint32_t>(potencia));
    return true;
}

// Los tramos se guardan tal cual: los cuadros solo se despliegan con el
// archivo entero comprobado.
bool leerTramos(Lector& l, std::vector<Tramo>& tramos, uint64_t& total)
{
    uint64_t cuantos;
    if (!l.variable(cuantos, CUADROS_MAXIMOS, "el número de tramos"))
        return false;
    total = 0;
    for (uint64_t i = 0; i < cuantos; ++i) {
        uint64_t cuadros, ticks, teclas;
        if (!l.variable(cuadros, CUADROS_MAXIMOS, "los cuadros de un tramo") ||
            !l.variable(ticks, UINT32_MAX, "los ticks de un tramo") ||
            !l.variable(teclas, TODAS_LAS_TECLAS, "las teclas de un tramo"))
            return false;
        const Tramo tramo{ cuadros, { static_cast<uint32_t>(ticks), static_cast<uint8_t>(teclas) } };
        if (cuadros == 0)
            return l.mal("un tramo no tiene cuadros");
        if (total + cuadros > CUADROS_MAXIMOS)
            return l.mal("los tramos pasan de " + std::to_string(CUADROS_MAXIMOS) + " cuadros, el tope");
        if (!tramos.empty() && tramos.back().cuadro == tramo.cuadro)
            return l.mal("dos tramos seguidos tienen los mismos ticks y teclas");
        tramos.push_back(tramo);
        total += cuadros;
    }
    return true;
}

bool leerFinal(Lector& l, uint64_t cuadros, CRepeticion& r)
{
    uint64_t controles;
    if (!l.variable(controles, CUADROS_MAXIMOS / CUADROS_POR_CONTROL, "el número de controles"))
        return false;
    if (controles != cuadros / CUADROS_POR_CONTROL)
        return l.mal("hay " + std::to_string(controles) + " controles y " + std::to_string(cuadros) +
                     " cuadros piden " + std::to_string(cuadros / CUADROS_POR_CONTROL));
    if (l.quedan() / 8 < controles)
        return l.fallar(ResultadoLectura::CORTADA, "la repetición está cortada: se acaba en los controles");
    r.controles.resize(controles);
    for (uint64_t& control : r.controles)
        l.fijo(8, control, "los controles");
    uint64_t declarados;
    if (!l.variable(declarados, UINT64_MAX, "el número de cuadros"))
        return false;
    if (declarados > CUADROS_MAXIMOS)
        return l.mal("anuncia " + std::to_string(declarados) + " cuadros y el tope es " +
                     std::to_string(CUADROS_MAXIMOS));
    if (declarados != cuadros)
        return l.mal("anuncia " + std::to_string(declarados) + " cuadros y sus tramos suman " +
                     std::to_string(cuadros));
    return l.fijo(8, r.resumenFinal, "el resumen final");
}

}

std::string reglasAjenas(const CabeceraRepeticion& cabecera)
{
    if (cabecera.reglas == VERSION_REGLAS)
        return "";
    return "grabada con las reglas " + std::to_string(cabecera.reglas) + "; este juego tiene las " +
           std::to_string(VERSION_REGLAS);
}

std::string CRepeticion::codificar() const
{
    std::string b(MARCA, sizeof MARCA);
    ponerFijo(b, VERSION_FORMATO, 2);
    ponerFijo(b, cabecera.reglas, 2);
    const std::string version = cabecera.versionJuego.substr(0, LARGO_MAXIMO_VERSION);
    ponerFijo(b, version.size(), 1);
    b += version;
    ponerFijo(b, cabecera.resumenMapa, 8);
    ponerFijo(b, cabecera.azarInicial, 4);
    ponerFijo(b, static_cast<uint32_t>(cabecera.ultimaColumna), 4);
    ponerFijo(b, cabecera.tickInicial, 4);
    ponerFijo(b, static_cast<uint8_t>(desenlace.fin), 1);
    ponerFijo(b, static_cast<uint32_t>(desenlace.energia), 4);
    ponerFijo(b, static_cast<uint32_t>(desenlace.potencia), 4);

    std::vector<Tramo> tramos;
    for (CuadroJugado cuadro : cuadros) {
        cuadro.teclas &= TODAS_LAS_TECLAS;
        if (!tramos.empty() && tramos.back().cuadro == cuadro)
            ++tramos.back().cuadros;
        else
            tramos.push_back({ 1, cuadro });
    }
    ponerVariable(b, tramos.size());
    for (const Tramo& t : tramos) {
        ponerVariable(b, t.cuadros);
        ponerVariable(b, t.cuadro.ticks);
        ponerVariable(b, t.cuadro.teclas);
    }
    ponerVariable(b, controles.size());
    for (uint64_t control : controles)
        ponerFijo(b, control, 8);
    ponerVariable(b, cuadros.size());
    ponerFijo(b, resumenFinal, 8);
    ponerFijo(b, resumen(b.data(), b.size()), 8);
    return b;
}

namespace {

// El archivo entero comprobado, con los cuadros aún por tramos.
ResultadoLectura analizar(const uint8_t* bytes, size_t tamano, CRepeticion& leida, DesenlaceRepeticion& desenlace,
                          std::vector<Tramo>& tramos, uint64_t& cuadros, std::string& problema)
{
    Lector l(bytes, tamano);
    uint16_t formato = 0;
    uint64_t suma = 0;
    if (leerMarcaYVersiones(l, leida.cabecera, formato) && leerCabecera(l, leida.cabecera) &&
        leerDesenlace(l, formato, desenlace) && leerTramos(l, tramos, cuadros) && leerFinal(l, cuadros, leida) &&
        l.fijo(8, suma, "la suma de comprobación")) {
        if (l.quedan() > 0)
            l.mal("sobran " + std::to_string(l.quedan()) + " bytes tras el final de la repetición");
        else if (suma != resumen(bytes, tamano - 8))
            l.mal("la suma de comprobación no cuadra: el archivo está dañado");
    }
    problema = l.problema;
    return l.resultado;
}

}

ResultadoLectura CRepeticion::leer(const uint8_t* bytes, size_t tamano, CRepeticion& salida, std::string& problema)
{
    CRepeticion leida;
    std::vector<Tramo> tramos;
    uint64_t cuadros = 0;
    const ResultadoLectura resultado = analizar(bytes, tamano, leida, leida.desenlace, tramos, cuadros, problema);
    if (resultado != ResultadoLectura::BIEN)
        return resultado;
    leida.cuadros.reserve(cuadros);
    for (const Tramo& t : tramos)
        leida.cuadros.insert(leida.cuadros.end(), t.cuadros, t.cuadro);
    salida = std::move(leida);
    return ResultadoLectura::BIEN;
}

ResultadoLectura CRepeticion::leerFicha(const uint8_t* bytes, size_t tamano, FichaRepeticion& salida,
                                        std::string& problema)
{
    CRepeticion leida;
    FichaRepeticion ficha;
    std::vector<Tramo> tramos;
    const ResultadoLectura resultado =
        analizar(bytes, tamano, leida, ficha.desenlace, tramos, ficha.cuadros, problema);
    if (resultado != ResultadoLectura::BIEN)
        return resultado;
    ficha.cabecera = std::move(leida.cabecera);
    for (const Tramo& t : tramos)
        ficha.ticks += t.cuadros * t.cuadro.ticks;
    salida = std::move(ficha);
    return ResultadoLectura::BIEN;
}

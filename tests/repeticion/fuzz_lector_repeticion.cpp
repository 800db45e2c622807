// Fuzzer del lector de repeticiones: bytes cualesquiera, sin fallos de
// memoria ni comportamiento indefinido. Lo que se rechaza no toca la salida
// y dice por qué en una línea; lo que se acepta es coherente y vuelve a dar
// exactamente los mismos bytes (los formatos 1 y 2 se reescriben en el
// actual, que se lee igual). La ficha de la lista dice lo mismo que la
// lectura entera. Cualquier diferencia aborta.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "repeticion/CRepeticion.h"

namespace {

void fallar(const char* motivo, const std::string& problema)
{
    std::fprintf(stderr, "lector de repeticiones: %s (%s)\n", motivo, problema.c_str());
    std::abort();
}

// La ficha acepta y rechaza lo mismo que la lectura entera, y cuenta lo mismo.
void compararFicha(const std::string& bytes, ResultadoLectura resultado, const CRepeticion& leida)
{
    FichaRepeticion ficha;
    std::string problema;
    if (CRepeticion::leerFicha(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), ficha, problema) !=
        resultado)
        fallar("la ficha no da lo mismo que la lectura entera", problema);
    if (resultado != ResultadoLectura::BIEN)
        return;
    uint64_t ticks = 0;
    for (const CuadroJugado& c : leida.cuadros)
        ticks += c.ticks;
    if (ficha.cuadros != leida.cuadros.size() || ficha.ticks != ticks || ficha.desenlace.fin != leida.desenlace.fin ||
        ficha.desenlace.energia != leida.desenlace.energia || ficha.desenlace.potencia != leida.desenlace.potencia)
        fallar("la ficha cuenta otra cosa que la lectura entera", "");
}

ResultadoLectura comprobar(const std::string& bytes)
{
    // Una salida con algo dentro: un rechazo no puede dejarla a medias.
    CRepeticion salida;
    salida.cuadros.push_back({ 7, BIT_DISPARO });
    salida.resumenFinal = 7;
    std::string problema = "de antes";
    const ResultadoLectura resultado =
        CRepeticion::leer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), salida, problema);
    compararFicha(bytes, resultado, salida);
    if (resultado != ResultadoLectura::BIEN) {
        if (problema.empty() || problema == "de antes" || problema.find('\n') != std::string::npos)
            fallar("rechaza sin decir por qué en una línea", problema);
        if (salida.cuadros.size() != 1 || salida.resumenFinal != 7)
            fallar("rechaza pero toca la salida", problema);
        return resultado;
    }
    if (!problema.empty())
        fallar("acepta pero deja un problema", problema);
    if (salida.cuadros.size() > CUADROS_MAXIMOS ||
        salida.controles.size() != salida.cuadros.size() / CUADROS_POR_CONTROL ||
        salida.cabecera.versionJuego.size() > LARGO_MAXIMO_VERSION)
        fallar("acepta cuentas que no cuadran", "");
    for (const CuadroJugado& c : salida.cuadros)
        if (c.teclas & ~TODAS_LAS_TECLAS)
            fallar("acepta teclas que no existen", "");
    const std::string escrita = salida.codificar();
    const bool formatoViejo = bytes.size() > 9 && (bytes[8] == 1 || bytes[8] == 2) && bytes[9] == 0;
    if (!formatoViejo && escrita != bytes)
        fallar("lo aceptado no vuelve a dar los mismos bytes", "");
    if (formatoViejo) {
        CRepeticion releida;
        if (CRepeticion::leer(reinterpret_cast<const uint8_t*>(escrita.data()), escrita.size(), releida, problema) !=
                ResultadoLectura::BIEN ||
            releida.codificar() != escrita || releida.cabecera.reglas != salida.cabecera.reglas ||
            releida.desenlace.fin != FinPartida::SIN_ANOTAR)
            fallar("un formato viejo reescrito no se lee igual", problema);
    }
    return resultado;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    comprobar(bytes);
    // Con la suma rehecha la mutación pasa del control de daños y se prueba
    // también lo que se acepta; cortarlo tiene que dar CORTADA.
    if (largo < 8)
        return 0;
    std::string sellada = bytes.substr(0, largo - 8);
    const uint64_t suma = resumen(sellada.data(), sellada.size());
    for (int i = 0; i < 8; ++i)
        sellada += static_cast<char>(suma >> (8 * i));
    if (comprobar(sellada) != ResultadoLectura::BIEN)
        return 0;
    if (comprobar(sellada.substr(0, datos[0] % largo)) != ResultadoLectura::CORTADA)
        fallar("una repetición buena cortada no da CORTADA", "");
    if (comprobar(sellada + '\0') != ResultadoLectura::MAL_FORMADA)
        fallar("una repetición buena con un byte detrás no da MAL_FORMADA", "");
    return 0;
}

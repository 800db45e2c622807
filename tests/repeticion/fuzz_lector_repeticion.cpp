// Fuzzer del lector de repeticiones: bytes cualesquiera, sin fallos de
// memoria ni comportamiento indefinido. Lo que se rechaza no toca la salida
// y dice por qué en una línea; lo que se acepta es coherente y vuelve a dar
// exactamente los mismos bytes (el formato 1 se reescribe en el actual, que
// se lee igual). Cualquier diferencia aborta.
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

ResultadoLectura comprobar(const std::string& bytes)
{
    // Una salida con algo dentro: un rechazo no puede dejarla a medias.
    CRepeticion salida;
    salida.cuadros.push_back({ 7, BIT_DISPARO });
    salida.resumenFinal = 7;
    std::string problema = "de antes";
    const ResultadoLectura resultado =
        CRepeticion::leer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), salida, problema);
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
    const bool formato1 = bytes.size() > 9 && bytes[8] == 1 && bytes[9] == 0;
    if (!formato1 && escrita != bytes)
        fallar("lo aceptado no vuelve a dar los mismos bytes", "");
    if (formato1) {
        CRepeticion releida;
        if (CRepeticion::leer(reinterpret_cast<const uint8_t*>(escrita.data()), escrita.size(), releida, problema) !=
                ResultadoLectura::BIEN ||
            releida.codificar() != escrita || releida.cabecera.reglas != 1)
            fallar("el formato 1 reescrito no se lee igual", problema);
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

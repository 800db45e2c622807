// Fuzzer del lector de mapas: bytes cualesquiera, sin fallos de memoria ni
// comportamiento indefinido, y el mismo resultado que un lector de
// referencia hecho aparte sobre strtoll. Cualquier diferencia aborta.
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "stage/LectorMapa.h"

namespace {

// Valor que ningún mapa leído pone en todas las casillas a la vez.
const int32_t CENTINELA = static_cast<int32_t>(0x5A5A5A5A);

void fallar(const char* motivo, int indice, long long esperado, long long obtenido)
{
    std::fprintf(stderr, "lector de mapas: %s (valor %d: esperado %lld, obtenido %lld)\n", motivo, indice,
                 esperado, obtenido);
    std::abort();
}

// Lectura de referencia: strtoll en base 0 hace el %i de C sobre una copia
// terminada en NUL. Solo se corrigen los puntos en que strtoll no dice lo
// mismo que el formato del mapa.
bool leerReferencia(const uint8_t* datos, size_t largo, int32_t (&valores)[VALORES_MAPA])
{
    const std::string copia(reinterpret_cast<const char*>(datos), largo);
    const char* p = copia.c_str();
    for (int i = 0; i < VALORES_MAPA; ++i) {
        // Un NUL dentro del texto corta strtoll igual que cualquier otro
        // carácter que no es cifra: el siguiente número ya no empieza.
        const char* numero = p;
        while (std::isspace(static_cast<unsigned char>(*numero)))
            ++numero;
        if (*numero == '+' || *numero == '-')
            ++numero;
        char* final = nullptr;
        errno = 0;
        long long valor = std::strtoll(p, &final, 0);
        if (final == p)
            return false;
        const bool prefijo = numero[0] == '0' && numero[1] != '\0';
        // "0x" sin cifras hexadecimales: strtoll se queda con el 0 y deja la
        // x; el mapa lo tiene por un número roto.
        if (prefijo && (numero[1] == 'x' || numero[1] == 'X') && final == numero + 1)
            return false;
        // Con una libc C23, strtoll leería 0b101 en binario; %i no.
        if (prefijo && (numero[1] == 'b' || numero[1] == 'B')) {
            valor = 0;
            final = const_cast<char*>(numero + 1);
        }
        if (errno == ERANGE || valor < INT32_MIN || valor > INT32_MAX)
            return false;
        valores[i] = static_cast<int32_t>(valor);
        p = final;
        // La coma ha de ir pegada al número; el NUL final no la imita.
        if (*p == ',')
            ++p;
    }
    return true;
}

void llenar(int32_t (&valores)[VALORES_MAPA])
{
    for (int32_t& v : valores)
        v = CENTINELA;
}

void comprobarIntacto(const int32_t (&valores)[VALORES_MAPA])
{
    for (int i = 0; i < VALORES_MAPA; ++i)
        if (valores[i] != CENTINELA)
            fallar("falló pero tocó los valores", i, CENTINELA, valores[i]);
}

// Vuelve a escribir los valores leídos en otra notación y los relee: las
// tres notaciones de %i tienen que dar lo mismo.
void comprobarReescritura(const int32_t (&valores)[VALORES_MAPA], int notacion)
{
    std::string texto;
    char numero[32];
    for (int32_t v : valores) {
        const long long ancho = v;
        const unsigned long long magnitud = ancho < 0 ? static_cast<unsigned long long>(-ancho) : ancho;
        const char* signo = ancho < 0 ? "-" : "";
        if (notacion == 0)
            std::snprintf(numero, sizeof numero, "%s%llu,", signo, magnitud);
        else if (notacion == 1)
            std::snprintf(numero, sizeof numero, "\t%s0X%llx\n", signo, magnitud);
        else
            std::snprintf(numero, sizeof numero, " %s0%llo,", signo, magnitud);
        texto += numero;
    }
    int32_t releidos[VALORES_MAPA];
    if (!leerMapa(texto.data(), texto.size(), releidos))
        fallar("no relee su propia reescritura", notacion, 1, 0);
    for (int i = 0; i < VALORES_MAPA; ++i)
        if (releidos[i] != valores[i])
            fallar("la reescritura da otro valor", i, valores[i], releidos[i]);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    // Se pasan los bytes tal cual, sin NUL detrás: ASan ve cualquier lectura
    // más allá del largo.
    static int32_t valores[VALORES_MAPA];
    static int32_t esperados[VALORES_MAPA];
    llenar(valores);
    const bool leido = leerMapa(reinterpret_cast<const char*>(datos), largo, valores);
    llenar(esperados);
    const bool esperado = leerReferencia(datos, largo, esperados);
    if (leido != esperado)
        fallar(leido ? "aceptó un texto que la referencia rechaza" : "rechazó un texto que la referencia acepta", -1,
               esperado, leido);
    if (!leido) {
        comprobarIntacto(valores);
        return 0;
    }
    for (int i = 0; i < VALORES_MAPA; ++i)
        if (valores[i] != esperados[i])
            fallar("valor distinto", i, esperados[i], valores[i]);
    comprobarReescritura(valores, static_cast<int>(largo % 3));
    return 0;
}

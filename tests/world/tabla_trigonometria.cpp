// Los bits que dan seno, coseno y arcoTangente en argumentos escogidos: los
// que más cuesta redondear, los extremos y valores de la partida. Los
// esperados son los de MPFR, el double más cercano al valor exacto. Se corre
// en Linux y, compilado con MinGW, bajo Wine: tiene que dar lo mismo en los
// dos. Sin GoogleTest, para que se compile igual en ambos. Sale con 1 si algo
// no coincide.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "world/Trigonometria.h"

namespace {

enum Funcion { ATAN, SENO, COSENO };

struct Caso {
    Funcion funcion;
    double x;
    uint64_t bits;
};

const double INFINITO = std::numeric_limits<double>::infinity();

const Caso CASOS[] = {
    {ATAN, -0x1.4f3cf3cf3cf3dp+1, 0xbff34c0728148605ull}, // -2.6190476190476191
    {ATAN, 0x1.2555555555555p+1, 0x3ff28ca82ff106bbull}, // 2.2916666666666665
    {ATAN, -0x0p+0, 0x8000000000000000ull}, // -0
    {ATAN, 0x1p+0, 0x3fe921fb54442d18ull}, // 1
    {ATAN, 0x1p-30, 0x3e10000000000000ull}, // 2^-30
    {ATAN, 0x1p-1074, 0x0000000000000001ull}, // el menor subnormal
    {ATAN, 0x1.b6db6db6db6dbp-2, 0x3fd9e9bf3d20dc70ull}, // 3/7
    {ATAN, -0x1.707c1f07c1f08p+2, 0xbff661991645e651ull}, // -190/33
    {ATAN, 0x1.1111111111111p+0, 0x3fea2a25f172cfe4ull}, // 16/15
    {ATAN, 0x1p+53, 0x3ff921fb54442d18ull}, // 2^53
    {ATAN, 0x1.7e43c8800759cp+996, 0x3ff921fb54442d18ull}, // 1e300
    {ATAN, -INFINITO, 0xbff921fb54442d18ull}, // -infinito
    {SENO, 0x1.1b33333333333p+3, 0x3fe165916bc22613ull}, // 8.85
    {SENO, -0x0p+0, 0x8000000000000000ull}, // -0
    {SENO, 0x1p-28, 0x3e30000000000000ull}, // 2^-28
    {SENO, 0x1.921fb54442d18p+0, 0x3ff0000000000000ull}, // π/2
    {SENO, 0x1.9e9bf3d20dc71p-2, 0x3fd935f94a2a4a4bull}, // atan(3/7)
    {SENO, -0x1.921fb54442d18p-1, 0xbfe6a09e667f3bccull}, // -π/4
    {SENO, 0x1.899999999999ap+9, 0x3fef2653f69dfb23ull}, // 0,05·15744, la fase entera
    {SENO, 0x1.99999998p+27, 0xbfefb9b6147abe71ull}, // 0,05·(2^32-1)
    {SENO, 0x1.71e22bd5bb206p+27, 0x3fefffffffffffffull}, // el double más cercano a 123456789·π/2
    {COSENO, 0x1.1b33333333333p+3, 0xbfeadba7023a2c9dull}, // 8.85
    {COSENO, -0x0p+0, 0x3ff0000000000000ull}, // -0
    {COSENO, 0x1p-28, 0x3ff0000000000000ull}, // 2^-28
    {COSENO, 0x1.921fb54442d18p+0, 0x3c91a62633145c07ull}, // π/2
    {COSENO, 0x1.9e9bf3d20dc71p-2, 0x3fed69a2d686ac02ull}, // atan(3/7)
    {COSENO, -0x1.921fb54442d18p-1, 0x3fe6a09e667f3bcdull}, // -π/4
    {COSENO, 0x1.899999999999ap+9, 0xbfcd4f8db52a0881ull}, // 0,05·15744, la fase entera
    {COSENO, 0x1.99999998p+27, 0x3fc0bb4ecdce4177ull}, // 0,05·(2^32-1)
    {COSENO, 0x1.71e22bd5bb206p+27, 0x3e4a1b3f8f1dd94cull}, // el double más cercano a 123456789·π/2
};

double calcular(Funcion f, double x)
{
    return f == ATAN ? arcoTangente(x) : f == SENO ? seno(x) : coseno(x);
}

uint64_t bitsDe(double d)
{
    uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

} // namespace

int main()
{
    const char* NOMBRES[] = {"arcoTangente", "seno", "coseno"};
    int fallos = 0;
    for (const Caso& caso : CASOS) {
        const uint64_t obtenidos = bitsDe(calcular(caso.funcion, caso.x));
        if (obtenidos != caso.bits) {
            std::printf("%s(%a): %016" PRIx64 ", se esperaba %016" PRIx64 "\n", NOMBRES[caso.funcion], caso.x,
                        obtenidos, caso.bits);
            ++fallos;
        }
    }
    // Un ángulo infinito o que no es un número no tiene seno ni coseno.
    for (double x : {INFINITO, -INFINITO, std::numeric_limits<double>::quiet_NaN()}) {
        if (seno(x) == seno(x) || coseno(x) == coseno(x) || (x != x && arcoTangente(x) == arcoTangente(x))) {
            std::printf("seno, coseno o arcoTangente de %a no da NaN\n", x);
            ++fallos;
        }
    }
    const int total = static_cast<int>(sizeof CASOS / sizeof CASOS[0]);
    std::printf("trigonometría de la partida: %d de %d casos con los bits esperados\n", total - fallos, total);
    return fallos == 0 ? 0 : 1;
}

// Contrasta seno, coseno y arcoTangente con MPFR, que redondea bien por
// construcción, en millones de argumentos de cada dominio que usa la
// partida. Uso: barrido_trigonometria [argumentos por dominio] [parte]
// La parte es arcoTangente, o seno o coseno con :angulo o :fase detrás; sin
// ella, todo. Por partes el barrido se reparte entre los núcleos.
// Sale con 1 si algún resultado no es el double más cercano.
#include <mpfr.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <initializer_list>

#include "world/Trigonometria.h"

namespace {

// splitmix64: la prueba no toca el generador de la partida.
uint64_t estado = 0x5eed2026;
uint64_t aleatorio()
{
    uint64_t z = (estado += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double uniforme(double desde, double hasta) { return desde + (hasta - desde) * (aleatorio() >> 11) * 0x1p-53; }

double deBits(uint64_t b)
{
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
}

// Cualquier double que no sea NaN: todos los exponentes por igual.
double cualquiera()
{
    for (;;) {
        const double d = deBits(aleatorio());
        if (d == d)
            return d;
    }
}

typedef int (*FuncionMpfr)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

mpfr_t entrada, salida;

double exacta(FuncionMpfr f, double x)
{
    mpfr_set_d(entrada, x, MPFR_RNDN);
    const int ternario = f(salida, entrada, MPFR_RNDN);
    mpfr_subnormalize(salida, ternario, MPFR_RNDN);
    return mpfr_get_d(salida, MPFR_RNDN);
}

struct Funcion {
    const char* nombre;
    double (*nuestra)(double);
    FuncionMpfr mpfr;
};
const Funcion ATAN = {"arcoTangente", arcoTangente, mpfr_atan};
const Funcion SENO = {"seno", seno, mpfr_sin};
const Funcion COSENO = {"coseno", coseno, mpfr_cos};

int fallosTotales = 0;

bool igual(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void contrastar(const Funcion& f, const char* dominio, long n, double (*argumento)())
{
    long fallos = 0;
    for (long i = 0; i < n; ++i) {
        const double x = argumento();
        const double nuestra = f.nuestra(x), buena = exacta(f.mpfr, x);
        if (!igual(nuestra, buena) && fallos++ < 5)
            std::printf("  %s(%a) = %a; el más cercano es %a\n", f.nombre, x, nuestra, buena);
    }
    std::printf("%-12s %-48s %9ld argumentos, %ld distintos\n", f.nombre, dominio, n, fallos);
    fallosTotales += fallos;
}

// El rumbo de una bala: la razón de dos diferencias de posiciones en
// pantalla (y más allá), y el ángulo que sale de ella.
double razonEnPantalla()
{
    const double dx = static_cast<double>(static_cast<int64_t>(aleatorio() % 4001) - 2000);
    double dy = 0;
    while (dy == 0)
        dy = static_cast<double>(static_cast<int64_t>(aleatorio() % 4001) - 2000);
    return dx / dy;
}
double anguloDeRazon() { return arcoTangente(cualquiera()); }
double anguloEnPantalla() { return arcoTangente(razonEnPantalla()); }
double anguloUniforme() { return uniforme(-1.5707963267948966, 1.5707963267948966); }
// La fase de la onda es 0,05 por los ticks que lleva el volador, un uint32.
double faseDeOnda() { return 0.05 * static_cast<double>(static_cast<uint32_t>(aleatorio())); }
double faseTemprana() { return 0.05 * static_cast<double>(aleatorio() % 100000); }
double faseUniforme() { return uniforme(0.0, 2.2e8); }
// Lo más difícil de reducir: el double más cercano a un múltiplo de π/2.
double casiMultiploDeMedioPi()
{
    mpfr_const_pi(salida, MPFR_RNDN);
    mpfr_mul_ui(salida, salida, aleatorio() % (1u << 28), MPFR_RNDN);
    mpfr_div_2ui(salida, salida, 1, MPFR_RNDN);
    return mpfr_get_d(salida, MPFR_RNDN);
}

template <typename Toca> void casosConocidos(Toca toca)
{
    const struct {
        const Funcion& f;
        double x;
    } casos[] = {{ATAN, -2.6190476190476191}, {ATAN, 2.2916666666666665}, {SENO, 8.85}};
    for (const auto& caso : casos) {
        if (!toca(caso.f))
            continue;
        const double nuestra = caso.f.nuestra(caso.x), buena = exacta(caso.f.mpfr, caso.x);
        std::printf("%s(%.17g) = %a, MPFR %a%s\n", caso.f.nombre, caso.x, nuestra, buena,
                    igual(nuestra, buena) ? "" : "  DISTINTO");
        fallosTotales += !igual(nuestra, buena);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long n = argc > 1 ? std::atol(argv[1]) : 1000000;
    mpfr_set_default_prec(53);
    // El rango de los double, con sus subnormales.
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_init2(entrada, 53);
    mpfr_init2(salida, 53);

    const std::string parte = argc > 2 ? argv[2] : "";
    const auto toca = [&parte](const Funcion& f, const char* grupo) {
        const std::string nombre = f.nombre;
        return parte.empty() || parte == nombre || parte == nombre + ":" + grupo;
    };
    const auto tocaAlgo = [&toca](const Funcion& f) { return toca(f, "angulo") || toca(f, "fase"); };
    if (!tocaAlgo(ATAN) && !tocaAlgo(SENO) && !tocaAlgo(COSENO)) {
        std::fprintf(stderr, "no hay parte '%s': arcoTangente, seno:angulo, seno:fase, coseno:angulo o coseno:fase\n",
                     parte.c_str());
        return 2;
    }
    casosConocidos(tocaAlgo);
    if (tocaAlgo(ATAN)) {
        contrastar(ATAN, "la razón, cualquier double", n, cualquiera);
        contrastar(ATAN, "la razón, entre posiciones de pantalla", n, razonEnPantalla);
    }
    for (const Funcion* f : {&SENO, &COSENO}) {
        if (toca(*f, "angulo")) {
            contrastar(*f, "el ángulo, de cualquier razón", n, anguloDeRazon);
            contrastar(*f, "el ángulo, de posiciones de pantalla", n, anguloEnPantalla);
            contrastar(*f, "el ángulo, uniforme en [-π/2, π/2]", n, anguloUniforme);
        }
        if (toca(*f, "fase")) {
            contrastar(*f, "la fase, 0,05 por cualquier uint32", n, faseDeOnda);
            contrastar(*f, "la fase, en los primeros 100000 ticks", n, faseTemprana);
            contrastar(*f, "la fase, uniforme en [0, 2,2e8]", n, faseUniforme);
            contrastar(*f, "el double más cercano a k·π/2, k < 2^28", n / 10, casiMultiploDeMedioPi);
        }
    }
    mpfr_clear(entrada);
    mpfr_clear(salida);
    std::printf("%d distintos en total\n", fallosTotales);
    return fallosTotales == 0 ? 0 : 1;
}

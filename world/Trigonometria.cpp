#include "world/Trigonometria.h"

#include <cstdint>

// Todo se calcula en doble-double: un valor es la suma sin redondear de dos
// double, con unos 106 bits de precisión. Con el error total cerca de 2^-100,
// redondear esa suma a un double da el más cercano salvo que el valor exacto
// caiga a menos de 2^-100 de la mitad entre dos double, algo que las pruebas
// contrastan con MPFR en millones de argumentos.
//
// Si el compilador fundiera a*b+c en una sola instrucción o reordenara las
// sumas, los trucos de abajo dejarían de ser exactos: el proyecto compila con
// -ffp-contract=off y aquí se prohíbe -ffast-math.
#ifdef __FAST_MATH__
#error "la trigonometría de la partida no admite -ffast-math"
#endif

namespace {

struct DD {
    double hi;
    double lo;
};

// a + b exacto como hi + lo (Knuth).
DD sumaExacta(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Lo mismo cuando |a| >= |b| (Dekker).
DD sumaRapida(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// Parte a en dos mitades de 26 bits cuyo producto no redondea.
DD partir(double a)
{
    const double c = 134217729.0 * a; // 2^27 + 1
    const double alto = c - (c - a);
    return {alto, a - alto};
}

// a * b exacto como hi + lo, sin instrucción de producto fundido (Dekker).
DD productoExacto(double a, double b)
{
    const double p = a * b;
    const DD x = partir(a);
    const DD y = partir(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

DD operator+(DD a, DD b)
{
    DD s = sumaExacta(a.hi, b.hi);
    const DD t = sumaExacta(a.lo, b.lo);
    s.lo += t.hi;
    s = sumaRapida(s.hi, s.lo);
    s.lo += t.lo;
    return sumaRapida(s.hi, s.lo);
}

DD operator+(DD a, double b)
{
    DD s = sumaExacta(a.hi, b);
    s.lo += a.lo;
    return sumaRapida(s.hi, s.lo);
}

DD operator-(DD a) { return {-a.hi, -a.lo}; }
DD operator-(DD a, DD b) { return a + -b; }

DD operator*(DD a, DD b)
{
    DD p = productoExacto(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return sumaRapida(p.hi, p.lo);
}

// Tres cocientes sucesivos: cada uno recoge lo que el anterior no alcanzó.
DD operator/(DD a, DD b)
{
    const double q1 = a.hi / b.hi;
    DD r = a - b * DD{q1, 0.0};
    const double q2 = r.hi / b.hi;
    r = r - b * DD{q2, 0.0};
    const double q3 = r.hi / b.hi;
    const DD q = sumaRapida(q1, q2);
    return q + q3;
}

// Horner en doble-double: c[0] + z*(c[1] + z*(c[2] + ...)).
DD polinomio(const DD* c, int n, DD z)
{
    DD p = c[n - 1];
    for (int i = n - 2; i >= 0; --i)
        p = p * z + c[i];
    return p;
}

const DD MEDIO_PI = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// π/2 en trozos de 25 bits: por cualquier k < 2^28, k * trozo es exacto, y
// restarlos uno tras otro no pierde los bits que quedan cuando x está muy
// cerca de un múltiplo de π/2. Los ocho llegan hasta 2^-200.
const double TROZOS_MEDIO_PI[] = {
    0x1.921fb5p+0, 0x1.110b46p-26, 0x1.1a6263p-54, 0x1.8a2e03p-81,
    0x1.c1cd12p-107, 0x1.2049c1p-132, 0x1.14cf98p-160, 0x1.d0082ep-185,
};
const double DOS_ENTRE_PI = 0x1.45f306dc9c883p-1;

// Taylor de sen(r)/r - 1 y cos(r) - 1 en z = r^2 para |r| <= π/4, hasta
// que el término siguiente cae por debajo de 2^-107.
const DD COEF_SENO[] = {
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57}, {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73}, {0x1.71de3a556c734p-19, -0x1.c154f8ddc6cp-73},
    {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80}, {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97}, {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {-0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112}, {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {-0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130}, {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
    {-0x1.d1ab1c2dccea3p-94, -0x1.054d0c78aea14p-149}, {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},
};
const DD COEF_COSENO[] = {
    {-0x1p-1, 0.0}, {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65}, {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76}, {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92}, {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {-0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107}, {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {-0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124}, {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {-0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd1654p-143}, {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},
    {-0x1.3932c5047d60ep-108, -0x1.832b7b530a627p-162},
};
const int N_SENO = sizeof COEF_SENO / sizeof COEF_SENO[0];
const int N_COSENO = sizeof COEF_COSENO / sizeof COEF_COSENO[0];

// atan(v)/v - 1 en z = v^2 para |v| <= 1/32.
const DD COEF_ATAN[] = {
    {-0x1.5555555555555p-2, -0x1.5555555555555p-56}, {0x1.999999999999ap-3, -0x1.999999999999ap-57},
    {-0x1.2492492492492p-3, -0x1.2492492492492p-57}, {0x1.c71c71c71c71cp-4, 0x1.c71c71c71c71cp-58},
    {-0x1.745d1745d1746p-4, 0x1.745d1745d1746p-59}, {0x1.3b13b13b13b14p-4, -0x1.3b13b13b13b14p-58},
    {-0x1.1111111111111p-4, -0x1.1111111111111p-60}, {0x1.e1e1e1e1e1e1ep-5, 0x1.e1e1e1e1e1e1ep-61},
    {-0x1.af286bca1af28p-5, -0x1.af286bca1af28p-59}, {0x1.8618618618618p-5, 0x1.8618618618618p-59},
    {-0x1.642c8590b2164p-5, -0x1.642c8590b2164p-60},
};
const int N_ATAN = sizeof COEF_ATAN / sizeof COEF_ATAN[0];

// atan(i/16) para i = 0..16.
const DD ATAN_TABLA[] = {
    {0.0, 0.0},
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60}, {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58}, {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57}, {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56}, {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.0657e94db30dp-1, -0x1.d5b495f6349e6p-56}, {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55}, {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57}, {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56}, {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

// Por debajo de esto, sen(x) y atan(x) redondean a x y cos(x) a 1.
const double DIMINUTO = 0x1p-27;
// Desde aquí un double ya no distingue ángulos dentro de una vuelta: el
// cociente por π/2 dejaría de ser un entero exacto.
const double ENORME = 0x1p50;

bool esNumero(double x) { return x == x && x - x == 0.0; }

// Redondeo al entero más cercano con sumas: para |v| < 2^51.
double entero(double v)
{
    const double MAGIA = 0x1.8p52;
    return v >= 0 ? (v + MAGIA) - MAGIA : -((-v + MAGIA) - MAGIA);
}

// x = k·π/2 + r, |r| <= π/4 (un pelo más si x*2/π redondea justo en la mitad).
DD reducir(double x, int& cuadrante)
{
    const double k = entero(x * DOS_ENTRE_PI);
    DD r = {x, 0.0};
    for (double trozo : TROZOS_MEDIO_PI)
        r = r + -(k * trozo);
    // k mod 4 sin pasar a entero: k/4 - 3/8 redondea a floor(k/4).
    cuadrante = static_cast<int>(k - 4.0 * entero(k * 0.25 - 0.375));
    return r;
}

DD senoReducido(DD r)
{
    const DD z = r * r;
    return r + r * z * polinomio(COEF_SENO, N_SENO, z);
}

DD cosenoReducido(DD r)
{
    const DD z = r * r;
    return DD{1.0, 0.0} + z * polinomio(COEF_COSENO, N_COSENO, z);
}

// El cuadrante 0..3 en el que cae x: sen y cos se reparten entre r y su
// complementario con el signo que toque.
double senoPorCuadrante(double x, int desfase)
{
    if (x >= ENORME || -x >= ENORME)
        return desfase == 0 ? 0.0 : 1.0;
    int cuadrante = 0;
    const DD r = reducir(x, cuadrante);
    switch ((cuadrante + desfase) & 3) {
    case 0: return senoReducido(r).hi;
    case 1: return cosenoReducido(r).hi;
    case 2: return -senoReducido(r).hi;
    default: return -cosenoReducido(r).hi;
    }
}

// atan(u) para 0 <= u <= 1: atan(c) + atan((u - c) / (1 + u·c)), c = i/16.
DD arcoTangenteHastaUno(DD u)
{
    const int i = static_cast<int>(u.hi * 16.0 + 0.5);
    const double c = i / 16.0;
    const DD v = (u + -c) / (DD{1.0, 0.0} + u * DD{c, 0.0});
    const DD z = v * v;
    return ATAN_TABLA[i] + (v + v * z * polinomio(COEF_ATAN, N_ATAN, z));
}

} // namespace

double seno(double x)
{
    if (!esNumero(x))
        return x - x; // NaN para infinito y NaN
    if (x < DIMINUTO && -x < DIMINUTO)
        return x;
    return senoPorCuadrante(x, 0);
}

double coseno(double x)
{
    if (!esNumero(x))
        return x - x;
    if (x < DIMINUTO && -x < DIMINUTO)
        return 1.0;
    return senoPorCuadrante(x, 1);
}

double arcoTangente(double x)
{
    if (x != x)
        return x;
    const double a = x < 0 ? -x : x;
    const double signo = x < 0 ? -1.0 : 1.0;
    if (a < DIMINUTO)
        return x;
    // π/2 - 1/a redondea a π/2 desde 2^53.
    if (a >= 0x1p53)
        return signo * MEDIO_PI.hi;
    if (a <= 1.0)
        return signo * arcoTangenteHastaUno({a, 0.0}).hi;
    // atan(a) = π/2 - atan(1/a), con 1/a en doble-double.
    const double q = 1.0 / a;
    const DD p = productoExacto(q, a);
    const DD inverso = {q, ((1.0 - p.hi) - p.lo) / a};
    return signo * (MEDIO_PI - arcoTangenteHastaUno(sumaRapida(inverso.hi, inverso.lo))).hi;
}

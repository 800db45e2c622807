#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "repeticion/CRepeticion.h"
#include "world/Reglas.h"

namespace {

// Dados propios (xorshift): la prueba no toca el generador del juego.
class Dados {
public:
    uint32_t hasta(uint32_t n)
    {
        estado ^= estado << 13;
        estado ^= estado >> 7;
        estado ^= estado << 17;
        return static_cast<uint32_t>(estado % n);
    }

private:
    uint64_t estado = 88172645463325252ull;
};

// Como juega alguien: teclas que se mantienen entre dos cuadros y medio
// segundo, disparando casi siempre, y algún cuadro lento de dos ticks o
// uno tan rápido que no vio ninguno.
CRepeticion partida(size_t cuadros)
{
    CRepeticion r;
    r.cabecera = { "0.1.0", 0x0123456789ABCDEFull, 0xDEADBEEFu, -7, 0xFFFFFF00u, VERSION_REGLAS };
    Dados dados;
    while (r.cuadros.size() < cuadros) {
        uint8_t teclas = static_cast<uint8_t>(dados.hasta(16));
        if (dados.hasta(10) < 8)
            teclas |= BIT_DISPARO;
        if (dados.hasta(100) == 0)
            teclas |= BIT_CAPTURA;
        for (uint32_t n = 2 + dados.hasta(50); n > 0 && r.cuadros.size() < cuadros; --n) {
            const uint32_t tropiezo = dados.hasta(150);
            r.cuadros.push_back({ tropiezo == 0 ? 2u : tropiezo == 1 ? 0u : 1u, teclas });
            if (r.cuadros.size() % CUADROS_POR_CONTROL == 0)
                r.controles.push_back(resumen(r.cuadros.data(), r.cuadros.size() * sizeof(CuadroJugado)));
        }
    }
    r.resumenFinal = r.controles.empty() ? 42 : r.controles.back() ^ 1;
    return r;
}

ResultadoLectura leer(const std::string& bytes, CRepeticion& salida, std::string& problema)
{
    return CRepeticion::leer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), salida, problema);
}

ResultadoLectura leer(const std::string& bytes)
{
    CRepeticion salida;
    std::string problema;
    return leer(bytes, salida, problema);
}

void esperarIguales(const CRepeticion& a, const CRepeticion& b)
{
    const CabeceraRepeticion &x = a.cabecera, &y = b.cabecera;
    EXPECT_TRUE(x.versionJuego == y.versionJuego && x.resumenMapa == y.resumenMapa &&
                x.azarInicial == y.azarInicial && x.ultimaColumna == y.ultimaColumna && x.tickInicial == y.tickInicial &&
                x.reglas == y.reglas);
    EXPECT_TRUE(a.cuadros == b.cuadros && a.controles == b.controles && a.resumenFinal == b.resumenFinal);
    EXPECT_TRUE(a.desenlace.fin == b.desenlace.fin && a.desenlace.energia == b.desenlace.energia &&
                a.desenlace.potencia == b.desenlace.potencia);
}

// Arma un archivo a mano tras una cabecera buena, con su suma al final: lo
// que rechace el lector lo rechaza por su forma, no por la suma.
class Armador {
public:
    Armador& fijo(uint64_t valor, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            b += static_cast<char>(valor >> (8 * i));
        return *this;
    }
    Armador& var(uint64_t valor)
    {
        for (; valor >= 0x80; valor >>= 7)
            b += static_cast<char>(valor | 0x80);
        b += static_cast<char>(valor);
        return *this;
    }
    Armador& crudo(const std::string& bytes)
    {
        b += bytes;
        return *this;
    }
    std::string cerrado() const { return Armador(*this).fijo(resumen(b.data(), b.size()), 8).b; }

    std::string b{ "RANAREP\0\1\0\5" "0.1.0" "MAPAMAPA" "AZAR" "COLU" "TICK", 36 };
};

}

TEST(PruebaRepeticion, ElResumenEsFnv1aDe64BitsEncadenable)
{
    EXPECT_EQ(resumen("", 0), 0xCBF29CE484222325ull);
    EXPECT_EQ(resumen("a", 1), 0xAF63DC4C8601EC8Cull);
    EXPECT_EQ(resumen("foobar", 6), 0x85944171F73967E8ull);
    EXPECT_EQ(resumen("bar", 3, resumen("foo", 3)), resumen("foobar", 6));
}

// Una partida entera de 157 s vuelve igual y cabe en pocos KB; los bordes
// también vuelven, y el archivo de lo leído es el mismo byte a byte.
TEST(PruebaRepeticion, CadaPartidaVuelveIgualYUnaEnteraOcupaPoco)
{
    const CRepeticion entera = partida(15700);
    ASSERT_EQ(entera.controles.size(), 157u);
    const std::string bytes = entera.codificar();
    EXPECT_LT(bytes.size(), 20000u);
    RecordProperty("bytes_partida_entera", static_cast<int>(bytes.size()));

    CRepeticion extremos = partida(100);
    extremos.cabecera = { std::string("\0ñ-32-bytes-justos-con-nul-y-ñ", 32), UINT64_MAX, UINT32_MAX, INT32_MIN, 0, UINT16_MAX };
    extremos.cuadros[0] = { UINT32_MAX, TODAS_LAS_TECLAS };
    extremos.cuadros[99] = { 0, 0 };
    extremos.resumenFinal = UINT64_MAX;
    extremos.desenlace = { FinPartida::VENTANA_CERRADA, INT32_MIN, INT32_MAX };

    for (const CRepeticion& original : { entera, partida(0), partida(99), partida(101), extremos }) {
        const std::string codificada = original.codificar();
        CRepeticion leida;
        std::string problema = "algo de antes";
        ASSERT_EQ(leer(codificada, leida, problema), ResultadoLectura::BIEN) << problema;
        EXPECT_TRUE(problema.empty());
        esperarIguales(leida, original);
        EXPECT_EQ(leida.codificar(), codificada);
    }

    // La ficha lee lo mismo sin desplegar los cuadros: cuántos y cuántos ticks.
    FichaRepeticion ficha;
    std::string problema;
    ASSERT_EQ(CRepeticion::leerFicha(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), ficha, problema),
              ResultadoLectura::BIEN);
    uint64_t ticks = 0;
    for (const CuadroJugado& c : entera.cuadros)
        ticks += c.ticks;
    EXPECT_EQ(ficha.cuadros, entera.cuadros.size());
    EXPECT_EQ(ficha.ticks, ticks);
    EXPECT_EQ(ficha.cabecera.azarInicial, entera.cabecera.azarInicial);

    // Lo que no cabe en el archivo no se escribe: la versión se corta y los
    // bits que no son teclas de la partida se quedan fuera.
    CRepeticion sobrada = partida(3);
    sobrada.cabecera.versionJuego = std::string(40, 'v');
    sobrada.cuadros[1].teclas = 0xFF;
    CRepeticion leida;
    ASSERT_EQ(leer(sobrada.codificar(), leida, problema), ResultadoLectura::BIEN) << problema;
    EXPECT_EQ(leida.cabecera.versionJuego, std::string(32, 'v'));
    EXPECT_EQ(leida.cuadros[1].teclas, TODAS_LAS_TECLAS);
}

// Las del formato 1, sin versión de las reglas, se jugaron con las reglas 1:
// se leen, pero no son de este juego. Las de sus propias reglas, sí.
TEST(PruebaRepeticion, LasDeOtrasReglasSeLeenPeroNoSonDeEsteJuego)
{
    CRepeticion vieja;
    std::string problema;
    ASSERT_EQ(leer(Armador().var(1).var(50).var(1).var(0).var(0).var(50).crudo(std::string(8, 'f')).cerrado(), vieja,
                   problema),
              ResultadoLectura::BIEN)
        << problema;
    EXPECT_EQ(vieja.cabecera.reglas, 1u);
    EXPECT_EQ(vieja.desenlace.fin, FinPartida::SIN_ANOTAR);
    EXPECT_EQ(reglasAjenas(vieja.cabecera),
              "grabada con las reglas 1; este juego tiene las " + std::to_string(VERSION_REGLAS));
    EXPECT_EQ(reglasAjenas(partida(10).cabecera), "");
}

// Cada archivo malo da su clase y una línea que explica por qué, sin tocar
// la repetición de destino.
TEST(PruebaRepeticion, LosArchivosMalosDicenQueLesPasa)
{
    const std::string buena = partida(250).codificar();
    auto clase = [](const std::string& bytes) {
        CRepeticion salida = partida(1);
        std::string problema;
        const ResultadoLectura resultado = leer(bytes, salida, problema);
        EXPECT_EQ(salida.cuadros.size(), 1u) << "la salida queda como estaba";
        EXPECT_FALSE(problema.empty());
        EXPECT_EQ(problema.find('\n'), std::string::npos);
        return resultado;
    };
    std::string otra = buena;
    otra[6] = 'Q';
    EXPECT_EQ(clase(otra), ResultadoLectura::NO_ES_REPETICION);
    EXPECT_EQ(clase("BM6\0\0\0"), ResultadoLectura::NO_ES_REPETICION);
    EXPECT_EQ(clase("RANX"), ResultadoLectura::NO_ES_REPETICION);
    for (const char* version : { "\4\0", "\0\0", "\xFF\xFF" })
        EXPECT_EQ(clase(buena.substr(0, 8) + std::string(version, 2) + buena.substr(10)),
                  ResultadoLectura::VERSION_DESCONOCIDA);
    EXPECT_EQ(clase(buena + '\0'), ResultadoLectura::MAL_FORMADA);
    // Un final que no existe, tras la cabecera de 38 bytes, con la suma rehecha.
    Armador finRaro;
    finRaro.b = buena.substr(0, buena.size() - 8);
    finRaro.b[38] = static_cast<char>(FINES_PARTIDA);
    EXPECT_EQ(clase(finRaro.cerrado()), ResultadoLectura::MAL_FORMADA);
    EXPECT_EQ(clase(buena + buena), ResultadoLectura::MAL_FORMADA);

    // Cortada por cualquier sitio, también en la marca o vacía.
    for (size_t largo = 0; largo < buena.size(); ++largo)
        EXPECT_EQ(clase(buena.substr(0, largo)), ResultadoLectura::CORTADA) << largo;

    // Un bit cambiado en cualquier byte no pasa nunca.
    for (size_t i = 0; i < buena.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            std::string cambiada = buena;
            cambiada[i] = static_cast<char>(cambiada[i] ^ (1 << bit));
            EXPECT_NE(clase(cambiada), ResultadoLectura::BIEN) << i << ":" << bit;
        }
}

// Cuentas que mienten o números imposibles, con la suma bien puesta: se
// rechazan sin reservar lo que anuncian.
TEST(PruebaRepeticion, LasCuentasQueNoCuadranSeRechazan)
{
    const std::string ocho(8, 'c');
    struct Caso {
        const char* que;
        std::string bytes;
    } casos[] = {
        { "tramos que suman otra cosa", Armador().var(1).var(150).var(1).var(0).var(1).crudo(ocho).var(151).crudo(ocho).cerrado() },
        { "un control de más", Armador().var(1).var(150).var(1).var(0).var(2).crudo(ocho + ocho).var(150).crudo(ocho).cerrado() },
        { "más cuadros que el tope", Armador().var(1).var(CUADROS_MAXIMOS + 1).var(1).var(0).cerrado() },
        { "tramos que pasan del tope", Armador().var(2).var(CUADROS_MAXIMOS).var(1).var(0).var(1).var(1).var(0).cerrado() },
        { "cuadros anunciados sin fin", Armador().var(1).var(50).var(1).var(0).var(0).var(1ull << 40).crudo(ocho).cerrado() },
        { "tramos sin fin", Armador().var(1ull << 62).var(1).var(1).var(0).cerrado() },
        { "controles sin fin", Armador().var(1).var(50).var(1).var(0).var(1ull << 62).crudo(ocho).cerrado() },
        { "número de 11 bytes", Armador().crudo(std::string(10, '\x80') + '\1').cerrado() },
        { "número de más de 64 bits", Armador().var(1).var(1).crudo(std::string(9, '\xFF') + '\2').cerrado() },
        { "número con bytes de más", Armador().crudo("\x81").crudo(std::string(1, '\0')).var(1).var(1).var(0).var(0).var(1).crudo(ocho).cerrado() },
        { "ticks de más de 32 bits", Armador().var(1).var(1).var(1ull << 32).var(0).var(0).var(1).crudo(ocho).cerrado() },
        { "teclas que no existen", Armador().var(1).var(1).var(1).var(64).var(0).var(1).crudo(ocho).cerrado() },
        { "tramo vacío", Armador().var(2).var(0).var(1).var(0).var(1).var(1).var(1).var(0).var(1).crudo(ocho).cerrado() },
        { "tramos iguales seguidos", Armador().var(2).var(1).var(1).var(3).var(1).var(1).var(3).var(0).var(2).crudo(ocho).cerrado() },
        { "versión del juego de 33 bytes", std::string("RANAREP\0\1\0\x21", 11) + std::string(60, 'v') },
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(leer(caso.bytes), ResultadoLectura::MAL_FORMADA) << caso.que;

    // El tope justo sí vale: diez millones de cuadros en un solo tramo.
    Armador tope;
    tope.var(1).var(CUADROS_MAXIMOS).var(1).var(BIT_DISPARO).var(CUADROS_MAXIMOS / CUADROS_POR_CONTROL);
    for (uint32_t i = 0; i < CUADROS_MAXIMOS / CUADROS_POR_CONTROL; ++i)
        tope.fijo(i, 8);
    CRepeticion leida;
    std::string problema;
    ASSERT_EQ(leer(tope.var(CUADROS_MAXIMOS).crudo(ocho).cerrado(), leida, problema), ResultadoLectura::BIEN)
        << problema;
    EXPECT_EQ(leida.cuadros.size(), CUADROS_MAXIMOS);
    EXPECT_EQ(leida.controles.back(), CUADROS_MAXIMOS / CUADROS_POR_CONTROL - 1);
}

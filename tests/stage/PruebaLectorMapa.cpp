#include <gtest/gtest.h>

#include <string>

#include "shell/CExcepcion.h"
#include "stage/CFase1.h"
#include "stage/LectorMapa.h"
#include "tests/world/MundoDePrueba.h"

namespace {

// Texto de n ceros seguidos de lo que se pida.
std::string ceros(int n, const std::string& separador = ",")
{
    std::string texto;
    for (int i = 0; i < n; ++i)
        texto += "0" + separador;
    return texto;
}

struct Lectura {
    bool bien;
    int32_t valores[VALORES_MAPA];
};

Lectura leer(const std::string& texto)
{
    Lectura l;
    for (int32_t& v : l.valores)
        v = 12345;
    l.bien = leerMapa(texto.data(), texto.size(), l.valores);
    return l;
}

// El primer valor escrito con la notación dada, rellenando el resto de ceros.
int32_t primero(const std::string& numero)
{
    Lectura l = leer(numero + "," + ceros(VALORES_MAPA - 1));
    EXPECT_TRUE(l.bien) << numero;
    return l.valores[0];
}

TEST(PruebaLectorMapa, NotacionDeC)
{
    EXPECT_EQ(primero("0x10"), 16);
    EXPECT_EQ(primero("0X1f"), 31);
    EXPECT_EQ(primero("010"), 8);
    EXPECT_EQ(primero("-50"), -50);
    EXPECT_EQ(primero("+7"), 7);
    EXPECT_EQ(primero("-0x10"), -16);
    EXPECT_EQ(primero("  \t\r\n 1000"), 1000);
    EXPECT_EQ(primero("2147483647"), 2147483647);
    EXPECT_EQ(primero("-2147483648"), INT32_MIN);
    EXPECT_EQ(primero("0x7fffffff"), INT32_MAX);
}

// "08" no es un octal malo: son dos números, 0 y 8.
TEST(PruebaLectorMapa, UnOchoTrasUnCeroEmpiezaOtroNumero)
{
    Lectura l = leer("08," + ceros(VALORES_MAPA - 2));
    ASSERT_TRUE(l.bien);
    EXPECT_EQ(l.valores[0], 0);
    EXPECT_EQ(l.valores[1], 8);
}

TEST(PruebaLectorMapa, ComasOFinesDeLineaDanLoMismo)
{
    std::string conComas, conLineas;
    for (int i = 0; i < VALORES_MAPA; ++i) {
        conComas += std::to_string(i % 300) + ",";
        conLineas += std::to_string(i % 300) + (i % 7 ? " " : "\n");
    }
    Lectura a = leer(conComas), b = leer(conLineas);
    ASSERT_TRUE(a.bien);
    ASSERT_TRUE(b.bien);
    for (int i = 0; i < VALORES_MAPA; ++i)
        ASSERT_EQ(a.valores[i], b.valores[i]) << i;
    EXPECT_EQ(a.valores[VALORES_MAPA - 1], (VALORES_MAPA - 1) % 300);
}

TEST(PruebaLectorMapa, LoQueSigueAlUltimoValorSeIgnora)
{
    EXPECT_TRUE(leer(ceros(VALORES_MAPA) + "basura, 99999999999999, 0x").bien);
    EXPECT_TRUE(leer(ceros(VALORES_MAPA - 1, ",") + "5").bien);
}

// Un archivo roto no deja nada a medias: o se lee entero o no se toca.
TEST(PruebaLectorMapa, UnTextoRotoEsUnErrorYNoTocaNada)
{
    const std::string rotos[] = {
        ceros(VALORES_MAPA - 1),                                // uno corto
        "",                                                     // vacío
        ceros(100) + "hola," + ceros(VALORES_MAPA),             // texto que no es número
        ceros(100) + "1 ,2," + ceros(VALORES_MAPA),             // la coma debe ir pegada
        ceros(100) + "-," + ceros(VALORES_MAPA),                // signo sin cifras
        ceros(100) + "0x," + ceros(VALORES_MAPA),               // 0x sin cifras
        ceros(100) + "2147483648," + ceros(VALORES_MAPA),       // no cabe en 32 bits
        ceros(100) + "-2147483649," + ceros(VALORES_MAPA),
        ceros(100) + "0x100000000," + ceros(VALORES_MAPA),
        ceros(100) + "99999999999999999999999," + ceros(VALORES_MAPA),
        ceros(100) + "1,,2," + ceros(VALORES_MAPA),             // dos comas
        ceros(5) + std::string("\0", 1) + ceros(VALORES_MAPA),  // un nulo en medio
    };
    for (const std::string& texto : rotos) {
        Lectura l = leer(texto);
        EXPECT_FALSE(l.bien) << texto.substr(0, 240);
        EXPECT_EQ(l.valores[0], 12345);
        EXPECT_EQ(l.valores[VALORES_MAPA - 1], 12345);
    }
}

class PruebaCargaMapa : public MundoDePrueba {
protected:
    int codigoAlCargar()
    {
        try {
            CFase1 fase;
        } catch (CExcepcion e) {
            return e.codigo;
        }
        return -1;
    }
};

TEST_F(PruebaCargaMapa, ReparteLosCincoBloquesYGuardaOchoBitsEnLosTresPrimeros)
{
    std::string texto;
    for (int i = 0; i < 1792; ++i)
        texto += std::to_string(i == 0 ? -1 : i == 1 ? 256 : i == 2 ? 0x10 : 7) + ",";
    for (int i = 0; i < 504; ++i)
        texto += std::to_string(i == 503 ? 300 : 3) + ",";
    for (int i = 0; i < 256; ++i)
        texto += std::to_string(i == 5 ? 4 : 0) + ",";
    for (int i = 0; i < 256; ++i)
        texto += std::to_string(i == 5 ? -50 : 0) + ",";
    for (int i = 0; i < 256; ++i)
        texto += std::to_string(i == 5 ? 1000 : i == 255 ? 70000 : 0) + ",";
    escribirMapa(texto);
    CFase1 fase;
    EXPECT_EQ(fase.capaCercana[0][0], 255);
    EXPECT_EQ(fase.capaCercana[0][1], 0);
    EXPECT_EQ(fase.capaCercana[0][2], 16);
    EXPECT_EQ(fase.capaCercana[6][255], 7);
    EXPECT_EQ(fase.capaLejana[6][71], 300 % 256);
    EXPECT_EQ(fase.aparicion[5], 4);
    EXPECT_EQ(fase.aparicionX[5], -50);
    EXPECT_EQ(fase.aparicionY[5], 1000);
    EXPECT_EQ(fase.aparicionY[255], 70000);
    EXPECT_EQ(fase.desplazamiento, 0u);
}

TEST_F(PruebaCargaMapa, UnMapaCortoONoNumericoEsUnErrorDeArchivos)
{
    escribirMapa(ceros(VALORES_MAPA - 1));
    EXPECT_EQ(codigoAlCargar(), ERROR_ARCHIVOS);
    escribirMapa(ceros(10) + "x" + ceros(VALORES_MAPA));
    EXPECT_EQ(codigoAlCargar(), ERROR_ARCHIVOS);
    escribirMapa(ceros(VALORES_MAPA));
    EXPECT_EQ(codigoAlCargar(), -1);
}

TEST_F(PruebaCargaMapa, SinMapaOSinLosetasEsUnErrorDeArchivos)
{
    std::remove("maps/fase1.map");
    EXPECT_EQ(codigoAlCargar(), ERROR_ARCHIVOS);
    // Las losetas se cargan antes que el mapa.
    simulados.llamadas.clear();
    simulados.fallos = { "imagen graphics/fase1.bmp" };
    EXPECT_EQ(codigoAlCargar(), ERROR_ARCHIVOS);
    EXPECT_EQ(simulados.llamadas, (std::vector<std::string>{ "imagen graphics/fase1.bmp" }));
}

}

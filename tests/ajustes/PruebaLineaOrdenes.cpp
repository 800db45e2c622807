#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "ajustes/LineaOrdenes.h"

namespace {

OpcionesLinea opciones;
std::string problema;

// Los argumentos, separados por espacios, con el nombre del programa delante.
Orden analizar(const std::string& linea)
{
    std::vector<std::string> textos{ "escuadron-rana" };
    std::istringstream palabras(linea);
    for (std::string palabra; palabras >> palabra;)
        textos.push_back(palabra);
    std::vector<char*> argv;
    for (std::string& texto : textos)
        argv.push_back(&texto[0]);
    argv.push_back(nullptr);
    return analizarLinea(static_cast<int>(textos.size()), argv.data(), opciones, problema);
}

struct LineaMala {
    const char* argumentos;
    const char* problema;
};

// Cada caso se llama por sus argumentos en gtest y en ctest.
void PrintTo(const LineaMala& linea, std::ostream* salida) { *salida << linea.argumentos; }

class PruebaLineaMala : public ::testing::TestWithParam<LineaMala> {};

TEST_P(PruebaLineaMala, DaErrorYDiceQueOpcionOValorFalla)
{
    EXPECT_EQ(analizar(GetParam().argumentos), Orden::ERROR);
    EXPECT_EQ(problema, GetParam().problema);
}

INSTANTIATE_TEST_SUITE_P(
    Errores, PruebaLineaMala,
    ::testing::Values(LineaMala{ "--foo", "opción desconocida: --foo" },
                      LineaMala{ "--ve", "opción ambigua: --ve" },
                      LineaMala{ "--escala", "--escala necesita un valor" },
                      LineaMala{ "--escala 0", "valor no válido para --escala: «0» (de 1 a 16)" },
                      LineaMala{ "--escala x", "valor no válido para --escala: «x» (de 1 a 16)" },
                      LineaMala{ "--escala=2x", "valor no válido para --escala: «2x» (de 1 a 16)" },
                      LineaMala{ "--escala 17", "valor no válido para --escala: «17» (de 1 a 16)" },
                      LineaMala{ "--escala 99999999999999999999",
                                 "valor no válido para --escala: «99999999999999999999» (de 1 a 16)" },
                      LineaMala{ "--silencio partida", "argumento que sobra: «partida»" },
                      LineaMala{ "-- --help", "argumento que sobra: «--help»" },
                      // Lo primero que acaba la lectura manda.
                      LineaMala{ "--foo --help", "opción desconocida: --foo" }));

TEST(PruebaLineaOrdenes, AceptaLasFormasLargasYGanaLoUltimoOLoPrimeroQueAcaba)
{
    EXPECT_EQ(analizar("--silencio --ventana --escala=3 --pantalla-completa"), Orden::JUGAR);
    EXPECT_EQ(opciones.escala, 3);
    EXPECT_EQ(opciones.completa, 1);
    EXPECT_TRUE(opciones.silencio);
    // Cada llamada empieza de cero.
    EXPECT_EQ(analizar("--pantalla-completa --escala 16 --ventana"), Orden::JUGAR);
    EXPECT_EQ(opciones.escala, 16);
    EXPECT_EQ(opciones.completa, 0);
    EXPECT_FALSE(opciones.silencio);
    EXPECT_EQ(analizar(""), Orden::JUGAR);
    EXPECT_EQ(opciones.completa, -1);
    EXPECT_EQ(analizar("-h"), Orden::AYUDA);
    EXPECT_EQ(analizar("--ventana --version --help"), Orden::VERSION);
    EXPECT_EQ(analizar("--help --foo"), Orden::AYUDA);
    EXPECT_TRUE(problema.empty());
}

}

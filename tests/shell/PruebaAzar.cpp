#include <gtest/gtest.h>

#include "shell/Azar.h"

namespace {

// Los primeros valores del generador clásico de multiplicador 214013 desde
// el estado 1: cualquier error de constantes o de bits los cambia.
TEST(PruebaAzar, RepiteLaSecuenciaClasicaDesdeElEstadoUno)
{
    fijarEstadoAzar(AZAR_DE_ARRANQUE);
    const int esperados[] = { 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464 };
    for (int esperado : esperados)
        EXPECT_EQ(azar(), esperado);
    fijarEstadoAzar(AZAR_DE_ARRANQUE);
    EXPECT_EQ(azar(), 41);
}

TEST(PruebaAzar, SiempreDentroDeQuinceBits)
{
    fijarEstadoAzar(AZAR_DE_ARRANQUE);
    int menor = 32767, mayor = 0;
    for (int i = 0; i < 100000; ++i) {
        int valor = azar();
        menor = std::min(menor, valor);
        mayor = std::max(mayor, valor);
    }
    EXPECT_GE(menor, 0);
    EXPECT_LE(mayor, 32767);
    EXPECT_GT(mayor, 32700);
}

}

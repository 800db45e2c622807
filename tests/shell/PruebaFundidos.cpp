#include <gtest/gtest.h>

#include <vector>

#include "shell/CSistema.h"
#include "shell/Fundidos.h"

namespace {

// Un driver gráfico de mentira de 640x480: da tamaño a SCREEN_W/SCREEN_H y
// anota, en cada espera de retrazado, el brillo de la página de dibujo.
std::vector<int> brillos;

void retrazadoSimulado()
{
    brillos.push_back(getr(getpixel(sistema.paginaDibujo, 320, 240)));
}

class PruebaFundidos : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver = GFX_DRIVER();
        driver.w = 640;
        driver.h = 480;
        driver.vsync = retrazadoSimulado;
        gfx_driver = &driver;
        pantalla = create_bitmap(640, 480);
        clear_to_color(pantalla, makecol(0, 0, 255));
        screen = pantalla;
        sistema.paginaDibujo = create_bitmap(640, 480);
        imagen = create_bitmap(640, 480);
        clear_to_color(imagen, makecol(255, 255, 255));
        brillos.clear();
    }

    void TearDown() override
    {
        gfx_driver = nullptr;
        screen = nullptr;
        destroy_bitmap(pantalla);
        destroy_bitmap(imagen);
        destroy_bitmap(sistema.paginaDibujo);
        sistema.paginaDibujo = nullptr;
    }

    int brilloFinal() const { return getr(getpixel(sistema.paginaDibujo, 320, 240)); }
    int brilloPantalla() const { return getr(getpixel(screen, 320, 240)); }

    static bool creciente(const std::vector<int>& v)
    {
        for (size_t i = 1; i < v.size(); ++i)
            if (v[i] <= v[i - 1])
                return false;
        return true;
    }

    GFX_DRIVER driver;
    BITMAP* pantalla;
    BITMAP* imagen;
};

TEST_F(PruebaFundidos, LaEntradaSubeDesdeNegroEnDieciseisCuadros)
{
    clear_to_color(sistema.paginaDibujo, makecol(0, 255, 0));
    fundidoEntrada(imagen, 16);
    ASSERT_EQ(brillos.size(), 16u);
    // En cada retrazado la página tiene aún el cuadro anterior: el primero es negro.
    EXPECT_EQ(brillos[1], 0);
    std::vector<int> cuadros(brillos.begin() + 1, brillos.end());
    cuadros.push_back(brilloFinal());
    EXPECT_TRUE(creciente(cuadros));
    // El último cuadro (alfa 240) no llega al blanco; la imagen entera va a screen.
    EXPECT_LT(brilloFinal(), 250);
    EXPECT_GT(brilloFinal(), 220);
    EXPECT_EQ(brilloPantalla(), 255);
}

TEST_F(PruebaFundidos, UnPasoNuloONegativoValeDieciseis)
{
    fundidoEntrada(imagen, 0);
    EXPECT_EQ(brillos.size(), 16u);
    brillos.clear();
    fundidoEntrada(imagen, -5);
    EXPECT_EQ(brillos.size(), 16u);
    brillos.clear();
    fundidoEntrada(imagen, 64);
    EXPECT_EQ(brillos.size(), 4u);
}

TEST_F(PruebaFundidos, LaSalidaBajaANegroEnQuinceCuadrosSinTocarLaPantalla)
{
    clear_to_color(sistema.paginaDibujo, makecol(255, 255, 255));
    fundidoSalida(16);
    ASSERT_EQ(brillos.size(), 15u);
    EXPECT_EQ(brillos[0], 255);
    std::vector<int> cuadros(brillos.rbegin(), brillos.rend() - 1);
    EXPECT_TRUE(creciente(cuadros));
    EXPECT_LT(brillos[1], 245);
    EXPECT_EQ(brilloFinal(), 0);
    EXPECT_EQ(getb(getpixel(screen, 320, 240)), 255);

    brillos.clear();
    fundidoSalida(-1);
    EXPECT_EQ(brillos.size(), 15u);
}

TEST_F(PruebaFundidos, UnPasoEnormeSoloPintaDeNegro)
{
    clear_to_color(sistema.paginaDibujo, makecol(255, 255, 255));
    fundidoSalida(255);
    EXPECT_TRUE(brillos.empty());
    EXPECT_EQ(brilloFinal(), 0);
    EXPECT_EQ(getpixel(sistema.paginaDibujo, 639, 479), 0);

    fundidoEntrada(imagen, 256);
    EXPECT_EQ(brillos.size(), 1u);
    EXPECT_EQ(brilloPantalla(), 255);
}

}

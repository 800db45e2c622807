#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "plataforma/CAmpliador.h"
#include "plataforma/CCambiosPagina.h"

static bool operator==(const Zona& a, const Zona& b)
{
    return a.x == b.x && a.y == b.y && a.ancho == b.ancho && a.alto == b.alto;
}

namespace {

struct Caso {
    const char* nombre;
    std::vector<std::pair<int, int>> pixeles;
    std::vector<Zona> esperadas;
};

// Bloques de 32 píxeles en bandas de 8 filas; 70 de ancho deja un último
// bloque de 6.
TEST(PruebaCambiosPagina, SoloVuelveLoQueCambioPorBloquesYBandas)
{
    BITMAP* pagina = create_bitmap(70, 40);
    clear_to_color(pagina, makecol(0, 80, 0));
    CCambiosPagina cambios;
    EXPECT_EQ(cambios.cambios(pagina), (std::vector<Zona>{ { 0, 0, 70, 40 } }));
    EXPECT_TRUE(cambios.cambios(pagina).empty());
    const std::vector<Caso> casos = {
        { "un píxel", { { 40, 3 } }, { { 32, 3, 32, 1 } } },
        { "el bloque corto del borde", { { 69, 39 } }, { { 64, 39, 6, 1 } } },
        { "dos filas de una banda", { { 1, 17 }, { 2, 22 } }, { { 0, 17, 32, 6 } } },
        { "un bloque limpio en medio no parte la zona", { { 0, 5 }, { 65, 5 } }, { { 0, 5, 70, 1 } } },
        { "cada banda la suya", { { 0, 7 }, { 0, 8 } }, { { 0, 7, 32, 1 }, { 0, 8, 32, 1 } } },
    };
    for (const Caso& caso : casos) {
        for (auto [x, y] : caso.pixeles)
            putpixel(pagina, x, y, makecol(255, 0, 0));
        EXPECT_EQ(cambios.cambios(pagina), caso.esperadas) << caso.nombre;
        EXPECT_TRUE(cambios.cambios(pagina).empty()) << caso.nombre;
    }
    cambios.olvidar();
    EXPECT_EQ(cambios.cambios(pagina), (std::vector<Zona>{ { 0, 0, 70, 40 } }));
    destroy_bitmap(pagina);
}

// Lo que importa: una ventana que solo recibe los trozos cambiados, ampliados
// a 2x, queda igual que si recibiera la página entera, cuadro tras cuadro, y
// cada trozo va en alguna zona de las que se mandan.
TEST(PruebaCambiosPagina, LaVentanaConSoloLasZonasQuedaComoLaPaginaEntera)
{
    const int ANCHO = 200, ALTO = 90, FACTOR = 2, PASO = ANCHO * FACTOR * 4;
    BITMAP* pagina = create_bitmap(ANCHO, ALTO);
    clear_to_color(pagina, 0);
    CAmpliador ampliador;
    ampliador.preparar(0xFF0000, 0xFF00, 0xFF);
    CCambiosPagina cambios;
    std::vector<uint8_t> ventana(PASO * ALTO * FACTOR), entera(ventana.size());
    std::mt19937 azar(7);
    for (int cuadro = 0; cuadro < 50; ++cuadro) {
        for (int i = 0; i < cuadro % 6; ++i) {
            const int x = azar() % ANCHO, y = azar() % ALTO;
            rectfill(pagina, x, y, x + azar() % 40, y + azar() % 3, makecol(azar() % 256, azar() % 256, 9));
        }
        const std::vector<Zona>& zonas = cambios.cambios(pagina);
        for (const Zona& t : cambios.trozos()) {
            ampliador.ampliar(pagina, ventana.data(), PASO, FACTOR, t);
            EXPECT_TRUE(std::any_of(zonas.begin(), zonas.end(), [&](const Zona& z) {
                return t.x >= z.x && t.y >= z.y && t.x + t.ancho <= z.x + z.ancho && t.y + t.alto <= z.y + z.alto;
            })) << "un trozo que no se manda, cuadro " << cuadro;
        }
        ampliador.ampliar(pagina, entera.data(), PASO, FACTOR);
        ASSERT_EQ(ventana, entera) << "cuadro " << cuadro;
    }
    destroy_bitmap(pagina);
}

}

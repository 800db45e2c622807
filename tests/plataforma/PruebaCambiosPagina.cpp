#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "plataforma/CAmpliador.h"
#include "plataforma/CCambiosPagina.h"

static bool operator==(const Zona& a, const Zona& b)
{
    return a.x == b.x && a.y == b.y && a.ancho == b.ancho && a.alto == b.alto;
}

namespace {

bool cubre(const Zona& z, int x, int y)
{
    return x >= z.x && y >= z.y && x < z.x + z.ancho && y < z.y + z.alto;
}

bool algunaCubre(const std::vector<Zona>& zonas, int x, int y)
{
    return std::any_of(zonas.begin(), zonas.end(), [&](const Zona& z) { return cubre(z, x, y); });
}

// Lo cambiado en un cuadro, esté donde esté (el último bloque y la última
// banda de esta página son cortos), va en una zona y en un trozo que lo
// cubren; ninguna zona va sin un cambio dentro, ninguna pisa a otra ni sale de la
// página, y lo que no cambió no se manda.
TEST(PruebaCambiosPagina, CadaCambioVaEnUnaZonaYNadaQuietoSeManda)
{
    const int ANCHO = 70, ALTO = 37;
    const std::vector<Zona> entera = { { 0, 0, ANCHO, ALTO } };
    BITMAP* pagina = create_bitmap(ANCHO, ALTO);
    clear_to_color(pagina, makecol(0, 80, 0));
    CCambiosPagina cambios;
    EXPECT_EQ(cambios.cambios(pagina), entera);
    EXPECT_TRUE(cambios.cambios(pagina).empty());
    std::vector<std::vector<std::pair<int, int>>> casos = { { { 69, 0 }, { 0, 36 } }, { { 0, 7 }, { 0, 8 } },
                                                            { { 31, 15 }, { 32, 16 } }, { { 0, 5 }, { 69, 5 } },
                                                            { { 40, 31 }, { 40, 32 }, { 41, 33 } } };
    for (int y = 0; y < ALTO; ++y)
        for (int x = 0; x < ANCHO; ++x)
            casos.push_back({ { x, y } });
    // Cada caso pinta con un color que aún no hay en la página.
    int color = 0x8000;
    for (const auto& pixeles : casos) {
        for (auto [x, y] : pixeles)
            putpixel(pagina, x, y, ++color);
        const std::vector<Zona> zonas = cambios.cambios(pagina);
        const std::string donde = "(" + std::to_string(pixeles[0].first) + ", " + std::to_string(pixeles[0].second) + ")";
        for (auto [x, y] : pixeles)
            ASSERT_TRUE(algunaCubre(zonas, x, y) && algunaCubre(cambios.trozos(), x, y)) << x << ", " << y;
        for (size_t i = 0; i < zonas.size(); ++i) {
            const Zona& z = zonas[i];
            EXPECT_TRUE(std::any_of(pixeles.begin(), pixeles.end(), [&](auto p) { return cubre(z, p.first, p.second); }))
                << donde;
            EXPECT_TRUE(z.x >= 0 && z.y >= 0 && z.x + z.ancho <= ANCHO && z.y + z.alto <= ALTO) << donde;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(std::max(z.x, zonas[j].x) < std::min(z.x + z.ancho, zonas[j].x + zonas[j].ancho) &&
                             std::max(z.y, zonas[j].y) < std::min(z.y + z.alto, zonas[j].y + zonas[j].alto))
                    << donde;
        }
        EXPECT_TRUE(cambios.cambios(pagina).empty()) << donde;
    }
    cambios.olvidar();
    EXPECT_EQ(cambios.cambios(pagina), entera);
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

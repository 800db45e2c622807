#include <gtest/gtest.h>

#include <cmath>

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "enemies/CVolador.h"
#include "player/CRana.h"
#include "tests/world/MundoDePrueba.h"

namespace {

class PruebaVolador : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        jugador = crear<CRana>();
        jugador->x = 120;
        jugador->y = 300;
    }

    // Pasos de un tick hasta que el volador se va; devuelve las x en que
    // estaba al soltar cada bala.
    std::vector<int32_t> cruzar(CVolador* v)
    {
        std::vector<int32_t> disparos;
        for (int i = 0; i < 1000 && vivo(v); ++i) {
            const int32_t antes = v->x;
            const size_t balas = entidadesDe<CBalaDirigida>().size();
            paso(v);
            if (entidadesDe<CBalaDirigida>().size() > balas)
                disparos.push_back(antes);
        }
        return disparos;
    }

    // Lo que le da: un disparo de prueba, que el volador gasta.
    CEntidad* disparo() { return crear<CEntidadDePrueba>("disparo", TIPO_DISPARO, &registro); }

    // La dirección de la bala, comparada con la recta de (x0, y0) al centro de la rana.
    void apuntaALaRana(CBalaDirigida* b, double x0, double y0)
    {
        const double dx = jugador->x + 50 - x0, dy = jugador->y + 25 - y0;
        const double largo = std::hypot(dx, dy);
        EXPECT_EQ(b->posX, x0);
        EXPECT_EQ(b->posY, y0);
        EXPECT_NEAR(b->velX, dx / largo, 1e-12);
        EXPECT_NEAR(b->velY, dy / largo, 1e-12);
    }
};

TEST_F(PruebaVolador, DisparaAlEntrarEnLaBandaYAlDejarlaSinContarLosBordes)
{
    CVolador* v = crear<CVolador>(200);
    v->x = 452;
    std::vector<int32_t> disparos = cruzar(v);
    EXPECT_EQ(disparos, (std::vector<int32_t>{448, 198})) << "ni en 450 ni en 200";
    std::vector<CBalaDirigida*> balas = entidadesDe<CBalaDirigida>();
    ASSERT_EQ(balas.size(), 2u);
    EXPECT_FALSE(vivo(v)) << "se fue por la izquierda";
    EXPECT_TRUE(entidadesDe<CPremio>().empty()) << "sin impacto no hay premio";
}

TEST_F(PruebaVolador, LaBalaSaleDelCentroHaciaLaRana)
{
    CVolador* v = crear<CVolador>(100);
    v->x = 452;
    paso(v);
    paso(v);
    const int32_t x = v->x, y = v->y;
    paso(v);
    ASSERT_EQ(entidadesDe<CBalaDirigida>().size(), 1u);
    apuntaALaRana(entidadesDe<CBalaDirigida>()[0], x + 32, y + 32);
}

TEST_F(PruebaVolador, OndulaSesentaPixelesAlrededorDeSuLineaSinLlegarA60)
{
    CVolador* v = crear<CVolador>(200);
    EXPECT_EQ(v->x, 640);
    EXPECT_EQ(v->y, 200);
    const uint32_t inicio = sistema.leerTicks();
    int32_t mayor = 0, menor = 0;
    for (uint32_t t = 1; t <= 300 && vivo(v); ++t) {
        paso(v);
        ASSERT_EQ(v->y, 200 + static_cast<int32_t>(60 * std::sin(0.05 * t))) << "t " << t;
        mayor = std::max(mayor, v->y - 200);
        menor = std::min(menor, v->y - 200);
        ASSERT_EQ(v->x, 640 - 2 * static_cast<int32_t>(sistema.leerTicks() - inicio));
    }
    EXPECT_EQ(mayor, 59) << "60·sin(1,55) = 59,98 se trunca";
    EXPECT_EQ(menor, -59);
}

TEST_F(PruebaVolador, LaOndaNoDependeDeLosCuadros)
{
    CVolador* cadaTick = crear<CVolador>(250);
    CVolador* aSaltos = crear<CVolador>(250);
    for (int t = 1; t <= 90; ++t) {
        paso(cadaTick);
        if (t % 30 == 0)
            aSaltos->actualizar();
    }
    EXPECT_EQ(aSaltos->x, cadaTick->x);
    EXPECT_EQ(aSaltos->y, cadaTick->y);
}

TEST_F(PruebaVolador, UnImpactoLoMataYSueltaUnPremioSinDispararMas)
{
    CVolador* v = crear<CVolador>(200);
    CEntidad* d = disparo();
    v->x = 600;
    paso(v);
    v->alImpactar(d);
    EXPECT_EQ(d->estado, 1);
    EXPECT_EQ(v->tipo, TIPO_INERTE);
    EXPECT_EQ(v->estado, 1);
    std::vector<CPremio*> premios = entidadesDe<CPremio>();
    ASSERT_EQ(premios.size(), 1u);
    EXPECT_EQ(premios[0]->origenX, v->x + 32);
    EXPECT_EQ(premios[0]->origenY, v->y + 32);
    EXPECT_EQ(premios[0]->velX, -1);
    EXPECT_EQ(premios[0]->impulso, 200);
    v->x = 300;
    cruzar(v);
    EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty()) << "muerto antes de la banda no dispara";
}

TEST_F(PruebaVolador, HeridoEntreLosDosDisparosSoloDisparaUnaVez)
{
    CVolador* v = crear<CVolador>(200);
    v->x = 452;
    while (entidadesDe<CBalaDirigida>().empty())
        paso(v);
    v->alImpactar(disparo());
    cruzar(v);
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 1u);
}

// Tras el impacto cuenta siempre desde su último paso con vida: cada
// llamada avanza más que la anterior.
TEST_F(PruebaVolador, CaeDandoTumbosCadaVezMasDeprisaHastaSalirPorLaDerecha)
{
    CVolador* v = crear<CVolador>(200);
    v->alImpactar(disparo());
    ASSERT_EQ(v->y, v->yBase);
    struct Paso {
        int32_t x, y;
    } esperados[] = {{601, 200}, {603, 201}, {606, 202}, {610, 204}};
    v->x = 600;
    for (const Paso& p : esperados) {
        paso(v);
        ASSERT_TRUE(vivo(v));
        EXPECT_EQ(v->x, p.x);
        EXPECT_EQ(v->y, p.y) << "con y en su línea cae hacia abajo";
    }
    while (vivo(v)) {
        ASSERT_LE(v->x, 640) << "pasado 640 ya no sigue";
        paso(v);
    }

    CVolador* arriba = crear<CVolador>(200);
    arriba->x = 300;
    arriba->y = 150;
    arriba->alImpactar(disparo());
    avanzarTicks(4);
    arriba->actualizar();
    EXPECT_EQ(arriba->y, 148) << "por encima de su línea se aleja hacia arriba";
}

TEST_F(PruebaVolador, SeVaPorLaIzquierdaPasadoMenos64)
{
    CVolador* v = crear<CVolador>(200);
    v->x = -62;
    v->disparado = 0;
    paso(v);
    EXPECT_EQ(v->x, -64);
    EXPECT_TRUE(vivo(v));
    paso(v);
    EXPECT_FALSE(vivo(v));
}

TEST_F(PruebaVolador, AleteaCadaOchoTicksYCaeConSuCuadroDeMuerte)
{
    for (int k = 0; k < 3; ++k)
        rectfill(sistema.hojaEnemigos, 64 * k, 228, 64 * k + 63, 291, makecol(0, 80 * k + 40, 200));
    CVolador* v = crear<CVolador>(200);
    v->x = 300;
    for (int cuadro : {0, 0, 1, 1, 0}) {
        clear_bitmap(sistema.paginaDibujo);
        v->dibujar();
        EXPECT_EQ(pixel(v->x + 32, v->y + 32), makecol(0, 80 * cuadro + 40, 200));
        avanzarTicks(4);
        v->actualizar();
    }
    v->alImpactar(disparo());
    clear_bitmap(sistema.paginaDibujo);
    v->dibujar();
    EXPECT_EQ(pixel(v->x + 32, v->y + 32), makecol(0, 200, 200));
}

}

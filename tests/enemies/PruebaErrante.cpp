#include <gtest/gtest.h>

#include <cmath>

#include "enemies/CBalaDirigida.h"
#include "enemies/CErrante.h"
#include "enemies/CPremio.h"
#include "player/CRana.h"
#include "shell/Azar.h"
#include "tests/world/MundoDePrueba.h"

namespace {

class PruebaErrante : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        jugador = crear<CRana>();
        jugador->x = 100;
        jugador->y = 200;
        fijarEstadoAzar(AZAR_DE_ARRANQUE);
    }

    CEntidad* disparo() { return crear<CEntidadDePrueba>("disparo", TIPO_DISPARO, &registro); }
};

TEST_F(PruebaErrante, RebotaSoloPasadoElBordeYSinRumboSigueQuieto)
{
    struct Caso {
        int32_t y, dirY;
        std::vector<int32_t> alturas;
    } casos[] = {
        {347, 1, {348, 349, 348}}, // en 348 aún no rebota
        {1, -1, {0, -1, 0}},       // en 0 tampoco
        {-5, 0, {-5, -5}},         // darle la vuelta a 0 lo deja en 0
    };
    for (const Caso& c : casos) {
        CErrante* e = crear<CErrante>(500, c.y);
        e->dirY = c.dirY;
        for (int32_t altura : c.alturas) {
            paso(e);
            EXPECT_EQ(e->y, altura) << "desde " << c.y;
        }
        listaEntidades.quitarYBorrar(e);
    }
}

TEST_F(PruebaErrante, CadaCuarentaYDosPasosEchaASuertesSuRumbo)
{
    CErrante* e = crear<CErrante>(5000, 100);
    ModeloAzar modelo;
    for (int vuelta = 0; vuelta < 5; ++vuelta) {
        for (int i = 0; i < 41; ++i) {
            const int32_t rumbo = e->dirY;
            paso(e);
            e->actualizar(); // sin ticks no es un paso
            ASSERT_EQ(e->dirY, rumbo) << "paso " << i + 1 << " de la vuelta " << vuelta;
        }
        const int32_t y = e->y;
        paso(e);
        const int32_t esperado = modelo.siguiente() % 3 - 1;
        EXPECT_EQ(e->dirY, esperado) << "vuelta " << vuelta;
        EXPECT_EQ(e->y, y + esperado) << "el rumbo nuevo vale ya en este paso";
        EXPECT_EQ(e->pasos, 0);
    }
    EXPECT_EQ(azar(), modelo.siguiente()) << "una tirada por sorteo, ni una más";
}

TEST_F(PruebaErrante, DerivaDosPixelesPorTickSeaCualSeaElRitmo)
{
    CErrante* e = crear<CErrante>(640, 100);
    avanzarTicks(7);
    e->actualizar();
    EXPECT_EQ(e->x, 626);
    EXPECT_EQ(e->y, 107);
}

// La carga empieza en ticks & 127: con el reloj en 1000, 104; pasa de 128
// a los 25 ticks.
TEST_F(PruebaErrante, DisparaUnaSolaVezALaRanaCuandoLaCargaPasaDe128)
{
    ASSERT_EQ(sistema.leerTicks() & 127, 104u);
    CErrante* e = crear<CErrante>(640, 100);
    e->dirY = 0;
    for (int i = 0; i < 24; ++i)
        paso(e);
    EXPECT_EQ(e->cargaDisparo, 128);
    EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty()) << "en 128 justo, aún no";
    paso(e);
    std::vector<CBalaDirigida*> balas = entidadesDe<CBalaDirigida>();
    ASSERT_EQ(balas.size(), 1u);
    EXPECT_EQ(balas[0]->posX, e->x) << "desde la posición ya movida";
    EXPECT_EQ(balas[0]->posY, e->y + 30);
    const double dx = 150 - e->x, dy = 225 - (e->y + 30), largo = std::hypot(dx, dy);
    EXPECT_NEAR(balas[0]->velX, dx / largo, 1e-12);
    EXPECT_NEAR(balas[0]->velY, dy / largo, 1e-12);
    for (int i = 0; i < 300 && vivo(e); ++i)
        paso(e);
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 1u);
}

TEST_F(PruebaErrante, TresImpactosLoMatanYSueltaDosPremios)
{
    CErrante* e = crear<CErrante>(400, 100);
    CEntidad* primero = disparo();
    CEntidad* segundo = disparo();
    e->alImpactar(primero);
    e->alImpactar(segundo);
    EXPECT_EQ(primero->estado, 1);
    EXPECT_EQ(segundo->estado, 1);
    EXPECT_EQ(e->vida, 1);
    EXPECT_EQ(e->tipo, TIPO_ENEMIGO);
    EXPECT_TRUE(entidadesDe<CPremio>().empty());
    CEntidad* tercero = disparo();
    e->alImpactar(tercero);
    EXPECT_EQ(tercero->estado, 1) << "el que lo mata también se gasta";
    EXPECT_EQ(e->estado, 1);
    EXPECT_EQ(e->tipo, TIPO_INERTE);
    std::vector<CPremio*> premios = entidadesDe<CPremio>();
    ASSERT_EQ(premios.size(), 2u);
    const int32_t impulsos[] = {800, 500};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(premios[i]->origenX, 450);
        EXPECT_EQ(premios[i]->origenY, 150);
        EXPECT_EQ(premios[i]->velX, -1);
        EXPECT_EQ(premios[i]->impulso, impulsos[i]);
    }
}

// Muerto, cuenta desde su último paso con vida en cada llamada: cae cada vez
// más deprisa, quieto en x.
TEST_F(PruebaErrante, MuertoCaeAcelerandoHastaSalirPorAbajo)
{
    CErrante* e = crear<CErrante>(400, 300);
    paso(e);
    const int32_t x = e->x;
    e->alImpactar(disparo());
    e->alImpactar(disparo());
    e->alImpactar(disparo());
    avanzarTicks(16);
    e->actualizar();
    EXPECT_EQ(e->y, 303);
    e->actualizar();
    EXPECT_EQ(e->y, 305) << "sin ticks nuevos también cae";
    avanzarTicks(40);
    e->actualizar();
    EXPECT_EQ(e->y, 312);
    EXPECT_EQ(e->x, x);
    for (int i = 0; i < 200 && vivo(e); ++i) {
        ASSERT_LE(e->y, 448);
        e->actualizar();
    }
    EXPECT_FALSE(vivo(e));
}

TEST_F(PruebaErrante, VivoSeVaPasadoMenos100SinPremios)
{
    CErrante* e = crear<CErrante>(-98, 100);
    paso(e);
    EXPECT_EQ(e->x, -100);
    EXPECT_TRUE(vivo(e));
    paso(e);
    EXPECT_FALSE(vivo(e));
    EXPECT_TRUE(entidadesDe<CPremio>().empty());
}

// Todos aletean a la vez: el cuadro sale del reloj común, no de cada uno.
TEST_F(PruebaErrante, AleteaConElRelojComunYMuertoEnseñaSuCuadro)
{
    for (int k = 0; k < 3; ++k)
        rectfill(sistema.hojaEnemigos, 100 * k, 0, 100 * k + 99, 99, makecol(200, 80 * k + 40, 0));
    CErrante* uno = crear<CErrante>(100, 50);
    avanzarTicks(3);
    CErrante* otro = crear<CErrante>(300, 50);
    for (uint32_t t : {1000u, 1007u, 1008u, 1015u, 1016u}) {
        sistema.fijarTicks(t);
        clear_bitmap(sistema.paginaDibujo);
        uno->dibujar();
        otro->dibujar();
        const int cuadro = (t >> 3) & 1;
        EXPECT_EQ(pixel(150, 100), makecol(200, 80 * cuadro + 40, 0)) << t;
        EXPECT_EQ(pixel(350, 100), makecol(200, 80 * cuadro + 40, 0)) << t;
    }
    uno->alImpactar(disparo());
    uno->alImpactar(disparo());
    uno->alImpactar(disparo());
    clear_bitmap(sistema.paginaDibujo);
    uno->dibujar();
    EXPECT_EQ(pixel(150, 100), makecol(200, 200, 0));
}

}

#include <gtest/gtest.h>

#include <cmath>

#include "enemies/CAcorazado.h"
#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

const double RAIZ_MEDIO = std::sqrt(0.5);

// Colores de la hoja de enemigos de prueba: cada cuadro del acorazado y sus restos.
int colorCuadro(int cuadro)
{
    return makecol(32 + 48 * cuadro, 16, 224);
}
const int COLOR_RESTOS_R = 240;

class PruebaAcorazado : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        for (int k = 0; k < 4; ++k)
            rectfill(sistema.hojaEnemigos, 128 * k, 100, 128 * k + 127, 227, colorCuadro(k));
        rectfill(sistema.hojaEnemigos, 300, 0, 469, 89, makecol(COLOR_RESTOS_R, 160, 0));
    }

    // Un acorazado nacido en el tick dado (su carga inicial sale de él).
    CAcorazado* crearAcorazado(uint32_t tick, int32_t y = 150)
    {
        sistema.fijarTicks(tick);
        CAcorazado* a = new CAcorazado(y);
        listaEntidades.agregar(a);
        return a;
    }

    void matar(CAcorazado* a)
    {
        CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
        while (a->estado == 0)
            a->alImpactar(&disparo);
    }

    int colorEn(int x, int y)
    {
        clear_bitmap(sistema.paginaDibujo);
        for (CAcorazado* a : entidadesDe<CAcorazado>())
            a->dibujar();
        return pixel(x, y);
    }
};

TEST_F(PruebaAcorazado, NaceFueraPorLaIzquierdaConSuCargaSacadaDelReloj)
{
    CAcorazado* a = crearAcorazado(1024 + 77, 210);
    EXPECT_EQ(a->x, -128);
    EXPECT_EQ(a->y, 210);
    EXPECT_EQ(a->tipo, TIPO_ENEMIGO);
    EXPECT_EQ(a->estado, 0);
    EXPECT_EQ(a->vida, 30);
    EXPECT_EQ(a->cuadro, 0);
    EXPECT_EQ(a->cargaDisparo, 77);
    EXPECT_EQ(a->hoja, sistema.hojaEnemigos);
    // La caja va de x + 25 a x + 100 y de y + 25 a y + 125, bordes fuera.
    CEntidadDePrueba punta("punta", TIPO_DISPARO, nullptr);
    punta.caja(0, 0, 1, 1);
    const int izq = -128 + 25, der = -128 + 100, arriba = 210 + 25, abajo = 210 + 125;
    struct Caso {
        int x, y;
        bool choca;
    } casos[] = {{izq + 1, arriba + 1, true}, {izq - 1, 260, false},  {der - 1, 260, true},
                 {der, 260, false},           {-60, abajo - 1, true}, {-60, abajo, false},
                 {-60, arriba - 1, false}};
    for (const Caso& c : casos) {
        punta.x = c.x;
        punta.y = c.y;
        EXPECT_EQ(a->colisiona(&punta), c.choca) << c.x << "," << c.y;
    }
}

// Cargas de 120 y de 126 llegan justo a 128: nada. Un punto más y sale el abanico.
TEST_F(PruebaAcorazado, ElAbanicoPideMasDe128DeCarga)
{
    for (uint32_t inicial : {120u, 126u}) {
        CAcorazado* a = crearAcorazado(2048 + inicial);
        paso(a, 8 * (128 - inicial));
        EXPECT_EQ(a->cargaDisparo, 128);
        EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty()) << "carga inicial " << inicial;
        paso(a, 8);
        EXPECT_EQ(a->cargaDisparo, 0);
        EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 3u) << "carga inicial " << inicial;
        listaEntidades.vaciar();
    }
}

// Con 127 le bastan dos puntos: 8 ticks dan uno y, como el reloj de la
// animación no se movió, 7 ticks más vuelven a contar 15 y dan otro.
TEST_F(PruebaAcorazado, ElQueNaceCon127DisparaTrasGanarDosYLasBalasSalenEnOrden)
{
    CAcorazado* a = crearAcorazado(1024 + 127);
    a->x = 300;
    paso(a, 8);
    EXPECT_EQ(a->cargaDisparo, 128);
    EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty());
    paso(a, 7);
    EXPECT_EQ(a->x, 302);
    auto todas = entidades();
    ASSERT_EQ(todas.size(), 4u);
    EXPECT_EQ(todas[0], a);
    const double direcciones[3][2] = {{0, -1}, {RAIZ_MEDIO, -RAIZ_MEDIO}, {-RAIZ_MEDIO, -RAIZ_MEDIO}};
    for (int i = 0; i < 3; ++i) {
        auto* b = dynamic_cast<CBalaDirigida*>(todas[i + 1]);
        ASSERT_NE(b, nullptr) << "bala " << i;
        EXPECT_EQ(b->posX, 402.0) << "bala " << i;
        EXPECT_EQ(b->posY, 170.0) << "bala " << i;
        EXPECT_NEAR(b->velX, direcciones[i][0], 1e-12) << "bala " << i;
        EXPECT_NEAR(b->velY, direcciones[i][1], 1e-12) << "bala " << i;
    }
}

// Cada tick de un periodo de 16 suma lo pasado desde el último cuadro, /8:
// 0 siete veces, 1 ocho veces y 2 en el 16 → 10 por periodo. La carga sube
// igual: de 0, 120 tras 12 periodos, 128 en el tick 15 del 13.º, 130 en el 16.
TEST_F(PruebaAcorazado, AUnaLlamadaPorTickAvanzaDiezCada16TicksYDisparaALos208)
{
    CAcorazado* a = crearAcorazado(4096);
    for (int t = 1; t <= 207; ++t) {
        paso(a, 1);
        if (t % 16 == 0) {
            EXPECT_EQ(a->x, -128 + 10 * (t / 16)) << "tick " << t;
        }
    }
    EXPECT_EQ(a->cargaDisparo, 128);
    EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty());
    paso(a, 1);
    EXPECT_EQ(a->x, -128 + 130);
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 3u);
}

// Con n llamadas por tick, los ticks 8 a 15 suman 1 en cada llamada y el 16
// suma 2 una sola vez (luego el cuadro cambia): 8n + 2 por periodo.
TEST_F(PruebaAcorazado, ConMasLlamadasPorTickCorreMas)
{
    for (int llamadas : {1, 2, 4}) {
        CAcorazado* a = crearAcorazado(4096);
        for (int t = 1; t <= 32; ++t) {
            avanzarTicks(1);
            for (int n = 0; n < llamadas; ++n)
                a->actualizar();
        }
        EXPECT_EQ(a->x, -128 + 2 * (8 * llamadas + 2)) << llamadas << " llamadas por tick";
        EXPECT_EQ(a->cargaDisparo, 2 * (8 * llamadas + 2)) << llamadas << " llamadas por tick";
        listaEntidades.vaciar();
    }
}

// Nacido justo antes de que el reloj dé la vuelta: la diferencia sin signo sigue valiendo.
TEST_F(PruebaAcorazado, ElCuadroCambiaA16TicksYDaLaVuelta)
{
    CAcorazado* a = crearAcorazado(0xFFFFFFF8u);
    a->x = 200;
    EXPECT_EQ(colorEn(264, 214), colorCuadro(0));
    paso(a, 15);
    EXPECT_EQ(a->cuadro, 0);
    EXPECT_EQ(colorEn(264, 214), colorCuadro(0));
    paso(a, 1);
    EXPECT_EQ(a->cuadro, 1);
    EXPECT_EQ(a->x, 203);
    EXPECT_EQ(colorEn(a->x + 64, 214), colorCuadro(1));
    for (int cuadro : {2, 3, 0}) {
        paso(a, 16);
        EXPECT_EQ(a->cuadro, cuadro);
        EXPECT_EQ(colorEn(a->x + 64, 214), colorCuadro(cuadro));
    }
    EXPECT_EQ(colorEn(a->x, 150), colorCuadro(0)) << "esquina de arriba a la izquierda";
    EXPECT_EQ(colorEn(a->x + 127, 277), colorCuadro(0)) << "esquina de abajo a la derecha";
    EXPECT_EQ(colorEn(a->x + 128, 277), 0);
}

TEST_F(PruebaAcorazado, VeintinueveImpactosLoDejanConVidaUnoGastandoCadaDisparo)
{
    CAcorazado* a = crearAcorazado(4096);
    for (int i = 1; i <= 29; ++i) {
        CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
        a->alImpactar(&disparo);
        EXPECT_EQ(disparo.estado, 1) << "impacto " << i;
        EXPECT_EQ(a->vida, 30 - i);
    }
    EXPECT_EQ(a->estado, 0);
    EXPECT_EQ(a->tipo, TIPO_ENEMIGO);
    EXPECT_EQ(entidades().size(), 1u);
}

TEST_F(PruebaAcorazado, ElTrigesimoLoMataYSueltaQuincePremiosEnOrden)
{
    CAcorazado* a = crearAcorazado(4096, 170);
    a->x = 210;
    CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
    for (int i = 0; i < 29; ++i)
        a->alImpactar(&disparo);
    disparo.estado = 0;
    a->alImpactar(&disparo);
    EXPECT_EQ(disparo.estado, 1);
    EXPECT_EQ(a->estado, 1);
    EXPECT_EQ(a->tipo, TIPO_INERTE);
    const int32_t esperados[15][2] = {{1, 1000}, {3, 600},  {-1, 1000}, {-3, 600}, {0, 1200},
                                      {1, 1000}, {-1, 600}, {-1, 400},  {-2, 500}, {0, 1000},
                                      {-1, 800}, {-2, 300}, {-1, 400},  {-3, 700}, {0, 800}};
    auto todas = entidades();
    ASSERT_EQ(todas.size(), 16u);
    for (int i = 0; i < 15; ++i) {
        auto* p = dynamic_cast<CPremio*>(todas[i + 1]);
        ASSERT_NE(p, nullptr) << "premio " << i + 1;
        EXPECT_EQ(p->origenX, 310) << "premio " << i + 1;
        EXPECT_EQ(p->origenY, 270) << "premio " << i + 1;
        EXPECT_EQ(p->velX, esperados[i][0]) << "premio " << i + 1;
        EXPECT_EQ(p->impulso, esperados[i][1]) << "premio " << i + 1;
    }
}

// El primer paso de los restos cuenta desde el último cambio de cuadro en vida.
TEST_F(PruebaAcorazado, LosRestosVanALaIzquierdaConElSueloYSeDibujan64MasAbajo)
{
    CAcorazado* a = crearAcorazado(4096);
    a->x = 300;
    paso(a, 10);
    EXPECT_EQ(a->x, 301);
    matar(a);
    paso(a, 1);
    EXPECT_EQ(a->x, 290);
    for (int t = 1; t <= 5; ++t)
        paso(a, 1);
    EXPECT_EQ(a->x, 285);
    EXPECT_TRUE(entidadesDe<CBalaDirigida>().empty());
    const int restos = makecol(COLOR_RESTOS_R, 160, 0);
    EXPECT_EQ(colorEn(285, 150 + 64), restos);
    EXPECT_EQ(colorEn(285 + 169, 150 + 64 + 89), restos);
    EXPECT_EQ(colorEn(285, 150 + 63), 0);
    EXPECT_EQ(colorEn(285 + 170, 150 + 100), 0);
    EXPECT_EQ(colorEn(285 + 64, 150 + 30), 0) << "ya no se dibuja la figura";
}

TEST_F(PruebaAcorazado, LosRestosSeQuitanAlPasarDeMenos170)
{
    CAcorazado* a = crearAcorazado(4096);
    matar(a);
    a->x = -168;
    paso(a, 2);
    ASSERT_TRUE(vivo(a)) << "a -170 se queda";
    EXPECT_EQ(a->x, -170);
    paso(a, 1);
    EXPECT_FALSE(vivo(a));
    EXPECT_EQ(entidadesDe<CPremio>().size(), 15u);
}

TEST_F(PruebaAcorazado, ElVivoQuePasaDe640SeVaSinPremios)
{
    CAcorazado* a = crearAcorazado(4096);
    a->x = 639;
    paso(a, 8);
    ASSERT_TRUE(vivo(a)) << "a 640 se queda";
    EXPECT_EQ(a->x, 640);
    paso(a, 7);
    EXPECT_FALSE(vivo(a));
    EXPECT_TRUE(entidades().empty());
}

}

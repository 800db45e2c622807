#include <gtest/gtest.h>

#include <cmath>

#include "enemies/CBalaDirigida.h"
#include "enemies/CPremio.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

class PruebaBalasYPremios : public MundoDePrueba {};

const double RAIZ_MEDIO = std::sqrt(0.5);

TEST_F(PruebaBalasYPremios, LaBalaVuelaHaciaSuDestinoDeDosEnDosPixeles)
{
    struct Caso {
        double destinoX, destinoY, velX, velY;
    } casos[] = {
        {100, 50, 0, -1},                    // justo encima
        {100, 300, 0, 1},                    // justo debajo
        {110, 190, RAIZ_MEDIO, -RAIZ_MEDIO}, // arriba a la derecha
        {90, 190, -RAIZ_MEDIO, -RAIZ_MEDIO}, // arriba a la izquierda
        {70, 240, -0.6, 0.8},                // abajo a la izquierda
        {50, 200, -1, 0},                    // a su altura, a la izquierda
        {150, 200, 1, 0},                    // a su altura, a la derecha
        {100, 200, 1, 0},                    // el mismo punto: a la derecha
    };
    for (const Caso& c : casos) {
        CBalaDirigida* b = crear<CBalaDirigida>(100.0, 200.0, c.destinoX, c.destinoY);
        EXPECT_NEAR(b->velX, c.velX, 1e-12) << c.destinoX << "," << c.destinoY;
        EXPECT_NEAR(b->velY, c.velY, 1e-12) << c.destinoX << "," << c.destinoY;
        EXPECT_EQ(b->tipo, TIPO_BALA);
        avanzarTicks(5);
        b->actualizar();
        EXPECT_NEAR(b->posX, 100 + 10 * c.velX, 1e-9);
        EXPECT_NEAR(b->posY, 200 + 10 * c.velY, 1e-9);
        EXPECT_EQ(b->x, static_cast<int>(b->posX));
        EXPECT_EQ(b->y, static_cast<int>(b->posY));
        listaEntidades.vaciar();
    }
}

TEST_F(PruebaBalasYPremios, LaBalaSinTicksNoCambiaNiSuAnimacion)
{
    CBalaDirigida* b = crear<CBalaDirigida>(100.5, 200.5, 0.0, 200.5);
    EXPECT_EQ(b->x, 100);
    b->actualizar();
    EXPECT_EQ(b->contadorAnimacion, 0u);
    EXPECT_EQ(b->posX, 100.5);
    avanzarTicks(3);
    b->actualizar();
    b->actualizar();
    EXPECT_EQ(b->contadorAnimacion, 6u);
    EXPECT_EQ(b->posX, 94.5);
}

// Los bordes del campo de juego cuentan como dentro: −15, 640 y 450 se quedan.
TEST_F(PruebaBalasYPremios, LaBalaSeQuitaSoloAlPasarLosBordes)
{
    struct Caso {
        double x0, y0, destinoX, destinoY;
    } casos[] = {
        {638, 100, 700, 100},    // a la derecha: 640, luego 642
        {-13, 100, -100, 100},   // a la izquierda: −15, luego −17
        {100, 448, 100, 600},    // abajo: 450, luego 452
        {100, -13, 100, -100},   // arriba: −15, luego −17
    };
    for (const Caso& c : casos) {
        CBalaDirigida* b = crear<CBalaDirigida>(c.x0, c.y0, c.destinoX, c.destinoY);
        paso(b);
        ASSERT_TRUE(vivo(b)) << c.x0 << "," << c.y0 << " en el borde";
        paso(b);
        EXPECT_FALSE(vivo(b)) << c.x0 << "," << c.y0 << " pasado el borde";
        listaEntidades.vaciar();
    }
    // −15,9 se trunca hacia cero, a −15: sigue dentro.
    CBalaDirigida* b = crear<CBalaDirigida>(-13.9, 100.0, -100.0, 100.0);
    paso(b);
    EXPECT_EQ(b->x, -15);
    EXPECT_TRUE(vivo(b));
}

TEST_F(PruebaBalasYPremios, LaBalaGastadaSeVaEnSuPrimerActualizarConTiempo)
{
    CBalaDirigida* b = crear<CBalaDirigida>(300.0, 200.0, 0.0, 200.0);
    b->estado = 1;
    b->actualizar();
    EXPECT_TRUE(vivo(b)) << "sin ticks no llega a mirar su estado";
    paso(b);
    EXPECT_FALSE(vivo(b));
}

TEST_F(PruebaBalasYPremios, LaBalaCambiaDeCuadroCadaOchoTicks)
{
    for (int k = 0; k < 4; ++k)
        rectfill(sistema.hojaComunes, 20 + 15 * k, 32, 34 + 15 * k, 46, makecol(40 * k + 40, 0, 200));
    CBalaDirigida* b = crear<CBalaDirigida>(300.0, 200.0, 300.0, 0.0);
    for (int cuadro : {0, 0, 1, 1, 2, 2, 3, 3, 0}) {
        clear_bitmap(sistema.paginaDibujo);
        b->dibujar();
        EXPECT_EQ(pixel(b->x + 7, b->y + 7), makecol(40 * cuadro + 40, 0, 200))
            << "contador " << b->contadorAnimacion;
        avanzarTicks(4);
        b->actualizar();
    }
}

// y = origen + 5t²/128 − impulso·t/128, cada división por su lado: a t = 3
// con impulso 200 son 0 − 4, no ⌊(45 − 600)/128⌋ = −5.
TEST_F(PruebaBalasYPremios, ElPremioSigueSuParabolaEnFormaCerrada)
{
    struct Punto {
        uint32_t t;
        int32_t x, y;
    } puntos[] = {{0, 300, 200}, {3, 297, 196}, {20, 280, 200 + 15 - 31}, {40, 260, 200 + 62 - 62},
                  {100, 200, 200 + 390 - 156}};
    CPremio* p = crear<CPremio>(300, 200, -1, 200);
    EXPECT_EQ(p->tipo, TIPO_PREMIO);
    const uint32_t inicio = sistema.leerTicks();
    for (const Punto& punto : puntos) {
        sistema.fijarTicks(inicio + punto.t);
        p->actualizar();
        EXPECT_EQ(p->x, punto.x) << "t " << punto.t;
        EXPECT_EQ(p->y, punto.y) << "t " << punto.t;
    }
}

TEST_F(PruebaBalasYPremios, DosPremiosGemelosVanJuntosAunqueUnoSeActualiceMenos)
{
    CPremio* cadaTick = crear<CPremio>(400, 300, -2, 800);
    CPremio* aRatos = crear<CPremio>(400, 300, -2, 800);
    for (int t = 1; t <= 150; ++t) {
        paso(cadaTick);
        if (t % 37 == 0 || t == 150)
            aRatos->actualizar();
    }
    EXPECT_EQ(aRatos->x, cadaTick->x);
    EXPECT_EQ(aRatos->y, cadaTick->y);
    EXPECT_EQ(cadaTick->x, 100);
}

TEST_F(PruebaBalasYPremios, ElPremioCaeRectoYSeVaPasadoElFondo)
{
    CPremio* p = crear<CPremio>(10, 450, 0, 0);
    paso(p);
    avanzarTicks(4);
    p->actualizar();
    EXPECT_EQ(p->y, 450) << "a t 5 aún no ha bajado un píxel";
    EXPECT_TRUE(vivo(p));
    paso(p);
    EXPECT_FALSE(vivo(p)) << "a t 6 está en 451";
}

TEST_F(PruebaBalasYPremios, ElPremioFueraPorUnLadoViveHastaCaer)
{
    CPremio* p = crear<CPremio>(0, 100, -3, 300);
    avanzarTicks(80);
    p->actualizar();
    EXPECT_EQ(p->x, -240);
    EXPECT_TRUE(vivo(p));
    avanzarTicks(100);
    p->actualizar();
    EXPECT_FALSE(vivo(p)) << "a t 180 está en y " << 100 + 1265 - 421;
}

TEST_F(PruebaBalasYPremios, ElPremioCogidoSeVaEnElSiguienteActualizar)
{
    CPremio* p = crear<CPremio>(100, 100, 0, 0);
    p->estado = 1;
    p->actualizar();
    EXPECT_FALSE(vivo(p));
}

}

#include <gtest/gtest.h>

#include "enemies/CBalaDirigida.h"
#include "enemies/CGigante.h"
#include "enemies/CPremio.h"
#include "player/CExplosion.h"
#include "shell/Azar.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

const int COLOR_CUERPO = makecol(96, 200, 48);
int colorPieza(int cuadro)
{
    return makecol(240, 48 * cuadro, 160);
}

class PruebaGigante : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        rectfill(sistema.hojaEnemigos, 190, 228, 190 + 138, 228 + 181, COLOR_CUERPO);
        for (int k = 0; k < 4; ++k)
            rectfill(sistema.hojaEnemigos, 32 * k, 292, 32 * k + 31, 323, colorPieza(k));
    }

    CGigante* crearGigante(uint32_t tick = 5000)
    {
        sistema.fijarTicks(tick);
        CGigante* g = new CGigante();
        listaEntidades.agregar(g);
        return g;
    }

    void matar(CGigante* g)
    {
        CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
        while (g->estado != GIGANTE_MUERE)
            g->alImpactar(&disparo);
    }
};

struct Giro {
    uint32_t t;
    int32_t y;
    int32_t estado;
    bool operator==(const Giro& o) const { return t == o.t && y == o.y && estado == o.estado; }
};

std::ostream& operator<<(std::ostream& salida, const Giro& g)
{
    return salida << "{t " << g.t << ", y " << g.y << ", estado " << g.estado << "}";
}

// Nace justo antes de que el reloj dé la vuelta: todo se mide sin signo.
// Entra de 460 a 60 en 400 ticks y cae por debajo en el 401; de 60 a 201 y
// de 200 a 59 son tramos de 141. A los 1501 ticks lleva 113 subiendo desde
// 200 (el último giro fue en 401 + 7·141 = 1388) y se va a esa altura; pasa
// de 640 241 ticks después.
TEST_F(PruebaGigante, AUnaLlamadaPorTickEntraPatrullaYSeVa)
{
    CGigante* g = crearGigante(0xFFFFFF00u);
    EXPECT_EQ(g->x, 400);
    EXPECT_EQ(g->y, 460);
    EXPECT_EQ(g->tipo, TIPO_ENEMIGO);
    EXPECT_EQ(g->vida, 100);
    // La caja va de x + 36 a x + 100 y de y + 20 a y + 160, bordes fuera.
    CEntidadDePrueba punta("punta", TIPO_DISPARO, nullptr);
    punta.caja(0, 0, 1, 1);
    struct Caso {
        int x, y;
        bool choca;
    } casos[] = {{437, 481, true},  {435, 500, false}, {499, 500, true},  {500, 500, false},
                 {450, 619, true},  {450, 620, false}, {450, 479, false}};
    for (const Caso& c : casos) {
        punta.x = c.x;
        punta.y = c.y;
        EXPECT_EQ(g->colisiona(&punta), c.choca) << c.x << "," << c.y;
    }
    std::vector<Giro> giros;
    int32_t yAntes = g->y;
    bool recienGirado = false;
    for (uint32_t t = 1; t <= 1741; ++t) {
        const int32_t estadoAntes = g->estado;
        paso(g, 1);
        ASSERT_TRUE(vivo(g)) << "tick " << t;
        if (estadoAntes == GIGANTE_SE_VA) {
            ASSERT_EQ(g->y, yAntes) << "tick " << t;
            ASSERT_EQ(g->x, 400 + static_cast<int32_t>(t - 1501)) << "tick " << t;
        } else {
            // Cada tramo cuenta desde 60 o 200: tras girar en 59 o 201 salta 2.
            const int32_t sentido = estadoAntes == GIGANTE_BAJA ? 1 : -1;
            ASSERT_EQ(g->y - yAntes, sentido * (recienGirado ? 2 : 1)) << "tick " << t;
            ASSERT_EQ(g->x, 400) << "tick " << t;
        }
        recienGirado = g->estado != estadoAntes;
        if (recienGirado)
            giros.push_back({t, g->y, g->estado});
        yAntes = g->y;
    }
    const std::vector<Giro> esperados = {
        {401, 59, GIGANTE_BAJA},  {542, 201, GIGANTE_SUBE},  {683, 59, GIGANTE_BAJA},
        {824, 201, GIGANTE_SUBE}, {965, 59, GIGANTE_BAJA},   {1106, 201, GIGANTE_SUBE},
        {1247, 59, GIGANTE_BAJA}, {1388, 201, GIGANTE_SUBE}, {1501, 87, GIGANTE_SE_VA}};
    EXPECT_EQ(giros, esperados);
    EXPECT_EQ(g->x, 640);
    paso(g, 1);
    EXPECT_FALSE(vivo(g));
    EXPECT_TRUE(entidadesDe<CExplosion>().empty());
    EXPECT_TRUE(entidadesDe<CPremio>().empty());
}

// Una llamada tardía que cruza un límite de etapa y la estancia a la vez: se va.
TEST_F(PruebaGigante, SiCambiaDeEtapaYCumpleLaEstanciaALaVezSeVa)
{
    CGigante* g = crearGigante();
    paso(g, 1501);
    ASSERT_TRUE(vivo(g));
    EXPECT_EQ(g->estado, GIGANTE_SE_VA);
    EXPECT_EQ(g->inicioEtapa, sistema.leerTicks());
    EXPECT_EQ(g->tickSalida, sistema.leerTicks());
    EXPECT_EQ(g->y, 460 - 1501);
    paso(g, 1);
    ASSERT_TRUE(vivo(g));
    EXPECT_EQ(g->x, 401);
    EXPECT_EQ(g->estado, GIGANTE_SE_VA);
}

// En toda su vida, a una llamada por tick: una bala en cada múltiplo de 51,
// también mientras entra (hasta el 401) y mientras se va (desde el 1501).
TEST_F(PruebaGigante, DisparaRectoALaIzquierdaCada51TicksEnTodasLasEtapas)
{
    CGigante* g = crearGigante();
    size_t balas = 0;
    for (uint32_t t = 1; t <= 1741; ++t) {
        paso(g, 1);
        ASSERT_TRUE(vivo(g)) << "tick " << t;
        auto todas = entidadesDe<CBalaDirigida>();
        if (t % 51 != 0) {
            ASSERT_EQ(todas.size(), balas) << "tick " << t;
            continue;
        }
        ASSERT_EQ(todas.size(), balas + 1) << "tick " << t;
        balas = todas.size();
        CBalaDirigida* b = todas.back();
        EXPECT_EQ(b->velX, -1.0) << "tick " << t;
        EXPECT_EQ(b->velY, 0.0) << "tick " << t;
        EXPECT_EQ(b->posX, g->x + 4.0) << "tick " << t;
        EXPECT_EQ(b->posY, g->y + 60.0) << "tick " << t;
    }
    EXPECT_EQ(balas, 1741u / 51);
}

TEST_F(PruebaGigante, ConVariasLlamadasPorTickNoDisparaMasDeUnaVezCada51)
{
    CGigante* g = crearGigante();
    for (int t = 1; t <= 152; ++t) {
        avanzarTicks(1);
        for (int n = 0; n < 3; ++n)
            g->actualizar();
    }
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 2u) << "en los ticks 51 y 102";
    paso(g, 1);
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), 3u);
}

TEST_F(PruebaGigante, LaPiezaCambiaCada11TicksYSeDibujaASuIzquierda)
{
    CGigante* g = crearGigante(0xFFFFFFFAu);
    paso(g, 10);
    EXPECT_EQ(g->cuadro, 0);
    paso(g, 1);
    EXPECT_EQ(g->cuadro, 1);
    for (int cuadro : {2, 3, 0, 1}) {
        paso(g, 10);
        EXPECT_NE(g->cuadro, cuadro) << "a los 10 ticks aún no";
        paso(g, 1);
        EXPECT_EQ(g->cuadro, cuadro);
    }
    // El cuerpo en (x, y); la pieza en (x − 12, y + 114), pintada encima.
    g->y = 100;
    clear_bitmap(sistema.paginaDibujo);
    g->dibujar();
    EXPECT_EQ(pixel(400, 100), COLOR_CUERPO);
    EXPECT_EQ(pixel(400 + 138, 100 + 181), COLOR_CUERPO);
    EXPECT_EQ(pixel(399, 100), 0);
    EXPECT_EQ(pixel(400 + 139, 100 + 181), 0);
    EXPECT_EQ(pixel(388, 214), colorPieza(1));
    EXPECT_EQ(pixel(388 + 31, 214 + 31), colorPieza(1));
    EXPECT_EQ(pixel(387, 214), 0);
    EXPECT_EQ(pixel(388, 213), 0);
    EXPECT_EQ(pixel(388 + 32, 214 + 31), COLOR_CUERPO);
}

TEST_F(PruebaGigante, ElImpacto99DejaVidaUnoYEl100LoMata)
{
    CGigante* g = crearGigante();
    paso(g, 30);
    for (int i = 1; i <= 99; ++i) {
        CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
        g->alImpactar(&disparo);
        ASSERT_EQ(disparo.estado, 1) << "impacto " << i;
    }
    EXPECT_EQ(g->vida, 1);
    EXPECT_EQ(g->estado, GIGANTE_ENTRA);
    avanzarTicks(7);
    CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr);
    g->alImpactar(&disparo);
    EXPECT_EQ(disparo.estado, 1);
    EXPECT_EQ(g->estado, GIGANTE_MUERE);
    EXPECT_EQ(g->inicioEtapa, sistema.leerTicks());
    EXPECT_EQ(g->tipo, TIPO_ENEMIGO);
    // Muriendo, los disparos lo atraviesan: ni le quitan vida ni se gastan.
    avanzarTicks(5);
    for (int i = 0; i < 3; ++i) {
        CEntidadDePrueba otro("otro", TIPO_DISPARO, nullptr);
        g->alImpactar(&otro);
        EXPECT_EQ(otro.estado, 0);
    }
    EXPECT_EQ(g->vida, 0);
    EXPECT_EQ(g->estado, GIGANTE_MUERE);
    EXPECT_EQ(g->inicioEtapa, sistema.leerTicks() - 5);
}

TEST_F(PruebaGigante, MuertoMientrasSeVaSeQuedaDondeEsta)
{
    CGigante* g = crearGigante();
    paso(g, 1501);
    paso(g, 30);
    ASSERT_TRUE(vivo(g));
    EXPECT_EQ(g->x, 430);
    matar(g);
    for (int t = 0; t < 100; ++t)
        paso(g, 1);
    ASSERT_TRUE(vivo(g));
    EXPECT_EQ(g->x, 430);
    EXPECT_EQ(g->y, 460 - 1501);
    EXPECT_EQ(g->estado, GIGANTE_MUERE);
}

// Cada llamada, muriendo: explosión en (x + r₁ % 120, y + r₂ % 180) y, si
// esa y es múltiplo de 8, un premio en el mismo punto detrás de ella.
TEST_F(PruebaGigante, AlMorirReventaUnaVezPorLlamadaYSeVaA151Ticks)
{
    CGigante* g = crearGigante();
    for (int t = 0; t < 450; ++t)
        paso(g, 1);
    const int32_t x = g->x, y = g->y, cuadro = g->cuadro;
    const size_t balas = entidadesDe<CBalaDirigida>().size();
    matar(g);
    fijarEstadoAzar(AZAR_DE_ARRANQUE);
    ModeloAzar modelo;
    size_t premios = 0;
    for (uint32_t f = 0; f <= 150; ++f) {
        sistema.fijarTicks(g->inicioEtapa + f);
        // Al principio, varias llamadas en el mismo tick: una explosión cada una.
        for (int llamada = 0; llamada < (f < 3 ? 3 : 1); ++llamada) {
            const size_t antes = entidades().size();
            g->actualizar();
            ASSERT_TRUE(vivo(g)) << "f " << f;
            const int32_t px = x + modelo.siguiente() % 120;
            const int32_t py = y + modelo.siguiente() % 180;
            auto todas = entidades();
            const size_t nuevas = py % 8 == 0 ? 2 : 1;
            ASSERT_EQ(todas.size(), antes + nuevas) << "f " << f;
            auto* e = dynamic_cast<CExplosion*>(todas[antes]);
            ASSERT_NE(e, nullptr) << "f " << f;
            EXPECT_EQ(e->x, px);
            EXPECT_EQ(e->y, py);
            if (nuevas == 2) {
                auto* p = dynamic_cast<CPremio*>(todas[antes + 1]);
                ASSERT_NE(p, nullptr) << "f " << f;
                EXPECT_EQ(p->origenX, px);
                EXPECT_EQ(p->origenY, py);
                EXPECT_EQ(p->velX, -2);
                EXPECT_EQ(p->impulso, 600);
                ++premios;
            }
        }
    }
    EXPECT_GT(premios, 0u) << "la secuencia debe traer algún premio para probarlo";
    EXPECT_EQ(g->x, x);
    EXPECT_EQ(g->y, y);
    EXPECT_EQ(g->cuadro, cuadro) << "la pieza se congela";
    EXPECT_EQ(g->tipo, TIPO_ENEMIGO);
    EXPECT_EQ(entidadesDe<CBalaDirigida>().size(), balas) << "muriendo no dispara";
    EXPECT_EQ(entidadesDe<CExplosion>().size(), 151u + 2 * 3);
    paso(g, 1);
    EXPECT_FALSE(vivo(g));
}

}

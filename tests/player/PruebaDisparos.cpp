#include <gtest/gtest.h>

#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "player/CExplosion.h"
#include "player/CRana.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

class PruebaDisparos : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        jugador = new CRana();
        listaEntidades.agregar(jugador);
    }

    // Las explosiones como "x,y" en orden de creación.
    std::vector<std::string> explosiones()
    {
        std::vector<std::string> r;
        for (CExplosion* e : entidadesDe<CExplosion>())
            r.push_back(std::to_string(e->x) + "," + std::to_string(e->y));
        return r;
    }
};

using Posiciones = std::vector<std::string>;

TEST_F(PruebaDisparos, ElSencilloSeVaPasadoElBordeSinExplotar)
{
    CDisparo* d = crear<CDisparo>(632, 100);
    EXPECT_EQ(sistema.disparosVivos, 1);
    d->actualizar();
    EXPECT_EQ(d->x, 632) << "sin ticks no se mueve";
    avanzarTicks(1);
    d->actualizar();
    EXPECT_EQ(d->x, 640);
    EXPECT_TRUE(vivo(d));
    avanzarTicks(1);
    d->actualizar();
    EXPECT_FALSE(vivo(d));
    EXPECT_EQ(sistema.disparosVivos, 0);
    EXPECT_TRUE(explosiones().empty());

    // Dos ticks de golpe: de 630 a 646, y fuera en el mismo paso.
    CDisparo* otro = crear<CDisparo>(630, 100);
    avanzarTicks(2);
    otro->actualizar();
    EXPECT_FALSE(vivo(otro));
}

// Tras el impacto aún avanza una vez, y explota donde ha quedado.
TEST_F(PruebaDisparos, ElSencilloExplotaDondeAvanzaTrasElImpacto)
{
    CDisparo* d = crear<CDisparo>(300, 100);
    d->estado = 1;
    avanzarTicks(3);
    d->actualizar();
    EXPECT_FALSE(vivo(d));
    EXPECT_EQ(explosiones(), (Posiciones{ "299,75" }));
    EXPECT_EQ(sistema.disparosVivos, 0);
}

TEST_F(PruebaDisparos, ElPerforanteAguantaTresImpactosYElCuartoLoGasta)
{
    CDisparoPerforante* d = crear<CDisparoPerforante>(100, 100);
    for (int impacto = 1; impacto <= 3; ++impacto) {
        d->estado = 1;
        avanzarTicks(1);
        d->actualizar();
        EXPECT_EQ(d->impactos, impacto);
        EXPECT_EQ(d->estado, 0);
    }
    EXPECT_EQ(d->x, 130);
    d->estado = 1;
    avanzarTicks(1);
    d->actualizar();
    // Se comprueba por clase: la explosión nueva puede ocupar su misma dirección.
    EXPECT_TRUE(entidadesDe<CDisparoPerforante>().empty());
    EXPECT_EQ(explosiones(), (Posiciones{ "85,75", "95,75", "105,75", "115,75" }));
    EXPECT_EQ(sistema.disparosVivos, 0);
}

// Tocado ya pasado el borde: explota y sigue; se va en el paso siguiente, sin explotar.
TEST_F(PruebaDisparos, ElPerforanteTocadoFueraSeVaAlPasoSiguiente)
{
    CDisparoPerforante* d = crear<CDisparoPerforante>(640, 100);
    d->estado = 1;
    avanzarTicks(1);
    d->actualizar();
    EXPECT_TRUE(vivo(d));
    EXPECT_EQ(explosiones().size(), 1u);
    avanzarTicks(1);
    d->actualizar();
    EXPECT_FALSE(vivo(d));
    EXPECT_EQ(explosiones().size(), 1u);
    EXPECT_EQ(sistema.disparosVivos, 0);
}

TEST_F(PruebaDisparos, ElCurvoSigueSuParabolaSeaCualSeaElNumeroDeCuadros)
{
    CDisparoCurvo* arriba = crear<CDisparoCurvo>(170, 215, uint8_t(1));
    CDisparoCurvo* abajo = crear<CDisparoCurvo>(170, 215, uint8_t(0));
    EXPECT_EQ(sistema.disparosVivos, 8);
    avanzarTicks(10);
    arriba->actualizar();
    abajo->actualizar();
    EXPECT_EQ(Posiciones({ std::to_string(arriba->x) + "," + std::to_string(arriba->y),
                           std::to_string(abajo->x) + "," + std::to_string(abajo->y) }),
              (Posiciones{ "172,210", "172,220" }));
    for (int i = 0; i < 90; ++i) {
        avanzarTicks(1);
        arriba->actualizar();
    }
    avanzarTicks(0);
    abajo->actualizar();
    EXPECT_EQ(arriba->x, 370);
    EXPECT_EQ(arriba->y, 165);
    EXPECT_EQ(abajo->x, 370);
    EXPECT_EQ(abajo->y, 265);
    // A los 153 ticks está en 638; a los 154 ya pasó el borde.
    avanzarTicks(53);
    arriba->actualizar();
    EXPECT_EQ(arriba->x, 638);
    avanzarTicks(1);
    arriba->actualizar();
    EXPECT_FALSE(vivo(arriba));
    EXPECT_EQ(sistema.disparosVivos, 4);
}

// Al dar en algo revienta en una explosión y dos curvos nuevos desde ahí.
TEST_F(PruebaDisparos, ElCurvoReventadoDejaExplosionYDosCurvos)
{
    CDisparoCurvo* d = crear<CDisparoCurvo>(300, 200, uint8_t(1));
    EXPECT_EQ(sistema.disparosVivos, 4);
    d->estado = 1;
    d->actualizar();
    EXPECT_EQ(explosiones(), (Posiciones{ "275,175" }));
    auto curvos = entidadesDe<CDisparoCurvo>();
    ASSERT_EQ(curvos.size(), 2u);
    EXPECT_EQ(entidades().size(), 4u);
    EXPECT_EQ(curvos[0]->origenX, 310);
    EXPECT_EQ(curvos[0]->origenY, 210);
    EXPECT_EQ(curvos[0]->sube, 1);
    EXPECT_EQ(curvos[1]->sube, 0);
    EXPECT_EQ(sistema.disparosVivos, 8);
    // La explosión va antes que los curvos en la lista.
    auto todas = entidades();
    EXPECT_NE(dynamic_cast<CExplosion*>(todas[1]), nullptr);
}

// Con 64 curvos el contador de 8 bits da la vuelta a 0 y la rana puede volver a disparar.
TEST_F(PruebaDisparos, ElContadorDeOchoBitsDaLaVuelta)
{
    for (int i = 0; i < 64; ++i)
        crear<CDisparoCurvo>(100, 100, uint8_t(i % 2));
    EXPECT_EQ(sistema.disparosVivos, 0);
    jugador->energia = jugador->potencia = 74;
    pulsar(KEY_SPACE);
    avanzarTicks(1);
    jugador->actualizar();
    EXPECT_EQ(sistema.disparosVivos, 2);
}

TEST_F(PruebaDisparos, LaExplosionPasaTresCuadrosDeAlMenosSeisTicks)
{
    const uint32_t creada = sistema.leerTicks();
    CExplosion* e = crear<CExplosion>(10, 20);
    EXPECT_EQ(e->tipo, TIPO_INERTE);
    sistema.fijarTicks(creada + 5);
    e->actualizar();
    EXPECT_EQ(e->estado, 0);
    sistema.fijarTicks(creada + 6);
    e->actualizar();
    EXPECT_EQ(e->estado, 1);
    sistema.fijarTicks(creada + 11);
    e->actualizar();
    EXPECT_EQ(e->estado, 1);
    sistema.fijarTicks(creada + 12);
    e->actualizar();
    EXPECT_EQ(e->estado, 2);
    sistema.fijarTicks(creada + 17);
    e->actualizar();
    EXPECT_TRUE(vivo(e));
    sistema.fijarTicks(creada + 18);
    e->actualizar();
    EXPECT_FALSE(vivo(e));
}

// Cada uno se pinta con su dibujo de la hoja común, respetando la máscara.
TEST_F(PruebaDisparos, CadaUnoSePintaConSuDibujo)
{
    clear_bitmap(sistema.paginaDibujo);
    crear<CDisparo>(10, 10)->dibujar();
    crear<CDisparoPerforante>(40, 10)->dibujar();
    crear<CDisparoCurvo>(70, 10, uint8_t(1))->dibujar();
    CExplosion* e = crear<CExplosion>(100, 10);
    e->dibujar();
    EXPECT_EQ(pixel(10, 10), makecol(0, 0, 255));
    EXPECT_EQ(pixel(59, 29), makecol(0, 255, 0));
    EXPECT_EQ(pixel(70, 10), makecol(255, 255, 0));
    EXPECT_EQ(pixel(30, 10), 0);
    EXPECT_EQ(pixel(149, 59), makecol(255, 0, 0));
    e->estado = 2;
    e->dibujar();
    EXPECT_EQ(pixel(149, 59), makecol(255, 128, 0));
}

}

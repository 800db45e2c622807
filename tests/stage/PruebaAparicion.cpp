#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>

#include "enemies/CAcorazado.h"
#include "enemies/CErrante.h"
#include "enemies/CGigante.h"
#include "enemies/CVolador.h"
#include "player/CRana.h"
#include "shell/Azar.h"
#include "stage/CFase1.h"
#include "tests/world/MundoDePrueba.h"

namespace {

// Códigos de la tabla: 1 errante, 2 acorazado, 3 volador, 4 gigante.
class PruebaAparicion : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        jugador = crear<CRana>();
        // Como al arrancar el programa.
        ultimaColumna = 65000;
        fijarEstadoAzar(AZAR_DE_ARRANQUE);
    }

    // La fase con una tabla de apariciones dada: columna → (código, x, y).
    void cargarFase(const std::map<int, std::array<int, 3>>& tabla)
    {
        escribirMapa(textoMapa([](int, int) { return 0; }, [](int, int) { return 0; }, ",", [&](int bloque, int c) {
            auto it = tabla.find(c);
            return it == tabla.end() ? 0 : it->second[bloque];
        }));
        fase = std::make_unique<CFase1>();
    }

    // Los enemigos de la lista, por orden, como letras: e, a, v, g.
    std::string enemigos() const
    {
        std::string letras;
        for (CEntidad* e : entidades()) {
            if (dynamic_cast<CErrante*>(e))
                letras += 'e';
            else if (dynamic_cast<CAcorazado*>(e))
                letras += 'a';
            else if (dynamic_cast<CVolador*>(e))
                letras += 'v';
            else if (dynamic_cast<CGigante*>(e))
                letras += 'g';
        }
        return letras;
    }

    std::unique_ptr<CFase1> fase;
};

TEST_F(PruebaAparicion, CadaCodigoHaceSuEnemigoDondeDiceElMapa)
{
    cargarFase({{0, {1, 640, 77}}, {1, {2, 5, 256}}, {2, {3, 9, 180}}, {3, {4, 0, 0}}, {4, {5, 50, 50}}});
    ModeloAzar modelo;
    fase->avanzar(0);
    ASSERT_EQ(enemigos(), "e") << "la primera partida del programa hace el de la columna 0";
    CErrante* errante = entidadesDe<CErrante>()[0];
    EXPECT_EQ(errante->x, 640) << "la x sale del mapa";
    EXPECT_EQ(errante->y, modelo.siguiente() % 348) << "la y, del azar común";

    fase->avanzar(64);
    ASSERT_EQ(enemigos(), "ea");
    EXPECT_EQ(entidadesDe<CAcorazado>()[0]->x, -128);
    EXPECT_EQ(entidadesDe<CAcorazado>()[0]->y, 256);

    fase->avanzar(128);
    ASSERT_EQ(enemigos(), "eav");
    EXPECT_EQ(entidadesDe<CVolador>()[0]->x, 640);
    EXPECT_EQ(entidadesDe<CVolador>()[0]->yBase, 180);

    fase->avanzar(192);
    ASSERT_EQ(enemigos(), "eavg");
    EXPECT_EQ(entidadesDe<CGigante>()[0]->x, 400);
    EXPECT_EQ(entidadesDe<CGigante>()[0]->y, 460);

    fase->avanzar(256);
    EXPECT_EQ(enemigos(), "eavg") << "el código 5 no hace nada";
    EXPECT_EQ(ultimaColumna, 4) << "pero la columna cuenta como mirada";
    EXPECT_EQ(azar(), modelo.siguiente()) << "solo el errante tira del azar";
}

TEST_F(PruebaAparicion, UnaColumnaSoloHaceSuEnemigoUnaVez)
{
    cargarFase({{1, {3, 0, 100}}});
    for (uint32_t t : {0u, 63u, 64u, 65u, 100u, 127u})
        fase->avanzar(t);
    EXPECT_EQ(enemigos(), "v");
    EXPECT_EQ(ultimaColumna, 1);
}

TEST_F(PruebaAparicion, UnSaltoDeMasDeUnaColumnaSeDejaLasDeEnMedio)
{
    cargarFase({{1, {3, 0, 100}}, {2, {1, 640, 0}}, {3, {3, 0, 200}}, {4, {3, 0, 300}}});
    fase->avanzar(0);
    fase->avanzar(64 + 63);
    fase->avanzar(64 + 63 + 65);
    EXPECT_EQ(enemigos(), "vv") << "la columna 2 no se miró nunca";
    EXPECT_EQ(entidadesDe<CVolador>()[1]->yBase, 200);
}

TEST_F(PruebaAparicion, ConElScrollParadoNoSaleNadaMas)
{
    cargarFase({{246, {3, 0, 100}}, {247, {3, 0, 100}}, {255, {4, 0, 0}}});
    fase->avanzar(CFase1::FIN_DESPLAZAMIENTO);
    for (uint32_t t = CFase1::FIN_DESPLAZAMIENTO; t < CFase1::FIN_DESPLAZAMIENTO + 3000; t += 37)
        fase->avanzar(t);
    EXPECT_EQ(enemigos(), "v");
}

// La memoria de columna dura todo el programa: una partida que acabó en la
// columna 0 deja sin su enemigo a la siguiente.
TEST_F(PruebaAparicion, LaMemoriaDeColumnaPasaDeUnaPartidaALaSiguiente)
{
    cargarFase({{0, {3, 0, 100}}, {1, {3, 0, 200}}});
    fase->avanzar(0);
    fase->avanzar(10);
    EXPECT_EQ(enemigos(), "v");
    listaEntidades.vaciar();
    jugador = crear<CRana>();

    cargarFase({{0, {3, 0, 100}}, {1, {3, 0, 200}}});
    fase->avanzar(0);
    EXPECT_EQ(enemigos(), "") << "la columna 0 ya era la última mirada";
    fase->avanzar(64);
    EXPECT_EQ(enemigos(), "v");

    cargarFase({{0, {3, 0, 100}}});
    fase->avanzar(0);
    EXPECT_EQ(enemigos(), "vv") << "acabada en la 1, la siguiente sí ve la 0";
}

}

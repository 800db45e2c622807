#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/CAcorazado.h"
#include "enemies/CBalaDirigida.h"
#include "enemies/CErrante.h"
#include "enemies/CGigante.h"
#include "enemies/CVolador.h"
#include "player/CRana.h"
#include "shell/Azar.h"
#include "shell/CExcepcion.h"
#include "sonido/CEfectos.h"
#include "tests/world/MundoDePrueba.h"

namespace {

class PruebaEfectos : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        efectos.cargar(&simulados, [] { return sistema.leerTicks(); });
        rana = crear<CRana>();
        jugador = rana;
        rana->energia = 10;
    }
    void TearDown() override
    {
        efectos.liberar();
        MundoDePrueba::TearDown();
    }

    // Los efectos que empezaron desde la última vez que se miró.
    std::vector<std::string> sonados()
    {
        std::vector<std::string> hechos;
        for (size_t i = vistos; i < simulados.llamadas.size(); ++i)
            if (simulados.llamadas[i].rfind("efecto ", 0) == 0)
                hechos.push_back(simulados.llamadas[i].substr(7));
        vistos = simulados.llamadas.size();
        return hechos;
    }

    void andanada(int32_t potencia)
    {
        rana->potencia = potencia;
        sistema.disparosVivos = 0;
        pulsar(KEY_SPACE);
        paso(rana);
        pulsar(KEY_SPACE, false);
        paso(rana);
    }

    CRana* rana = nullptr;
    size_t vistos = 0;
    CEntidadDePrueba disparo{ "disparo", TIPO_DISPARO, nullptr };
};

using Sonados = std::vector<std::string>;

// Cada suceso suena una vez, con la posición de la x donde pasó (de 0 a 255
// sobre los 640 píxeles). Una andanada es un sonido, no uno por disparo.
TEST_F(PruebaEfectos, CadaSucesoSuenaUnaVezDondePasa)
{
    rana->x = 250;
    andanada(30);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/disparo.wav pan 128" }));
    andanada(150);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/perforante.wav pan 128" }));
    andanada(250);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/curvo.wav pan 128" }));

    CErrante* errante = crear<CErrante>(0, 0);
    errante->x = 590;
    errante->alImpactar(&disparo);
    avanzarTicks(1);
    errante->alImpactar(&disparo);
    avanzarTicks(1);
    errante->alImpactar(&disparo);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/impacto.wav pan 255", "sounds/impacto.wav pan 255",
                                   "sounds/explosion.wav pan 255" }));
    CVolador* volador = crear<CVolador>(200);
    volador->x = -32;
    volador->alImpactar(&disparo);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/explosion.wav pan 0" }));
    CAcorazado* acorazado = crear<CAcorazado>(100);
    acorazado->x = 0;
    for (int golpe = 0; golpe < 30; ++golpe, avanzarTicks(1))
        acorazado->alImpactar(&disparo);
    Sonados acorazadoSonado = sonados();
    EXPECT_EQ(acorazadoSonado.size(), 30u);
    EXPECT_EQ(acorazadoSonado.back(), "sounds/explosion_metal.wav pan 40");

    crear<CBalaDirigida>(320, 100, 0, 100);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/bala.wav pan 128" }));
    CEntidadDePrueba bala("bala", TIPO_BALA, nullptr), premio("premio", TIPO_PREMIO, nullptr);
    rana->x = 160;
    rana->alImpactar(&premio);
    rana->alImpactar(&bala);
    // Protegida tras el golpe: no hay herida, ni sonido.
    rana->alImpactar(&bala);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/premio.wav pan 64", "sounds/herida.wav pan 64" }));
    crear<CGigante>();
    EXPECT_EQ(sonados(), (Sonados{ "sounds/aviso_gigante.wav pan 188" }));
}

// En un tick el mismo efecto empieza como mucho dos veces; otro efecto, u
// otro tick, vuelven a contar.
TEST_F(PruebaEfectos, UnMismoEfectoNoSeAmontonaEnUnTick)
{
    for (int i = 0; i < 5; ++i)
        efectos.sonar(EFECTO_BALA, 0);
    efectos.sonar(EFECTO_IMPACTO, 0);
    EXPECT_EQ(sonados().size(), 3u);
    avanzarTicks(1);
    efectos.sonar(EFECTO_BALA, 0);
    EXPECT_EQ(sonados(), (Sonados{ "sounds/bala.wav pan 0" }));
    efectos.parar();
    EXPECT_TRUE(simulados.llamo("parar sounds/bala.wav"));
}

// El segundo y medio de la muerte del gigante es una sola explosión: sus
// ciento cincuenta estallidos y los disparos que lo atraviesan no suenan.
// Y el generador común sale igual que sin efectos: no lo tocan.
TEST_F(PruebaEfectos, LaMuerteDelGiganteEsUnaSolaExplosionYNoTocaElAzar)
{
    auto agonia = [this] {
        reiniciarAzar();
        CGigante* gigante = crear<CGigante>();
        while (gigante->estado != GIGANTE_MUERE)
            gigante->alImpactar(&disparo);
        for (int t = 0; t < 150; ++t) {
            gigante->alImpactar(&disparo);
            paso(gigante);
        }
        andanada(250);
        std::vector<int> siguientes;
        for (int i = 0; i < 5; ++i)
            siguientes.push_back(azar());
        listaEntidades.vaciar();
        rana = crear<CRana>();
        jugador = rana;
        return siguientes;
    };
    const std::vector<int> conEfectos = agonia();
    Sonados muerte = sonados();
    EXPECT_EQ(std::count(muerte.begin(), muerte.end(), "sounds/explosion_gigante.wav pan 188"), 1);
    // El aviso, los impactos de un solo tick (dos), la explosión y la andanada final.
    EXPECT_LE(muerte.size(), 5u);
    efectos.liberar();
    EXPECT_EQ(agonia(), conEfectos);
    EXPECT_TRUE(sonados().empty());
}

// Si falta un efecto o no se puede leer, es un error de archivos y no queda
// ninguno cargado.
TEST_F(PruebaEfectos, UnEfectoQueNoCargaEsErrorDeArchivos)
{
    efectos.liberar();
    simulados.fallos = { "sonido sounds/premio.wav" };
    try {
        efectos.cargar(&simulados, [] { return sistema.leerTicks(); });
        ADD_FAILURE() << "cargó sin premio.wav";
    } catch (CExcepcion error) {
        EXPECT_EQ(error.codigo, ERROR_ARCHIVOS);
    }
    efectos.sonar(EFECTO_DISPARO, 0);
    EXPECT_TRUE(sonados().empty());
}

}

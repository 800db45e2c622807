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

// Dónde suena lo que pasa en la x de la pantalla: de 0 a 255 sobre sus 640 píxeles.
int panEn(int x)
{
    return std::clamp(x * 256 / 640, 0, 255);
}

// Golpes que solo hieren y, tras ellos, el que mata.
Sonados golpesY(int golpes, const std::string& ultimo)
{
    Sonados suenan(golpes, "impacto");
    suenan.push_back(ultimo);
    return suenan;
}

// Cada suceso suena una vez, en la x de la pantalla donde pasó. Una andanada
// es un sonido, no uno por disparo.
TEST_F(PruebaEfectos, CadaSucesoSuenaUnaVezDondePasa)
{
    CEntidadDePrueba bala("bala", TIPO_BALA, nullptr), premio("premio", TIPO_PREMIO, nullptr);
    auto golpear = [this](CEntidad* e, int veces) {
        for (int golpe = 0; golpe < veces; ++golpe, avanzarTicks(1))
            e->alImpactar(&disparo);
    };
    struct Suceso {
        const char* que;
        int x; // dónde pasa, en la pantalla
        std::function<void()> hacer;
        Sonados suenan;
    };
    const Suceso sucesos[] = {
        { "la rana, en 250, dispara: la andanada sale de su boca", 320, [&] { rana->x = 250; andanada(30); },
          { "disparo" } },
        { "y con perforantes", 320, [&] { andanada(150); }, { "perforante" } },
        { "y con curvos", 320, [&] { andanada(250); }, { "curvo" } },
        { "un errante de 100 px en 590, con su centro en el borde derecho, aguanta dos golpes y estalla", 640,
          [&] { CErrante* e = crear<CErrante>(0, 0); e->x = 590; golpear(e, 3); }, golpesY(2, "explosion") },
        { "un volador de 64 px asoma por la izquierda, con su centro en 20, y estalla", 20,
          [&] { CVolador* v = crear<CVolador>(200); v->x = -12; golpear(v, 1); }, { "explosion" } },
        { "un acorazado en 0 aguanta 29 golpes y revienta en el 30, en su cañón", 100,
          [&] { CAcorazado* a = crear<CAcorazado>(100); a->x = 0; golpear(a, 30); }, golpesY(29, "explosion_metal") },
        { "sale una bala en 320", 320, [&] { crear<CBalaDirigida>(320, 100, 0, 100); }, { "bala" } },
        { "la rana, en 160, coge un premio y una bala la hiere; protegida, la segunda no", 160,
          [&] { rana->x = 160; rana->alImpactar(&premio); rana->alImpactar(&bala); rana->alImpactar(&bala); },
          { "premio", "herida" } },
        { "el gigante, de unos 140 px, entra en 400: el aviso suena en su centro", 470, [&] { crear<CGigante>(); },
          { "aviso_gigante" } },
    };
    for (const Suceso& suceso : sucesos) {
        SCOPED_TRACE(suceso.que);
        suceso.hacer();
        Sonados esperados;
        for (const std::string& efecto : suceso.suenan)
            esperados.push_back("sounds/" + efecto + ".wav pan " + std::to_string(panEn(suceso.x)));
        EXPECT_EQ(sonados(), esperados);
    }
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
        fijarEstadoAzar(AZAR_DE_ARRANQUE);
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

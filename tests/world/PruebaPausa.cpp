#include <gtest/gtest.h>

#include <tuple>

#include "enemies/CBalaDirigida.h"
#include "enemies/CVolador.h"
#include "player/CRana.h"
#include "stage/CFase1.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CPartida.h"
#include "opciones/CPreferenciasActivas.h"

namespace {

// Lo que se ve de la partida en un momento: el reloj, el desplazamiento y
// dónde y cómo está cada entidad.
using Foto = std::tuple<uint32_t, uint32_t, std::vector<std::tuple<int, int, int, int>>>;

class PruebaPausa : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        fase = new CFase1();
        partida.fase = fase;
    }

    Foto foto() const
    {
        std::vector<std::tuple<int, int, int, int>> cosas;
        for (CEntidad* e : entidades())
            cosas.emplace_back(e->tipo, e->x, e->y, e->estado);
        return { sistema.leerTicks(), fase->desplazamiento, cosas };
    }

    bool protegida() const { return sistema.leerTicks() < jugador->ultimoImpacto + jugador->tiempoInvulnerable; }

    CPartida partida;
    CFase1* fase = nullptr;
    int siestasEnPausa = 0;
};

// Cinco segundos de pausa (250 siestas de 20 ms, cada una con su llamada del
// temporizador) no mueven nada; al volver, el cuadro siguiente es el tick
// siguiente y la rana sigue protegida del golpe de antes de la pausa.
TEST_F(PruebaPausa, CincoSegundosDePausaNoMuevenNada)
{
    Foto alPausar, alFinal;
    int cuadroPausa = 0;
    uint32_t tickTrasPausa = 0;
    bool protegidaTrasPausa = false;
    simulados.alPresentar = [&](int n) {
        if (n == 20) {
            crear<CVolador>(200);
            crear<CBalaDirigida>(600.0, 300.0, 0.0, 0.0);
            crear<CBalaDirigida>(600.0, 100.0, 0.0, 0.0);
        }
        if (n == 30)
            jugador->alImpactar(entidadesDe<CBalaDirigida>().front());
        pulsar(KEY_P, n == 40);
        if (n == 41) {
            cuadroPausa = n;
            alPausar = foto();
        }
        if (n == 42) {
            tickTrasPausa = sistema.leerReloj();
            protegidaTrasPausa = protegida();
        }
        if (n == 45)
            pulsar(KEY_ESC);
    };
    simulados.alDormir = [&](int) {
        if (cuadroPausa == 0)
            return;
        ++siestasEnPausa;
        pulsar(KEY_P, siestasEnPausa == 250);
        if (siestasEnPausa == 250)
            alFinal = foto();
    };
    partida.jugarFase();
    ASSERT_EQ(cuadroPausa, 41);
    EXPECT_GE(siestasEnPausa, 250);
    EXPECT_EQ(std::get<2>(alPausar).size(), 3u) << "la rana, el volador y la bala que queda";
    EXPECT_EQ(alFinal, alPausar);
    EXPECT_EQ(tickTrasPausa, std::get<0>(alPausar) + 1);
    EXPECT_TRUE(protegidaTrasPausa);
    const auto& l = simulados.llamadas;
    auto pausa = std::find(l.begin(), l.end(), "pausar");
    ASSERT_NE(pausa, l.end()) << "la música se pausa";
    auto reposo = std::find(pausa, l.end(), "reposo");
    auto despierto = std::find(reposo, l.end(), "despierto");
    EXPECT_NE(despierto, l.end()) << "el proceso reposa durante la pausa y despierta al acabar";
    EXPECT_NE(std::find(despierto, l.end(), "reanudar"), l.end()) << "y la música vuelve";
}

// En pausa se ve el último cuadro con el rótulo de la hoja común encima.
TEST_F(PruebaPausa, ElUltimoCuadroQuedaConElRotuloEncima)
{
    BITMAP* ultimo = create_bitmap(640, 480);
    simulados.alPresentar = [&](int n) {
        if (n == 10) {
            blit(sistema.paginaDibujo, ultimo, 0, 0, 0, 0, 640, 480);
            pulsar(KEY_P);
        }
        if (n == 11) {
            BITMAP* pagina = sistema.paginaDibujo;
            // Fuera del rótulo, el cuadro de antes; dentro, la hoja común.
            EXPECT_EQ(getpixel(pagina, 100, 100), getpixel(ultimo, 100, 100));
            EXPECT_EQ(getpixel(pagina, 320, 460), getpixel(ultimo, 320, 460));
            int distintos = 0;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 256; ++x) {
                    int hoja = getpixel(sistema.hojaComunes, 192 + x, 40 + y);
                    int visto = getpixel(pagina, 192 + x, 194 + y);
                    int esperado = hoja == bitmap_mask_color(sistema.hojaComunes) ? getpixel(ultimo, 192 + x, 194 + y) : hoja;
                    distintos += visto != esperado;
                }
            EXPECT_EQ(distintos, 0);
            pulsar(KEY_ESC);
        }
    };
    partida.jugarFase();
    destroy_bitmap(ultimo);
    EXPECT_EQ(simulados.presentadas, 11);
}

// Escape y el botón de cerrar acaban la partida en pausa; perder el foco la
// pausa, y solo P la reanuda. Un aviso de foco perdido con el teclado aún en
// la ventana no pausa.
TEST_F(PruebaPausa, EscapeCierreYFoco)
{
    for (int caso = 0; caso < 3; ++caso) {
        SCOPED_TRACE(caso);
        int siestas = 0;
        simulados.presentadas = 0;
        simulados.alPresentar = [&](int n) {
            if (n == 5)
                caso == 2 ? simulados.avisoFoco() : pulsar(KEY_P);
            if (n == 6)
                pulsar(KEY_P, false);
        };
        simulados.alDormir = [&](int) {
            if (simulados.presentadas < 6)
                return;
            if (++siestas == 100)
                caso == 1 ? simulados.avisoCierre() : pulsar(KEY_ESC);
        };
        CPartida otra;
        otra.fase = new CFase1();
        otra.jugarFase();
        EXPECT_EQ(simulados.presentadas, 6) << "el cuadro de la pausa es el último";
        EXPECT_EQ(siestas, 100);
        pulsar(KEY_ESC, false);
        sistema.finalizar();
        sistema.inicializar(preferenciasActivas);
    }
    simulados.focoFuera = false;
    simulados.alDormir = nullptr;
    simulados.presentadas = 0;
    simulados.alPresentar = [&](int n) {
        if (n == 5)
            simulados.avisoFoco();
        if (n == 20)
            pulsar(KEY_ESC);
    };
    CPartida otra;
    otra.fase = new CFase1();
    otra.jugarFase();
    EXPECT_EQ(simulados.presentadas, 20) << "el foco nunca se fue: no hay pausa";
}

// M calla y devuelve el sonido, una vez por pulsación.
TEST_F(PruebaPausa, MCallaYDevuelveElSonido)
{
    simulados.alPresentar = [&](int n) {
        pulsar(KEY_M, n == 3 || n == 4 || n == 8);
        if (n == 10)
            pulsar(KEY_ESC);
    };
    partida.jugarFase();
    auto cuenta = [&](const char* llamada) { return std::count(simulados.llamadas.begin(), simulados.llamadas.end(), llamada); };
    EXPECT_EQ(cuenta("volumen 0"), 1);
    EXPECT_EQ(cuenta("volumen 255"), 1);
    EXPECT_FALSE(preferenciasActivas.actuales().silencio);
}

}

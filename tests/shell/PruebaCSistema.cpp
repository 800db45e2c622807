#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "tests/plataforma/PruebaConSimulados.h"
#include "opciones/CPreferenciasActivas.h"

namespace fs = std::filesystem;

namespace {

using Llamadas = std::vector<std::string>;

class PruebaArranque : public PruebaConSimulados {
protected:

    // Arranca y devuelve el código lanzado, o -1 si no hubo error.
    int arrancar()
    {
        try {
            sistema.inicializar(preferenciasActivas);
        } catch (CExcepcion error) {
            return error.codigo;
        }
        return -1;
    }

    // Lo que hace el apagado, sin lo anotado durante el arranque.
    Llamadas apagar()
    {
        size_t antes = simulados.llamadas.size();
        sistema.finalizar();
        return Llamadas(simulados.llamadas.begin() + antes, simulados.llamadas.end());
    }

};

const Llamadas ARRANQUE_COMPLETO = {
    "iniciarAllegro", "profundidad", "escritorio", "modoGrafico 0 ventana 1x", "aviso de cierre", "teclado", "temporizador",
    "conmutacion amnesia", "aviso de foco", "sonido con midi", "midi musics/fase1.mid", "midi musics/tokecillo.mid",
    "pagina", "pagina", "imagen graphics/enemigos.bmp", "imagen graphics/comunes.bmp", "contador",
    "mando",
};

TEST_F(PruebaArranque, SigueElOrdenYDejaTodoListo)
{
    EXPECT_EQ(arrancar(), -1);
    EXPECT_EQ(simulados.llamadas, ARRANQUE_COMPLETO);
    ASSERT_NE(sistema.paginaDibujo, nullptr);
    EXPECT_EQ(sistema.paginaDibujo->w, 640);
    EXPECT_EQ(sistema.paginaVisible->h, 480);
    EXPECT_NE(sistema.paginaDibujo, sistema.paginaVisible);
    EXPECT_NE(sistema.hojaEnemigos, nullptr);
    EXPECT_NE(sistema.hojaComunes, nullptr);
    EXPECT_NE(sistema.musicaMenu, sistema.musicaFase);
    EXPECT_EQ(sistema.teclas, simulados.teclas);
    EXPECT_EQ(simulados.contador, &CSistema::contarTick);
    EXPECT_EQ(simulados.periodoContador, 10);
    EXPECT_EQ(apagar(), (Llamadas{ "quitarTeclado", "quitarTemporizador", "salirAllegro" }));
    EXPECT_EQ(sistema.hojaEnemigos, nullptr);
    EXPECT_EQ(sistema.paginaDibujo, nullptr);
}

// Cada fallo detiene el arranque en su paso, con su código, y el apagado
// solo deshace lo que llegó a instalarse.
struct CasoFallo {
    const char* falla;
    int codigo;
    const char* ultimaLlamada;
    Llamadas apagado;
};

class PruebaFalloArranque : public PruebaArranque, public ::testing::WithParamInterface<CasoFallo> {
};

TEST_P(PruebaFalloArranque, SeDetieneEnElPasoQueFalla)
{
    const CasoFallo& caso = GetParam();
    simulados.fallos.insert(caso.falla);
    EXPECT_EQ(arrancar(), caso.codigo);
    EXPECT_EQ(simulados.llamadas.back(), caso.ultimaLlamada);
    EXPECT_EQ(apagar(), caso.apagado);
}

INSTANTIATE_TEST_SUITE_P(Pasos, PruebaFalloArranque, ::testing::Values(
    CasoFallo{ "iniciarAllegro", ERROR_ALLEGRO, "iniciarAllegro", {} },
    CasoFallo{ "teclado", ERROR_TECLADO, "teclado", { "salirAllegro" } },
    CasoFallo{ "temporizador", ERROR_TEMPORIZADOR, "temporizador", { "quitarTeclado", "salirAllegro" } },
    CasoFallo{ "midi musics/fase1.mid", ERROR_ARCHIVOS, "midi musics/fase1.mid",
               { "quitarTeclado", "quitarTemporizador", "salirAllegro" } },
    CasoFallo{ "midi musics/tokecillo.mid", ERROR_ARCHIVOS, "midi musics/tokecillo.mid",
               { "quitarTeclado", "quitarTemporizador", "salirAllegro" } },
    CasoFallo{ "pagina", ERROR_GRAFICOS, "pagina", { "quitarTeclado", "quitarTemporizador", "salirAllegro" } },
    CasoFallo{ "imagen graphics/enemigos.bmp", ERROR_ARCHIVOS, "imagen graphics/enemigos.bmp",
               { "quitarTeclado", "quitarTemporizador", "salirAllegro" } },
    CasoFallo{ "imagen graphics/comunes.bmp", ERROR_ARCHIVOS, "imagen graphics/comunes.bmp",
               { "quitarTeclado", "quitarTemporizador", "salirAllegro" } }));

TEST_F(PruebaArranque, ProbaLosTresDriversAntesDeRendirse)
{
    simulados.fallos = { "modoGrafico 0 ventana 1x", "modoGrafico 1 ventana 1x" };
    EXPECT_EQ(arrancar(), -1);
    EXPECT_TRUE(simulados.llamo("modoGrafico 2 ventana 1x"));

    simulados.llamadas.clear();
    simulados.fallos = { "modoGrafico 0 ventana 1x" };
    sistema.finalizar();
    EXPECT_EQ(arrancar(), -1);
    EXPECT_TRUE(simulados.llamo("modoGrafico 1 ventana 1x"));
    EXPECT_FALSE(simulados.llamo("modoGrafico 2 ventana 1x"));

    simulados.llamadas.clear();
    simulados.fallos = { "modoGrafico 0 ventana 1x", "modoGrafico 1 ventana 1x", "modoGrafico 2 ventana 1x" };
    sistema.finalizar();
    EXPECT_EQ(arrancar(), ERROR_GRAFICOS);
    EXPECT_EQ(simulados.llamadas.back(), "modoGrafico 2 ventana 1x");
    EXPECT_FALSE(simulados.llamo("teclado"));
}

TEST_F(PruebaArranque, ElModoDeConmutacionRechazadoSeSustituyeOFallaComoGrafico)
{
    simulados.fallos = { "conmutacion amnesia" };
    EXPECT_EQ(arrancar(), -1);
    EXPECT_TRUE(simulados.llamo("conmutacion fondo"));

    simulados.llamadas.clear();
    simulados.fallos = { "conmutacion amnesia", "conmutacion fondo" };
    sistema.finalizar();
    EXPECT_EQ(arrancar(), ERROR_GRAFICOS);
    EXPECT_EQ(simulados.llamadas.back(), "conmutacion fondo");
}

TEST_F(PruebaArranque, SinSintetizadorSigueMudoYCargaLaMusica)
{
    simulados.fallos = { "sonido con midi", "sonido sin midi" };
    EXPECT_EQ(arrancar(), -1);
    EXPECT_TRUE(simulados.llamo("sonido sin midi"));
    EXPECT_NE(sistema.musicaFase, nullptr);
    EXPECT_NE(sistema.musicaMenu, nullptr);
}

// F10 y F11 se atienden una vez por pulsación, como los ve cada bucle del juego.
class PruebaModos : public PruebaArranque {
protected:
    void pulsar(int tecla)
    {
        simulados.teclas[tecla] = 1;
        for (int vuelta = 0; vuelta < 3; ++vuelta)
            sistema.atenderEntrada();
        simulados.teclas[tecla] = 0;
        sistema.atenderEntrada();
    }

    // Lo anotado desde la última vez que se miró.
    Llamadas nuevas()
    {
        Llamadas hechas(simulados.llamadas.begin() + static_cast<long>(vistas), simulados.llamadas.end());
        vistas = simulados.llamadas.size();
        return hechas;
    }

    // Tras cada cambio, lo que set_gfx_mode pudo quitar vuelve a ponerse.
    Llamadas cambio(const std::string& modo)
    {
        return { modo, "conmutacion amnesia", "aviso de cierre", "aviso de foco" };
    }

    size_t vistas = 0;
};

TEST_F(PruebaModos, F10CambiaElTamanoYF11PasaAPantallaCompletaYVuelveAlQueHabia)
{
    simulados.anchoEscritorio = 1920;
    simulados.altoEscritorio = 1080;
    ASSERT_EQ(arrancar(), -1);
    EXPECT_TRUE(simulados.llamo("modoGrafico 0 ventana 2x"));
    EXPECT_EQ(simulados.modo.ancho, 1280);
    EXPECT_EQ(simulados.modo.alto, 960);
    nuevas();
    sistema.voltearPaginas();
    const int antes = simulados.presentadas;

    pulsar(KEY_F10);
    EXPECT_EQ(nuevas(), cambio("modoGrafico 0 ventana 1x"));
    EXPECT_EQ(simulados.modo.ancho, 640);
    // La página visible, otra vez y al tamaño nuevo.
    EXPECT_EQ(simulados.presentadas, antes + 1);
    EXPECT_EQ(simulados.presentada, sistema.paginaVisible);

    pulsar(KEY_F11);
    EXPECT_EQ(nuevas(), cambio("modoGrafico 0 completa 2x"));
    EXPECT_EQ(simulados.modo.ancho, 1920);
    EXPECT_EQ(simulados.modo.alto, 1080);
    EXPECT_EQ(simulados.presentadas, antes + 2);
    // En pantalla completa no hay ventana que cambiar de tamaño.
    pulsar(KEY_F10);
    EXPECT_EQ(nuevas(), Llamadas{});
    // Vuelve la ventana de 1x que había, no la del factor de la pantalla completa.
    pulsar(KEY_F11);
    EXPECT_EQ(nuevas(), cambio("modoGrafico 0 ventana 1x"));
    pulsar(KEY_F10);
    EXPECT_EQ(nuevas(), cambio("modoGrafico 0 ventana 2x"));
    EXPECT_EQ(simulados.modo.ancho, 1280);

    // En un escritorio donde solo cabe 1x, F10 no hace nada.
    sistema.finalizar();
    simulados.anchoEscritorio = 1024;
    simulados.altoEscritorio = 768;
    ASSERT_EQ(arrancar(), -1);
    nuevas();
    pulsar(KEY_F10);
    EXPECT_EQ(nuevas(), Llamadas{});
}

// Lo que pasa mientras cambia el modo no cuenta: el foco que la ventana
// pierde al esconderse no pausa la partida, y los ticks del temporizador no
// corren (un cambio lento haría saltar columnas del mapa). Después el reloj
// sigue, salvo que ya estuviera parado por la pausa.
TEST_F(PruebaModos, LoQuePasaMientrasCambiaElModoNoCuenta)
{
    ASSERT_EQ(arrancar(), -1);
    sistema.fijarTicks(1000);
    simulados.alFijarModo = [&] {
        simulados.avisoFoco();
        for (int i = 0; i < 80; ++i)
            CSistema::contarTick();
    };
    pulsar(KEY_F11);
    EXPECT_TRUE(simulados.modo.completa);
    EXPECT_FALSE(sistema.tomarFocoPerdido());
    EXPECT_EQ(sistema.leerTicks(), 1000u);
    CSistema::contarTick();
    EXPECT_EQ(sistema.leerTicks(), 1001u);
    sistema.pararReloj();
    pulsar(KEY_F11);
    CSistema::contarTick();
    EXPECT_EQ(sistema.leerTicks(), 1001u) << "en pausa el cambio no pone el reloj en marcha";
    sistema.reanudarReloj();
    simulados.alFijarModo = nullptr;
    simulados.avisoFoco();
    EXPECT_TRUE(sistema.tomarFocoPerdido());
}

// F10, M, - y + se guardan en el acto, y el siguiente arranque abre con
// ellos. Un juego recién instalado no toca el volumen de Allegro.
TEST_F(PruebaModos, LoQueCambiaElJugadorSeGuardaYVuelveAlArrancar)
{
    const fs::path carpeta = fs::temp_directory_path() / ("rana-sistema-" + std::to_string(::getpid()));
    CAjustes ajustes((carpeta / "escuadron-rana.cfg").string());
    simulados.anchoEscritorio = 1920;
    simulados.altoEscritorio = 1080;
    preferenciasActivas.usarAjustes(&ajustes);
    sistema.inicializar(preferenciasActivas);
    EXPECT_EQ(simulados.volumen, 255);
    EXPECT_FALSE(simulados.llamo("volumen 255"));
    for (int tecla : { KEY_F10, KEY_MINUS, KEY_MINUS_PAD, KEY_EQUALS, KEY_MINUS, KEY_M })
        pulsar(tecla);
    EXPECT_TRUE(simulados.llamo("volumen 204"));
    EXPECT_EQ(simulados.volumen, 0);

    sistema.finalizar();
    simulados.llamadas.clear();
    CAjustes siguiente((carpeta / "escuadron-rana.cfg").string());
    preferenciasActivas.usarAjustes(&siguiente);
    sistema.inicializar(preferenciasActivas);
    EXPECT_TRUE(simulados.llamo("modoGrafico 0 ventana 1x"));
    EXPECT_EQ(preferenciasActivas.actuales().volumen, 8);
    EXPECT_TRUE(preferenciasActivas.actuales().silencio);
    EXPECT_EQ(simulados.volumen, 0);
    pulsar(KEY_M);
    EXPECT_EQ(simulados.volumen, 204);
    fs::remove_all(carpeta);
}

// Un modo que no abre devuelve el anterior con el mismo driver del arranque;
// si tampoco ese abre, es el fallo gráfico del arranque.
TEST_F(PruebaModos, SiElModoNuevoNoAbreVuelveAlAnteriorYSiNoHayNingunoEsErrorGrafico)
{
    simulados.anchoEscritorio = 1920;
    simulados.altoEscritorio = 1080;
    simulados.fallos = { "modoGrafico 0 ventana 2x" };
    ASSERT_EQ(arrancar(), -1);
    nuevas();
    simulados.fallos = { "modoGrafico 1 completa 2x" };
    pulsar(KEY_F11);
    Llamadas esperadas = { "modoGrafico 1 completa 2x" };
    for (const std::string& llamada : cambio("modoGrafico 1 ventana 2x"))
        esperadas.push_back(llamada);
    EXPECT_EQ(nuevas(), esperadas);
    EXPECT_FALSE(simulados.modo.completa);
    EXPECT_EQ(simulados.modo.ancho, 1280);
    // El que falló no cuenta como el de la ventana: F11 vuelve a intentarlo.
    simulados.fallos.clear();
    pulsar(KEY_F11);
    EXPECT_EQ(nuevas(), cambio("modoGrafico 1 completa 2x"));

    simulados.fallos = { "modoGrafico 1 ventana 2x", "modoGrafico 1 completa 2x" };
    simulados.teclas[KEY_F11] = 1;
    try {
        sistema.atenderEntrada();
        ADD_FAILURE() << "sin ningún modo abierto el juego siguió";
    } catch (CExcepcion error) {
        EXPECT_EQ(error.codigo, ERROR_GRAFICOS);
    }
    simulados.teclas[KEY_F11] = 0;
}

TEST_F(PruebaArranque, VoltearMuestraLaPaginaDibujadaYLasIntercambia)
{
    ASSERT_EQ(arrancar(), -1);
    BITMAP* dibujada = sistema.paginaDibujo;
    BITMAP* visible = sistema.paginaVisible;
    BITMAP* mostrada = nullptr;
    simulados.alPresentar = [&](int) { mostrada = sistema.paginaDibujo; };
    sistema.voltearPaginas();
    EXPECT_EQ(mostrada, dibujada);
    EXPECT_EQ(sistema.paginaVisible, dibujada);
    EXPECT_EQ(sistema.paginaDibujo, visible);
}

// Con el reloj parado el tick no cambia nunca: el botón de cerrar acaba la espera.
TEST_F(PruebaArranque, LaEsperaDelTickAcabaConElBotonDeCerrar)
{
    ASSERT_EQ(arrancar(), -1);
    sistema.fijarTicks(500);
    sistema.pararReloj();
    simulados.alDormir = [](int siestas) {
        if (siestas == 3)
            CSistema::avisarCierre();
    };
    simulados.topeSiestas = 100;
    sistema.esperarTickDistinto(500);
    EXPECT_TRUE(sistema.cierrePedido());
    EXPECT_EQ(sistema.leerReloj(), 500u);
    sistema.reanudarReloj();
}

TEST_F(PruebaArranque, UnTextoConPorcientosSeEscribeTalCual)
{
    ASSERT_EQ(arrancar(), -1);
    sistema.limpiarPagina();
    sistema.escribirFormato(0, 0, makecol(255, 255, 255), "%s%n%d%%");
    int encendidos = 0;
    for (int x = 0; x < 8 * 8; ++x)
        for (int y = 0; y < 8; ++y)
            encendidos += getpixel(sistema.paginaDibujo, x, y) != 0;
    // Ocho letras visibles; interpretado como formato quedaría casi nada.
    EXPECT_GT(encendidos, 8 * 6);
    EXPECT_EQ(getpixel(sistema.paginaDibujo, 8 * 8 + 1, 3), 0);
}

TEST_F(PruebaArranque, SiLaMusicaNoPuedeSonarElProgramaTermina)
{
    ASSERT_EQ(arrancar(), -1);
    simulados.fallos = { "tocar" };
    EXPECT_EXIT(sistema.tocarMusica(sistema.musicaMenu), ::testing::ExitedWithCode(255), "");
}

TEST(PruebaReloj, EmpiezaEnCeroYCuentaSoloElContextoRegistrado)
{
    CSistema otro;
    EXPECT_EQ(otro.leerTicks(), 0u);
    EXPECT_EQ(CSistema::instancia, &sistema);
    uint32_t antes = sistema.leerTicks();
    CSistema::contarTick();
    EXPECT_EQ(sistema.leerTicks(), antes + 1);
    EXPECT_EQ(otro.leerTicks(), 0u);
}

// El temporizador cuenta desde otro hilo mientras el principal lee.
// El temporizador cuenta desde su hilo mientras el juego lee. La cuenta tiene
// que ser una suma indivisible: con dos hilos contando a la vez, una lectura
// y una escritura sueltas perderían ticks.
TEST(PruebaReloj, NoPierdeTicksContadosDesdeOtrosHilos)
{
    sistema.fijarTicks(0);
    constexpr uint32_t porHilo = 200000;
    std::atomic<int> acabados(0);
    auto contar = [&acabados] {
        for (uint32_t i = 0; i < porHilo; ++i)
            CSistema::contarTick();
        ++acabados;
    };
    std::thread primero(contar), segundo(contar);
    uint32_t ultimo = 0;
    bool creciente = true;
    while (acabados < 2) {
        uint32_t leido = sistema.leerTicks();
        creciente = creciente && leido >= ultimo;
        ultimo = leido;
    }
    primero.join();
    segundo.join();
    EXPECT_TRUE(creciente);
    EXPECT_EQ(sistema.leerTicks(), 2 * porHilo);
}

}

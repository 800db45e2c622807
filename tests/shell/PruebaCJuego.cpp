#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "shell/CJuego.h"
#include "shell/CSistema.h"
#include "tests/plataforma/PruebaConSimulados.h"
#include "opciones/CPreferenciasActivas.h"

namespace {

using Llamadas = std::vector<std::string>;

class PruebaFlujo : public PruebaConSimulados {
protected:

    // El jugador reacciona a lo que aparece en pantalla: en la presentación
    // n-ésima suelta todo y pulsa las teclas de guion[n].
    void guion(std::vector<std::vector<int>> pulsaciones)
    {
        simulados.alPresentar = [this, pulsaciones](int n) {
            pantallas.push_back(getpixel(sistema.paginaDibujo, 320, 240));
            for (int tecla = 0; tecla < KEY_MAX; ++tecla)
                simulados.teclas[tecla] = 0;
            if (n <= static_cast<int>(pulsaciones.size()))
                for (int tecla : pulsaciones[n - 1])
                    simulados.teclas[tecla] = 1;
        };
    }

    int cuantas(const std::string& llamada) const
    {
        return static_cast<int>(std::count(simulados.llamadas.begin(), simulados.llamadas.end(), llamada));
    }

    std::vector<int> pantallas;
};

// Colores con que la plataforma simulada pinta cada pantalla (tras fijar los 16 bits).
int presentacion() { return CDispositivosSimulados::colorDeImagen("graphics/pelmora.bmp"); }
int menu() { return CDispositivosSimulados::colorDeImagen("graphics/main.bmp"); }

TEST_F(PruebaFlujo, PresentacionEspacioMenuYSalirConTres)
{
    // Espacio sigue pulsado al empezar la espera del título: la acaba en el acto.
    guion({ { KEY_SPACE }, { KEY_3 } });
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(pantallas, (std::vector<int>{ presentacion(), menu() }));
    EXPECT_TRUE(juego.debeSalir());
    EXPECT_EQ(sistema.leerTicks(), 0u);
    EXPECT_TRUE(simulados.mensajes.empty());

    // La música del título empieza tras la presentación y el menú la para.
    auto tocar = std::find(simulados.llamadas.begin(), simulados.llamadas.end(), "tocar");
    auto parar = std::find(tocar, simulados.llamadas.end(), "parar");
    auto cargaMenu = std::find(parar, simulados.llamadas.end(), "imagen graphics/main.bmp");
    EXPECT_LT(std::find(simulados.llamadas.begin(), simulados.llamadas.end(), "imagen graphics/pelmora.bmp"), tocar);
    EXPECT_NE(cargaMenu, simulados.llamadas.end());
    EXPECT_EQ(simulados.llamadas.back(), "salirAllegro");
}

TEST_F(PruebaFlujo, LaSegundaOpcionVuelveAlMenu)
{
    guion({ { KEY_SPACE }, { KEY_2 }, { KEY_2 }, { KEY_3 } });
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(pantallas, (std::vector<int>{ presentacion(), menu(), menu(), menu() }));
    EXPECT_EQ(cuantas("imagen graphics/main.bmp"), 3);
    EXPECT_EQ(cuantas("tocar"), 1);
}

// El botón de cerrar acaba el programa como la tecla 3, desde donde sea.
TEST_F(PruebaFlujo, CerrarLaVentanaSaleSinError)
{
    simulados.alPresentar = [this](int n) {
        pantallas.push_back(n);
        if (n == 1)
            simulados.avisoCierre();
    };
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(pantallas, (std::vector<int>{ 1 }));
    EXPECT_FALSE(simulados.llamo("tocar"));
    EXPECT_EQ(simulados.llamadas.back(), "salirAllegro");

    // En el menú: vuelve como si se hubiera pulsado la 3.
    simulados.llamadas.clear();
    sistema.inicializar(preferenciasActivas);
    simulados.avisoCierre();
    EXPECT_EQ(juego.menuPrincipal(), 2);
}

// El 4 abre las opciones, que duermen entre tick y tick y, quietas, no se
// vuelven a dibujar; Escape vuelve al menú, y el botón de cerrar sale como
// en las demás pantallas.
TEST_F(PruebaFlujo, ElCuatroAbreLasOpcionesQueDuermenYAcabanConEscapeOElBotonDeCerrar)
{
    // Espacio en la presentación y el 4 en el menú; en las opciones, Escape y
    // el botón de cerrar, tick a tick.
    simulados.alPresentar = [this](int) {
        const int pantalla = getpixel(sistema.paginaDibujo, 320, 240);
        simulados.teclas[KEY_SPACE] = pantalla == presentacion();
        simulados.teclas[KEY_4] = pantalla == menu();
    };
    simulados.alDormir = [this](int siesta) {
        simulados.teclas[KEY_ESC] = siesta == 20;
        if (siesta == 40)
            simulados.avisoCierre();
    };
    simulados.topeSiestas = 1000;
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(cuantas("imagen graphics/opciones.bmp"), 2);
    EXPECT_EQ(cuantas("imagen graphics/main.bmp"), 2);
    // Las opciones se dibujan al abrir y al soltar el 4, no en cada tick.
    EXPECT_GE(simulados.siestas, 40);
    EXPECT_EQ(simulados.presentadas, 7);
    EXPECT_TRUE(juego.debeSalir());
}

// Las repeticiones también duermen entre tick y tick sin volver a dibujarse
// quietas, y el botón de cerrar las deja y sale del juego.
TEST_F(PruebaFlujo, LasRepeticionesDuermenYAcabanConElBotonDeCerrar)
{
    simulados.alPresentar = [this](int) {
        const int pantalla = getpixel(sistema.paginaDibujo, 320, 240);
        simulados.teclas[KEY_SPACE] = pantalla == presentacion();
        simulados.teclas[KEY_5] = pantalla == menu();
    };
    simulados.alDormir = [this](int siesta) {
        if (siesta == 30)
            simulados.avisoCierre();
    };
    // Si no durmiera, el mando, que se lee en cada vuelta, acaba la espera.
    simulados.hayMando = true;
    simulados.alLeerMando = [this](int n) {
        if (n > 5000)
            simulados.avisoCierre();
    };
    simulados.topeSiestas = 1000;
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(cuantas("imagen graphics/repeticiones.bmp"), 1);
    EXPECT_EQ(simulados.siestas, 30);
    // La presentación, el menú, la lista al abrir y al soltar el 5.
    EXPECT_EQ(simulados.presentadas, 4);
    EXPECT_TRUE(juego.debeSalir());
}

TEST_F(PruebaFlujo, SinLaMusicaDeFaseAvisaYNoMuestraNada)
{
    simulados.fallos = { "midi musics/fase1.mid" };
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 1);
    EXPECT_EQ(simulados.mensajes, (std::vector<std::string>{ "Error en el sistema de archivos" }));
    EXPECT_EQ(simulados.presentadas, 0);
    EXPECT_FALSE(simulados.llamo("imagen graphics/pelmora.bmp"));
    EXPECT_EQ(simulados.llamadas.back(), "salirAllegro");
}

TEST_F(PruebaFlujo, UnaPantallaQueNoSePuedeLeerEsUnErrorDeArchivos)
{
    simulados.fallos = { "imagen graphics/main.bmp" };
    guion({ { KEY_SPACE } });
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 1);
    EXPECT_EQ(simulados.mensajes, (std::vector<std::string>{ "Error en el sistema de archivos" }));
    EXPECT_EQ(pantallas, (std::vector<int>{ presentacion() }));
}

TEST_F(PruebaFlujo, SinPantallaSoloSeAvisaDelFalloDeAllegro)
{
    simulados.fallos = { "iniciarAllegro" };
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 1);
    EXPECT_EQ(simulados.llamadas, (Llamadas{ "iniciarAllegro", "mensaje" }));
    EXPECT_EQ(simulados.mensajes, (std::vector<std::string>{ "Error iniciando Allegro" }));
}

// Con varias teclas a la vez: la 1 gana de entrada; dentro de una vuelta, la
// 2 gana a la 3. Las del teclado numérico y Escape no cuentan.
TEST_F(PruebaFlujo, PrioridadDeLasTeclasDelMenu)
{
    sistema.inicializar(preferenciasActivas);
    CJuego juego;
    simulados.teclas[KEY_1] = simulados.teclas[KEY_2] = simulados.teclas[KEY_3] = 1;
    EXPECT_EQ(juego.menuPrincipal(), 0);
    simulados.teclas[KEY_1] = 0;
    EXPECT_EQ(juego.menuPrincipal(), 1);
    simulados.teclas[KEY_2] = 0;
    simulados.teclas[KEY_1_PAD] = simulados.teclas[KEY_2_PAD] = simulados.teclas[KEY_ESC] = 1;
    EXPECT_EQ(juego.menuPrincipal(), 2);
}

// El 5 abre las repeticiones, y también la cruceta del mando a la derecha;
// la que ya venía pulsada no cuenta hasta soltarla y volver a pulsarla.
TEST_F(PruebaFlujo, ElCincoOLaDerechaDelMandoAbrenLasRepeticiones)
{
    simulados.hayMando = true;
    sistema.inicializar(preferenciasActivas);
    CJuego juego;
    int lecturas = 0;
    // Si el menú no lo viera, el cierre de la ventana acaba la espera.
    simulados.alLeerMando = [&](int) {
        if (++lecturas > 1000)
            simulados.avisoCierre();
    };
    simulados.teclas[KEY_5] = 1;
    EXPECT_EQ(juego.menuPrincipal(), 5);
    simulados.teclas[KEY_5] = 0;
    lecturas = 0;
    simulados.mando.derecha = true;
    simulados.alLeerMando = [&](int) {
        ++lecturas;
        simulados.mando.derecha = lecturas < 50 || lecturas >= 60;
        if (lecturas > 1000)
            simulados.avisoCierre();
    };
    EXPECT_EQ(juego.menuPrincipal(), 5);
    EXPECT_EQ(lecturas, 60) << "abre con la pulsación nueva, no con la que venía";
}

// El botón del mando pasa la presentación y el título como Espacio; el menú
// espera a que se suelte y se vuelva a pulsar, y entonces es la tecla 1. Si
// alguna espera no lo viera, el cierre de la ventana la acaba.
TEST_F(PruebaFlujo, ElBotonDelMandoHaceDeEspacioYDeUno)
{
    simulados.hayMando = true;
    sistema.inicializar(preferenciasActivas);
    CJuego juego;
    simulados.mando.boton = true;
    simulados.alLeerMando = [this](int n) {
        if (n > 1000)
            simulados.avisoCierre();
    };
    juego.presentacion();
    juego.esperaTitulo();
    EXPECT_EQ(sistema.leerTicks(), 0u);
    int lecturas = 0;
    simulados.alLeerMando = [&](int) {
        ++lecturas;
        simulados.mando.boton = lecturas < 50 || lecturas >= 60;
        if (lecturas > 1000)
            simulados.avisoCierre();
    };
    EXPECT_EQ(juego.menuPrincipal(), 0);
    EXPECT_EQ(lecturas, 60) << "elige con la pulsación nueva, no con la que venía";
    EXPECT_FALSE(sistema.cierrePedido());
    EXPECT_EQ(simulados.teclas[KEY_SPACE], 0);
}

// Con Espacio suelto la espera dura exactamente hasta el tick 500.
TEST_F(PruebaFlujo, LaEsperaDelTituloDuraCincoSegundos)
{
    sistema.inicializar(preferenciasActivas);
    CJuego juego;
    std::atomic<bool> terminada(false);
    sistema.fijarTicks(12345);
    std::thread espera([&] {
        juego.esperaTitulo();
        terminada = true;
    });
    while (sistema.leerTicks() != 0) {
    }
    for (int i = 0; i < 499; ++i)
        CSistema::contarTick();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(terminada);
    CSistema::contarTick();
    espera.join();
    EXPECT_TRUE(terminada);
    EXPECT_EQ(sistema.leerTicks(), 500u);
    EXPECT_TRUE(simulados.llamo("tocar"));
}

}

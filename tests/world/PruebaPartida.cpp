#include <gtest/gtest.h>

#include "player/CDisparo.h"
#include "player/CRana.h"
#include "shell/CJuego.h"
#include "stage/CFase1.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"
#include "world/CPartida.h"

namespace {

class PruebaBucle : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        partida.fase = new CFase1();
    }

    // Guion por cuadro presentado (desde 1): se llama antes de mostrarlo.
    void cadaCuadro(std::function<void(int)> accion)
    {
        simulados.alPresentar = [this, accion](int n) {
            ticksPorCuadro.push_back(sistema.leerReloj());
            accion(n);
        };
    }

    CPartida partida;
    std::vector<uint32_t> ticksPorCuadro;
};

// Lo que se pone tras el primer cuadro choca en el segundo, y se comprueba
// al mostrarlo, con todo aún vivo.
class PruebaPartida : public PruebaBucle {
protected:
    void chocarEnElSegundoCuadro(const std::function<void()>& poner, const std::function<void()>& comprobar)
    {
        cadaCuadro([&](int n) {
            if (n == 1)
                poner();
            if (n == 2) {
                comprobar();
                pulsar(KEY_ESC);
            }
        });
        partida.jugarFase();
        EXPECT_EQ(simulados.presentadas, 2);
    }

    // Entidad de prueba cuya caja cubre la de la rana (o la dada).
    CEntidadDePrueba* poner(const std::string& nombre, int tipo, int x = 120, int y = 200)
    {
        auto* e = new CEntidadDePrueba(nombre, tipo, &registro);
        e->x = x;
        e->y = y;
        e->caja(0, 0, 40, 40);
        listaEntidades.agregar(e);
        return e;
    }

    // Lo anotado en los choques, sin lo que anotan al actualizarse y dibujarse.
    std::vector<std::string> choques() const
    {
        std::vector<std::string> anotados;
        for (const std::string& linea : registro)
            if (linea.find(" choca ") != std::string::npos)
                anotados.push_back(linea);
        return anotados;
    }
};

// Premio y bala tocándola a la vez: recoge uno y recibe la otra, en el orden de la lista.
TEST_F(PruebaPartida, LaRanaChocaConTodoEnElOrdenDeLaLista)
{
    CEntidadDePrueba *premio, *bala, *humo, *lejos;
    chocarEnElSegundoCuadro(
        [&] {
            premio = poner("premio", TIPO_PREMIO);
            bala = poner("bala", TIPO_BALA);
            humo = poner("humo", TIPO_INERTE);
            lejos = poner("lejos", TIPO_BALA, 500, 0);
        },
        [&] {
            EXPECT_EQ(jugador->potencia, 75);
            EXPECT_EQ(jugador->energia, 73);
            EXPECT_EQ(premio->estado, 1);
            EXPECT_EQ(bala->estado, 1);
            EXPECT_EQ(humo->estado, 0);
            EXPECT_EQ(lejos->estado, 0);
        });
}

// Un disparo solo alcanza a los enemigos que ya estaban cuando salió.
TEST_F(PruebaPartida, UnDisparoAnteriorAlEnemigoLoAtraviesa)
{
    CEntidadDePrueba *viejo, *enemigo, *nuevo;
    chocarEnElSegundoCuadro(
        [&] {
            viejo = poner("viejo", TIPO_DISPARO, 310, 110);
            enemigo = poner("enemigo", TIPO_ENEMIGO, 300, 100);
            nuevo = poner("nuevo", TIPO_DISPARO, 310, 110);
        },
        [&] {
            EXPECT_EQ(choques(), (std::vector<std::string>{ "enemigo choca nuevo" }));
            EXPECT_EQ(viejo->estado, 0);
            EXPECT_EQ(nuevo->estado, 1);
            EXPECT_EQ(enemigo->estado, 0);
        });
}

// Un disparo gastado sigue probándose en la misma pasada: puede dar a dos
// enemigos que se solapan. Un enemigo que muere deja de ser blanco en el acto.
TEST_F(PruebaPartida, UnDisparoPuedeDarADosEnemigosEnUnCuadro)
{
    chocarEnElSegundoCuadro(
        [&] {
            CEntidadDePrueba* a = poner("a", TIPO_ENEMIGO, 300, 100);
            CEntidadDePrueba* b = poner("b", TIPO_ENEMIGO, 305, 100);
            a->reaccion = [](CEntidadDePrueba* yo, CEntidad* otra) {
                otra->estado = 1;
                yo->tipo = TIPO_INERTE;
            };
            poner("d1", TIPO_DISPARO, 310, 110);
            poner("d2", TIPO_DISPARO, 312, 112);
            // Lo que aparece durante la pasada también se recorre, sin efecto.
            b->reaccion = [](CEntidadDePrueba*, CEntidad* otra) {
                otra->estado = 1;
                listaEntidades.agregar(new CEntidadDePrueba("premio", TIPO_PREMIO, nullptr));
            };
        },
        [&] {
            EXPECT_EQ(choques(), (std::vector<std::string>{ "a choca d1", "b choca d1", "b choca d2" }));
            EXPECT_EQ(entidades().size(), 7u);
        });
}

TEST_F(PruebaPartida, ElMarcadorMuestraTresCifrasDeCadaContador)
{
    CRana rana;
    rana.energia = 74;
    rana.potencia = 1234;
    clear_bitmap(sistema.paginaDibujo);
    partida.dibujarMarcador(&rana);
    const int tira = makecol(COLOR_MARCADOR_R, 40, 40);
    EXPECT_EQ(pixel(4, 450), tira);
    EXPECT_EQ(pixel(639, 479), tira);
    EXPECT_EQ(pixel(639, 447), 0);
    EXPECT_EQ(numeroEn(sistema.paginaDibujo, 68), "074");
    EXPECT_EQ(numeroEn(sistema.paginaDibujo, 280), "234");
    // Fuera de las celdas queda la tira, no una cuarta cifra.
    EXPECT_EQ(pixel(60, 463), tira);
    EXPECT_EQ(pixel(272, 463), tira);
}

TEST_F(PruebaBucle, EscapeYaPulsadoDejaVerUnCuadroEntero)
{
    pulsar(KEY_ESC);
    partida.jugarFase();
    EXPECT_EQ(simulados.presentadas, 1);
    EXPECT_TRUE(listaEntidades.vacia());
    EXPECT_EQ(jugador, nullptr) << "la lista ha borrado la rana";
    EXPECT_EQ(partida.fase, nullptr);
    EXPECT_TRUE(simulados.llamo("tocar")) << "la fase pone su música";
    EXPECT_FALSE(simulados.llamo("parar")) << "la partida no la para: lo hace el menú";
}

// A lo sumo un cuadro por tick: cuando el cuadro es más rápido que el reloj,
// la partida duerme hasta el tick siguiente. El medidor cierra su ventana
// cuando han pasado más de 100 ticks, o sea a los 101, y marca cuadros × 100
// / 101. El primer cuadro no espera a ningún tick, así que en el tick de
// salida se ven dos: la primera ventana cuenta 2 + 101 = 103 cuadros y marca
// 101 (10300 / 101); desde entonces cada una cuenta uno por tick, 101, y
// marca 100. Antes de cerrar la primera, tres ceros.
TEST_F(PruebaBucle, UnCuadroPorTickYElMedidorLoCuenta)
{
    std::vector<std::string> medidor;
    cadaCuadro([&](int n) {
        // Al mostrarse, el cuadro aún está en la página de dibujo.
        medidor.push_back(numeroEn(sistema.paginaDibujo, 368));
        if (n == 250)
            pulsar(KEY_ESC);
    });
    partida.jugarFase();
    ASSERT_EQ(simulados.presentadas, 250);
    for (size_t i = 1; i < ticksPorCuadro.size(); ++i)
        ASSERT_EQ(ticksPorCuadro[i], ticksPorCuadro[i - 1] + 1) << "cuadro " << i;
    // El cuadro i (desde 0) se mide en el tick i - 1 desde el de salida, salvo
    // el primero, que se mide en el de salida.
    EXPECT_EQ(medidor[101], "000") << "tick 100: aún no han pasado más de 100";
    EXPECT_EQ(medidor[102], "101") << "tick 101: 103 cuadros en 101 ticks";
    EXPECT_EQ(medidor[202], "101");
    EXPECT_EQ(medidor[203], "100") << "tick 202: 101 cuadros en 101 ticks";
    EXPECT_EQ(medidor[249], "100");
}

// Anota el reloj y Espacio en su actualizar; si se le da la plataforma, hace
// correr el temporizador y cambia Espacio a mitad del cuadro, como los hilos
// de verdad. La partida lo borra al acabar: lo anotado queda fuera.
class CLector : public CEntidad {
public:
    CLector(std::vector<uint32_t>* vistos, CDispositivosSimulados* simulados) : vistos(vistos), simulados(simulados)
    {
        situar(0, 0, TIPO_INERTE, nullptr);
    }
    void actualizar() override
    {
        vistos->push_back(sistema.leerTicks() * 2 + (sistema.teclas[KEY_SPACE] ? 1 : 0));
        if (!simulados)
            return;
        for (int i = 0; i < 3; ++i)
            CSistema::contarTick();
        simulados->teclas[KEY_SPACE] ^= 1;
    }
    void dibujar() override {}

    std::vector<uint32_t>* vistos;
    CDispositivosSimulados* simulados;
};

// Todo un cuadro ve un solo tick y unas solas teclas, las de su comienzo,
// aunque el reloj y el teclado cambien mientras se actualiza.
TEST_F(PruebaBucle, CadaCuadroVeUnSoloTickYUnasSolasTeclas)
{
    std::vector<uint32_t> primero, segundo;
    crear<CLector>(&primero, &simulados);
    crear<CLector>(&segundo, nullptr);
    cadaCuadro([&](int n) {
        if (n == 20)
            pulsar(KEY_ESC);
    });
    partida.jugarFase();
    ASSERT_EQ(primero.size(), 20u);
    EXPECT_EQ(segundo, primero);
    EXPECT_NE(primero[1] & 1, primero[2] & 1) << "Espacio sí cambia de un cuadro al siguiente";
}

// Un cuadro que tarda más de un tick (aquí, al mostrarse) no se retrasa más.
TEST_F(PruebaBucle, UnCuadroLentoNoEspera)
{
    cadaCuadro([&](int n) {
        avanzarTicks(3);
        if (n == 50)
            pulsar(KEY_ESC);
    });
    partida.jugarFase();
    EXPECT_EQ(simulados.siestas, 0);
}

// Al quedarse sin energía se acaba el cuadro, se ven los tres ceros y termina.
TEST_F(PruebaBucle, SinEnergiaSeMuestraElCuadroConCeroYTermina)
{
    cadaCuadro([&](int n) {
        if (n == 3) {
            jugador->energia = 1;
            auto* bala = new CEntidadDePrueba("bala", TIPO_BALA, &registro);
            bala->x = jugador->x + 40;
            bala->y = jugador->y + 10;
            listaEntidades.agregar(bala);
        }
    });
    partida.jugarFase();
    EXPECT_EQ(simulados.presentadas, 4);
    EXPECT_EQ(numeroEn(sistema.paginaVisible, 68), "000");
    EXPECT_EQ(numeroEn(sistema.paginaVisible, 280), "074");
    EXPECT_TRUE(listaEntidades.vacia());
}

// Cada partida empieza de cero: lista vacía, rana nueva con 74 y 74.
TEST_F(PruebaBucle, UnaPartidaNuevaEmpiezaDeCero)
{
    cadaCuadro([&](int n) {
        if (n == 2)
            jugador->potencia = 120;
        if (n == 3)
            pulsar(KEY_ESC);
    });
    partida.jugarFase();
    pulsar(KEY_ESC, false);
    CPartida otra;
    otra.fase = new CFase1();
    cadaCuadro([&](int) {
        EXPECT_EQ(entidades().size(), 1u);
        EXPECT_EQ(jugador->potencia, 74);
        EXPECT_EQ(jugador->energia, 74);
        pulsar(KEY_ESC);
    });
    otra.jugarFase();
    EXPECT_EQ(otra.fase, nullptr);
    EXPECT_TRUE(listaEntidades.vacia());
}

TEST_F(PruebaBucle, CerrarLaVentanaTerminaLaPartida)
{
    cadaCuadro([&](int n) {
        if (n == 5)
            simulados.avisoCierre();
    });
    partida.jugarFase();
    EXPECT_EQ(simulados.presentadas, 5);
}

// Del menú a la fase y vuelta: la tecla 1 juega, Escape vuelve, la 3 sale.
TEST_F(PruebaBucle, ElMenuJuegaLaFaseYVuelve)
{
    sistema.finalizar();
    simulados.llamadas.clear();
    std::vector<int> guion[] = { { KEY_SPACE }, { KEY_1 }, {}, { KEY_ESC }, { KEY_3 } };
    simulados.alPresentar = [&](int n) {
        for (int tecla = 0; tecla < KEY_MAX; ++tecla)
            simulados.teclas[tecla] = 0;
        if (n <= 5)
            for (int tecla : guion[n - 1])
                simulados.teclas[tecla] = 1;
    };
    CJuego juego;
    EXPECT_EQ(juego.ejecutar(), 0);
    EXPECT_EQ(simulados.presentadas, 5);
    EXPECT_TRUE(simulados.llamo("imagen graphics/rana.bmp"));
    EXPECT_TRUE(simulados.llamo("imagen graphics/fase1.bmp"));
    EXPECT_TRUE(listaEntidades.vacia());
}

TEST_F(PruebaBucle, SinLaRanaOSinLaFaseSeAvisaDelErrorDeArchivos)
{
    sistema.finalizar();
    for (const char* falta : { "imagen graphics/rana.bmp", "imagen graphics/fase1.bmp" }) {
        simulados.fallos = { falta };
        simulados.mensajes.clear();
        simulados.presentadas = 0;
        simulados.alPresentar = [&](int n) { simulados.teclas[n == 1 ? KEY_SPACE : KEY_1] = 1; };
        CJuego juego;
        EXPECT_EQ(juego.ejecutar(), 1) << falta;
        EXPECT_EQ(simulados.mensajes, (std::vector<std::string>{ "Error en el sistema de archivos" })) << falta;
        EXPECT_TRUE(listaEntidades.vacia());
    }
}

}

#include <gtest/gtest.h>

#include <functional>

#include "opciones/CMenuOpciones.h"

namespace {

// El menú con la entrada dada elegida, llegando a ella con las flechas.
void irA(CMenuOpciones& menu, Entrada entrada, int accion = 0)
{
    for (size_t i = 0; i < menu.lineas().size(); ++i) {
        if (menu.lineaElegida().entrada == entrada && menu.lineaElegida().accion == accion)
            return;
        menu.mover(1);
    }
    FAIL() << "no hay entrada " << static_cast<int>(entrada);
}

bool mismasTeclas(const Preferencias& a, const Preferencias& b)
{
    return std::equal(std::begin(a.teclas), std::end(a.teclas), std::begin(b.teclas));
}

TEST(PruebaMenuOpciones, CadaValorAvanzaPorSusPasosYSeQuedaEnSusBordes)
{
    struct Caso {
        const char* nombre;
        std::function<void(Preferencias&)> antes;
        Entrada entrada;
        int paso;
        bool cambia;
        Ajuste cual;
        std::function<bool(const CMenuOpciones&)> despues;
    };
    const Caso casos[] = {
        { "volumen abajo", [](Preferencias& p) { p.volumen = 8; }, Entrada::VOLUMEN, -1, true, Ajuste::VOLUMEN,
          [](const CMenuOpciones& m) { return m.valores().volumen == 7; } },
        { "volumen en 0", [](Preferencias& p) { p.volumen = 0; }, Entrada::VOLUMEN, -1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return m.valores().volumen == 0; } },
        { "volumen en 10", [](Preferencias&) {}, Entrada::VOLUMEN, 1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return m.valores().volumen == 10; } },
        { "silencio", [](Preferencias&) {}, Entrada::SILENCIO, 1, true, Ajuste::SILENCIO,
          [](const CMenuOpciones& m) { return m.valores().silencio; } },
        { "escala 0 es la mayor", [](Preferencias&) {}, Entrada::ESCALA, -1, true, Ajuste::ESCALA,
          [](const CMenuOpciones& m) { return m.valores().escala == 2 && m.factor() == 2; } },
        { "escala en la mayor", [](Preferencias& p) { p.escala = 3; }, Entrada::ESCALA, 1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return m.valores().escala == 3; } },
        { "escala en 1", [](Preferencias& p) { p.escala = 1; }, Entrada::ESCALA, -1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return m.factor() == 1; } },
        { "a pantalla completa", [](Preferencias&) {}, Entrada::MODO, 1, true, Ajuste::COMPLETA,
          [](const CMenuOpciones& m) {
              return m.valores().completa && m.lineas()[3].entrada == Entrada::IMAGEN;
          } },
        { "estirada", [](Preferencias& p) { p.completa = true; }, Entrada::IMAGEN, -1, true, Ajuste::ESTIRADA,
          [](const CMenuOpciones& m) { return m.valores().estirada; } },
        { "zona muerta", [](Preferencias&) {}, Entrada::ZONA_MUERTA, 1, true, Ajuste::ZONA_MUERTA,
          [](const CMenuOpciones& m) { return m.valores().zonaMuerta == 48 + CMenuOpciones::PASO_ZONA_MUERTA; } },
        { "zona muerta al tope", [](Preferencias& p) { p.zonaMuerta = 124; }, Entrada::ZONA_MUERTA, 1, true,
          Ajuste::ZONA_MUERTA, [](const CMenuOpciones& m) { return m.valores().zonaMuerta == 127; } },
        { "botón en 1", [](Preferencias&) {}, Entrada::BOTON_DISPARO, -1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return m.valores().botonDisparo == 1; } },
        { "botón de inicio", [](Preferencias&) {}, Entrada::BOTON_INICIO, 1, true, Ajuste::BOTONES,
          [](const CMenuOpciones& m) { return m.valores().botonInicio == 9; } },
        { "una tecla no tiene pasos", [](Preferencias&) {}, Entrada::TECLA, 1, false, Ajuste::TODOS,
          [](const CMenuOpciones& m) { return mismasTeclas(m.valores(), Preferencias()); } },
    };
    for (const Caso& caso : casos) {
        Preferencias inicio;
        caso.antes(inicio);
        CMenuOpciones menu(inicio, 3, true);
        irA(menu, caso.entrada);
        const Resultado r = menu.cambiar(caso.paso);
        EXPECT_EQ(r.cambio, caso.cambia) << caso.nombre;
        if (r.cambio) {
            EXPECT_EQ(r.cual, caso.cual) << caso.nombre;
        }
        EXPECT_TRUE(caso.despues(menu)) << caso.nombre;
        EXPECT_FALSE(r.volver) << caso.nombre;
    }
}

TEST(PruebaMenuOpciones, UnaTeclaDeOtraAccionSeCambiaPorLaSuya)
{
    struct Caso {
        AccionJuego accion;
        int tecla;
        AccionJuego otra;  // la que se queda con la tecla de accion; NUM_ACCIONES si ninguna
    };
    for (const Caso& caso : { Caso{ DISPARO, KEY_LCONTROL, NUM_ACCIONES }, Caso{ DISPARO, KEY_P, PAUSA },
                              Caso{ ARRIBA, KEY_DOWN, ABAJO }, Caso{ DERECHA, KEY_RIGHT, NUM_ACCIONES } }) {
        CMenuOpciones menu(Preferencias(), 2, false);
        irA(menu, Entrada::TECLA, caso.accion);
        menu.elegir();
        ASSERT_EQ(menu.espera(), Espera::TECLA);
        const Resultado r = menu.tecla(caso.tecla);
        EXPECT_TRUE(r.cambio);
        EXPECT_EQ(r.cual, Ajuste::TECLAS);
        EXPECT_EQ(menu.espera(), Espera::NADA);
        Preferencias esperadas;
        esperadas.teclas[caso.accion] = caso.tecla;
        if (caso.otra != NUM_ACCIONES) {
            esperadas.teclas[caso.otra] = Preferencias().teclas[caso.accion];
            EXPECT_EQ(menu.aviso(), Aviso::CAMBIADAS);
            EXPECT_EQ(menu.datoAviso(), caso.otra);
        } else {
            EXPECT_EQ(menu.aviso(), Aviso::NINGUNO);
        }
        EXPECT_TRUE(mismasTeclas(menu.valores(), esperadas)) << caso.tecla;
    }
}

TEST(PruebaMenuOpciones, UnaTeclaFijaSeRechazaYNoCambiaNada)
{
    for (int fija : { KEY_ESC, KEY_F8, KEY_F10, KEY_F11, KEY_M, KEY_1, KEY_2, KEY_3, KEY_4, KEY_MINUS, KEY_EQUALS,
                      KEY_MINUS_PAD, KEY_PLUS_PAD }) {
        CMenuOpciones menu(Preferencias(), 2, false);
        irA(menu, Entrada::TECLA, DISPARO);
        menu.elegir();
        const Resultado r = menu.tecla(fija);
        EXPECT_FALSE(r.cambio) << fija;
        EXPECT_FALSE(r.volver) << fija;
        EXPECT_EQ(menu.aviso(), Aviso::FIJA) << fija;
        EXPECT_EQ(menu.datoAviso(), fija);
        EXPECT_EQ(menu.espera(), Espera::NADA);
        EXPECT_TRUE(mismasTeclas(menu.valores(), Preferencias())) << fija;
    }
}

TEST(PruebaMenuOpciones, LosValoresDeSeriePreguntanAntesYVuelvenTodos)
{
    Preferencias cambiadas;
    cambiadas.volumen = 3;
    cambiadas.silencio = cambiadas.completa = cambiadas.estirada = true;
    cambiadas.escala = 2;
    cambiadas.botonDisparo = 4;
    cambiadas.zonaMuerta = 96;
    cambiadas.teclas[DISPARO] = KEY_LCONTROL;
    CMenuOpciones menu(cambiadas, 3, true);
    irA(menu, Entrada::SERIE);
    // Con «no», o con Escape, todo sigue como estaba.
    menu.elegir();
    EXPECT_EQ(menu.espera(), Espera::PREGUNTA);
    EXPECT_FALSE(menu.respuestaSi());
    EXPECT_FALSE(menu.elegir().cambio);
    menu.elegir();
    menu.cambiar(1);
    EXPECT_FALSE(menu.cancelar().volver);
    EXPECT_EQ(menu.valores().volumen, 3);

    menu.elegir();
    menu.cambiar(-1);
    EXPECT_TRUE(menu.respuestaSi());
    const Resultado r = menu.elegir();
    EXPECT_TRUE(r.cambio);
    EXPECT_EQ(r.cual, Ajuste::TODOS);
    EXPECT_EQ(menu.aviso(), Aviso::DE_SERIE);
    const Preferencias serie, &v = menu.valores();
    EXPECT_EQ(v.volumen, serie.volumen);
    EXPECT_EQ(v.silencio, serie.silencio);
    EXPECT_EQ(v.completa, serie.completa);
    EXPECT_EQ(v.estirada, serie.estirada);
    EXPECT_EQ(v.escala, serie.escala);
    EXPECT_EQ(v.botonDisparo, serie.botonDisparo);
    EXPECT_EQ(v.zonaMuerta, serie.zonaMuerta);
    EXPECT_TRUE(mismasTeclas(v, serie));
    // De vuelta en ventana: la escala vuelve a la lista, y la entrada elegida sigue ahí.
    EXPECT_EQ(menu.lineas()[3].entrada, Entrada::ESCALA);
    EXPECT_EQ(menu.lineaElegida().entrada, Entrada::SERIE);
}

TEST(PruebaMenuOpciones, LosBotonesDelMandoEsperanElSiguienteYSeCambianEntreSi)
{
    CMenuOpciones menu(Preferencias(), 2, true);
    irA(menu, Entrada::BOTON_DISPARO);
    EXPECT_FALSE(menu.boton(3).cambio) << "sin elegir antes la entrada";
    menu.elegir();
    EXPECT_EQ(menu.espera(), Espera::BOTON);
    EXPECT_TRUE(menu.boton(3).cambio);
    EXPECT_EQ(menu.valores().botonDisparo, 3);
    menu.elegir();
    const Resultado r = menu.boton(8);
    EXPECT_EQ(r.cual, Ajuste::BOTONES);
    EXPECT_EQ(menu.valores().botonDisparo, 8);
    EXPECT_EQ(menu.valores().botonInicio, 3);
    // Escape deja la espera sin volver al menú.
    menu.elegir();
    EXPECT_FALSE(menu.cancelar().volver);
    EXPECT_EQ(menu.espera(), Espera::NADA);
}

TEST(PruebaMenuOpciones, SinMandoNoHayEntradasDelMandoYEscapeOVolverSalen)
{
    CMenuOpciones menu(Preferencias(), 2, false);
    for (const LineaOpciones& l : menu.lineas())
        EXPECT_TRUE(l.entrada != Entrada::BOTON_DISPARO && l.entrada != Entrada::BOTON_INICIO &&
                    l.entrada != Entrada::ZONA_MUERTA);
    EXPECT_EQ(menu.lineas().size(), 4u + NUM_ACCIONES + 2u);
    // Las flechas dan la vuelta: de la primera a la última, Volver.
    menu.mover(-1);
    EXPECT_EQ(menu.lineaElegida().entrada, Entrada::VOLVER);
    EXPECT_FALSE(menu.tecla(KEY_A).cambio) << "sin esperar tecla no se da ninguna";
    EXPECT_TRUE(menu.elegir().volver);
    menu.mover(1);
    EXPECT_EQ(menu.elegida(), 0);
    EXPECT_TRUE(menu.cancelar().volver);
}

}

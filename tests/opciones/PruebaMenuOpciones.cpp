#include <gtest/gtest.h>

#include <algorithm>

#include "opciones/CMenuOpciones.h"

namespace {

// El menú con la entrada dada elegida, llegando a ella con las flechas.
void irA(CMenuOpciones& menu, Entrada entrada, int accion = 0)
{
    for (size_t i = 0; i < menu.lineas().size(); ++i, menu.mover(1))
        if (menu.lineaElegida().entrada == entrada && menu.lineaElegida().accion == accion)
            return;
    FAIL() << "no hay entrada " << static_cast<int>(entrada);
}

bool mismasTeclas(const Preferencias& a, const Preferencias& b)
{
    return std::equal(std::begin(a.teclas), std::end(a.teclas), std::begin(b.teclas));
}

// Con la escala en 0 se ve la mayor que cabe, 3 en estas pruebas.
TEST(PruebaMenuOpciones, CadaValorAvanzaPorSusPasosYSeQuedaEnSusBordes)
{
    struct Paso {
        Entrada entrada;
        int Preferencias::*campo;
        int antes, paso, despues;
        bool cambia;
        Ajuste cual;
    };
    const Ajuste NADA = Ajuste::TODOS;
    for (const Paso& p : { Paso{ Entrada::VOLUMEN, &Preferencias::volumen, 8, -1, 7, true, Ajuste::VOLUMEN },
                           Paso{ Entrada::VOLUMEN, &Preferencias::volumen, 0, -1, 0, false, NADA },
                           Paso{ Entrada::VOLUMEN, &Preferencias::volumen, 10, 1, 10, false, NADA },
                           Paso{ Entrada::ESCALA, &Preferencias::escala, 0, -1, 2, true, Ajuste::ESCALA },
                           Paso{ Entrada::ESCALA, &Preferencias::escala, 3, 1, 3, false, NADA },
                           Paso{ Entrada::ESCALA, &Preferencias::escala, 1, -1, 1, false, NADA },
                           Paso{ Entrada::ZONA_MUERTA, &Preferencias::zonaMuerta, 48, 1, 56, true, Ajuste::ZONA_MUERTA },
                           Paso{ Entrada::ZONA_MUERTA, &Preferencias::zonaMuerta, 124, 1, 127, true, Ajuste::ZONA_MUERTA },
                           Paso{ Entrada::BOTON_DISPARO, &Preferencias::botonDisparo, 1, -1, 1, false, NADA },
                           Paso{ Entrada::BOTON_INICIO, &Preferencias::botonInicio, 8, 1, 9, true, Ajuste::BOTONES } }) {
        Preferencias inicio;
        inicio.*p.campo = p.antes;
        CMenuOpciones menu(inicio, 3, true);
        irA(menu, p.entrada);
        SCOPED_TRACE(std::to_string(static_cast<int>(p.entrada)) + " desde " + std::to_string(p.antes));
        const Resultado r = menu.cambiar(p.paso);
        EXPECT_TRUE(r.cambio == p.cambia && r.cual == p.cual);
        EXPECT_EQ(menu.valores().*p.campo, p.despues);
    }
    struct SiNo {
        Entrada entrada;
        bool Preferencias::*campo;
        Ajuste cual;
    };
    for (const SiNo& s : { SiNo{ Entrada::SILENCIO, &Preferencias::silencio, Ajuste::SILENCIO },
                           SiNo{ Entrada::MODO, &Preferencias::completa, Ajuste::COMPLETA },
                           SiNo{ Entrada::IMAGEN, &Preferencias::estirada, Ajuste::ESTIRADA } }) {
        Preferencias inicio;
        inicio.completa = s.entrada == Entrada::IMAGEN;
        CMenuOpciones menu(inicio, 3, true);
        irA(menu, s.entrada);
        EXPECT_EQ(menu.cambiar(-1).cual, s.cual);
        EXPECT_NE(menu.valores().*s.campo, inicio.*s.campo);
        // En pantalla completa la escala deja su sitio a la imagen entera o estirada.
        EXPECT_EQ(menu.lineas()[3].entrada, menu.valores().completa ? Entrada::IMAGEN : Entrada::ESCALA);
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
        EXPECT_EQ(menu.tecla(caso.tecla).cual, Ajuste::TECLAS);
        EXPECT_EQ(menu.espera(), Espera::NADA);
        Preferencias esperadas;
        esperadas.teclas[caso.accion] = caso.tecla;
        if (caso.otra != NUM_ACCIONES)
            esperadas.teclas[caso.otra] = Preferencias().teclas[caso.accion];
        EXPECT_EQ(menu.aviso(), caso.otra != NUM_ACCIONES ? Aviso::CAMBIADAS : Aviso::NINGUNO);
        EXPECT_TRUE(mismasTeclas(menu.valores(), esperadas)) << caso.tecla;
    }
}

// Sobre todo el teclado: la tabla de las fijas del juego se rechaza entera
// sin cambiar nada, y cualquier otra tecla se da.
TEST(PruebaMenuOpciones, UnaTeclaFijaSeRechazaYNoCambiaNada)
{
    const auto& fijas = CAjustes::TECLAS_FIJAS;
    for (int tecla = 1; tecla < KEY_MAX; ++tecla) {
        CMenuOpciones menu(Preferencias(), 2, false);
        irA(menu, Entrada::TECLA, DISPARO);
        menu.elegir();
        const Resultado r = menu.tecla(tecla);
        EXPECT_EQ(menu.espera(), Espera::NADA);
        if (std::find(std::begin(fijas), std::end(fijas), tecla) == std::end(fijas)) {
            EXPECT_TRUE(r.cambio && menu.valores().teclas[DISPARO] == tecla) << tecla;
            continue;
        }
        EXPECT_FALSE(r.cambio || r.volver) << tecla;
        EXPECT_EQ(menu.aviso(), Aviso::FIJA) << tecla;
        EXPECT_EQ(menu.datoAviso(), tecla);
        EXPECT_TRUE(mismasTeclas(menu.valores(), Preferencias())) << tecla;
    }
}

TEST(PruebaMenuOpciones, LosValoresDeSeriePreguntanAntesYVuelvenTodos)
{
    Preferencias cambiadas;
    cambiadas.volumen = 3;
    cambiadas.silencio = cambiadas.completa = cambiadas.estirada = true;
    cambiadas.escala = cambiadas.botonDisparo = 2;
    cambiadas.zonaMuerta = 96;
    cambiadas.teclas[DISPARO] = KEY_LCONTROL;
    CMenuOpciones menu(cambiadas, 3, true);
    irA(menu, Entrada::SERIE);
    // Con «no», o con Escape, todo sigue como estaba.
    menu.elegir();
    EXPECT_EQ(menu.espera(), Espera::PREGUNTA);
    EXPECT_FALSE(menu.elegir().cambio);
    menu.elegir();
    menu.cambiar(1);
    EXPECT_FALSE(menu.cancelar().volver);
    EXPECT_EQ(menu.valores().volumen, 3);

    menu.elegir();
    menu.cambiar(-1);
    EXPECT_EQ(menu.elegir().cual, Ajuste::TODOS);
    EXPECT_EQ(menu.aviso(), Aviso::DE_SERIE);
    const Preferencias serie, &v = menu.valores();
    EXPECT_TRUE(v.volumen == serie.volumen && v.silencio == serie.silencio && v.completa == serie.completa &&
                v.estirada == serie.estirada && v.escala == serie.escala && v.botonDisparo == serie.botonDisparo &&
                v.zonaMuerta == serie.zonaMuerta && mismasTeclas(v, serie));
    EXPECT_EQ(menu.lineaElegida().entrada, Entrada::SERIE);
}

TEST(PruebaMenuOpciones, SinMandoNoHayEntradasDelMandoYEscapeOVolverSalen)
{
    CMenuOpciones menu(Preferencias(), 2, false);
    EXPECT_EQ(menu.lineas().size(), 4u + NUM_ACCIONES + 2u);
    // Las flechas dan la vuelta: de la primera a la última, Volver.
    menu.mover(-1);
    EXPECT_FALSE(menu.tecla(KEY_A).cambio) << "sin esperar tecla no se da ninguna";
    EXPECT_TRUE(menu.elegir().volver && menu.cancelar().volver);
}

}

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "opciones/CMenuOpciones.h"

namespace {

// El menú con la línea dada elegida, llegando a ella con las flechas: la de
// un ajuste, por su clave en el archivo, o la de los valores de serie.
void irA(CMenuOpciones& menu, const char* clave, Opcion opcion = Opcion::AJUSTE)
{
    for (size_t i = 0; i < menu.lineas().size(); ++i, menu.mover(1)) {
        const LineaOpciones& linea = menu.lineaElegida();
        if (linea.opcion == opcion && (!linea.ajuste || !std::strcmp(linea.ajuste->clave, clave)))
            return;
    }
    FAIL() << "no hay línea " << clave;
}

bool mismasTeclas(const Preferencias& a, const Preferencias& b)
{
    return std::equal(std::begin(a.teclas), std::end(a.teclas), std::begin(b.teclas));
}

// Con la escala en 0 se ve la mayor que cabe, 3 en estas pruebas.
TEST(PruebaMenuOpciones, CadaValorAvanzaPorSusPasosYSeQuedaEnSusBordes)
{
    struct Paso {
        const char* clave;
        int Preferencias::*campo;
        int antes, paso, despues;
        bool cambia;
        Ajuste cual;
    };
    const Ajuste NADA = Ajuste::TODOS;
    for (const Paso& p : { Paso{ "volumen", &Preferencias::volumen, 8, -1, 7, true, Ajuste::VOLUMEN },
                           Paso{ "volumen", &Preferencias::volumen, 0, -1, 0, false, NADA },
                           Paso{ "volumen", &Preferencias::volumen, 10, 1, 10, false, NADA },
                           Paso{ "escala", &Preferencias::escala, 0, -1, 2, true, Ajuste::ESCALA },
                           Paso{ "escala", &Preferencias::escala, 3, 1, 3, false, NADA },
                           Paso{ "escala", &Preferencias::escala, 1, -1, 1, false, NADA },
                           Paso{ "zona_muerta", &Preferencias::zonaMuerta, 48, 1, 56, true, Ajuste::ZONA_MUERTA },
                           Paso{ "zona_muerta", &Preferencias::zonaMuerta, 124, 1, 127, true, Ajuste::ZONA_MUERTA },
                           Paso{ "boton_disparo", &Preferencias::botonDisparo, 1, -1, 1, false, NADA },
                           Paso{ "boton_inicio", &Preferencias::botonInicio, 8, 1, 9, true, Ajuste::BOTONES } }) {
        Preferencias inicio;
        inicio.*p.campo = p.antes;
        CMenuOpciones menu(inicio, 3, true);
        irA(menu, p.clave);
        SCOPED_TRACE(std::string(p.clave) + " desde " + std::to_string(p.antes));
        const Resultado r = menu.cambiar(p.paso);
        EXPECT_TRUE(r.cambio == p.cambia && r.cual == p.cual);
        EXPECT_EQ(menu.valores().*p.campo, p.despues);
    }
    struct SiNo {
        const char* clave;
        bool Preferencias::*campo;
        Ajuste cual;
    };
    for (const SiNo& s : { SiNo{ "silencio", &Preferencias::silencio, Ajuste::SILENCIO },
                           SiNo{ "completa", &Preferencias::completa, Ajuste::COMPLETA },
                           SiNo{ "estirada", &Preferencias::estirada, Ajuste::ESTIRADA } }) {
        Preferencias inicio;
        inicio.completa = !std::strcmp(s.clave, "estirada");
        CMenuOpciones menu(inicio, 3, true);
        irA(menu, s.clave);
        EXPECT_EQ(menu.cambiar(-1).cual, s.cual);
        EXPECT_NE(menu.valores().*s.campo, inicio.*s.campo);
        // En pantalla completa la escala deja su sitio a la imagen entera o estirada.
        EXPECT_STREQ(menu.lineas()[3].ajuste->clave, menu.valores().completa ? "estirada" : "escala");
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
        irA(menu, TABLA_AJUSTES.deTecla(caso.accion).clave);
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
        irA(menu, TABLA_AJUSTES.deTecla(DISPARO).clave);
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
    irA(menu, "", Opcion::SERIE);
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
    EXPECT_EQ(menu.lineaElegida().opcion, Opcion::SERIE);
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

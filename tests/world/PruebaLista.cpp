#include <gtest/gtest.h>

#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

using Registro = std::vector<std::string>;

class PruebaLista : public ::testing::Test {
protected:
    void TearDown() override { lista.vaciar(); }

    CEntidadDePrueba* nueva(const std::string& nombre)
    {
        auto* e = new CEntidadDePrueba(nombre, TIPO_ENEMIGO, &registro);
        lista.agregar(e);
        return e;
    }

    Registro nombres() const
    {
        Registro r;
        for (NodoEntidad* n = lista.cabeza; n; n = n == lista.cola ? nullptr : n->siguiente)
            r.push_back(static_cast<CEntidadDePrueba*>(n->entidad)->nombre);
        return r;
    }

    CListaEntidades& lista = listaEntidades;
    Registro registro;
};

TEST_F(PruebaLista, AgregarYQuitarLaUnicaDejaLaListaVacia)
{
    CEntidadDePrueba* a = nueva("a");
    EXPECT_EQ(lista.cabeza, lista.cola);
    EXPECT_EQ(lista.cabeza->entidad, a);
    lista.quitarYBorrar(a);
    EXPECT_EQ(lista.cabeza, nullptr);
    EXPECT_EQ(lista.cola, nullptr);
    EXPECT_EQ(registro, (Registro{ "borra a" }));
}

TEST_F(PruebaLista, QuitarCabezaMedioYColaConservaElOrden)
{
    CEntidadDePrueba* a = nueva("a");
    nueva("b");
    CEntidadDePrueba* c = nueva("c");
    CEntidadDePrueba* d = nueva("d");
    lista.quitarYBorrar(c);
    EXPECT_EQ(nombres(), (Registro{ "a", "b", "d" }));
    lista.quitarYBorrar(d);
    EXPECT_EQ(nombres(), (Registro{ "a", "b" }));
    // La nueva cola enlaza bien lo que llega después.
    nueva("e");
    EXPECT_EQ(nombres(), (Registro{ "a", "b", "e" }));
    lista.quitarYBorrar(a);
    EXPECT_EQ(nombres(), (Registro{ "b", "e" }));
    EXPECT_EQ(registro, (Registro{ "borra c", "borra d", "borra a" }));
}

TEST_F(PruebaLista, VaciarBorraCadaUnaUnaVezDeLaMasViejaALaMasNuevaYSePuedeRellenar)
{
    lista.vaciar();
    EXPECT_TRUE(lista.vacia());
    nueva("a");
    nueva("b");
    nueva("c");
    lista.vaciar();
    EXPECT_EQ(registro, (Registro{ "borra a", "borra b", "borra c" }));
    EXPECT_EQ(lista.cabeza, nullptr);
    EXPECT_EQ(lista.cola, nullptr);
    nueva("d");
    EXPECT_EQ(nombres(), (Registro{ "d" }));
}

TEST_F(PruebaLista, ElRecorridoActualizaEnOrdenYAlcanzaLasNuevas)
{
    CEntidadDePrueba* a = nueva("a");
    nueva("b");
    a->crearAlActualizar = new CEntidadDePrueba("nueva", TIPO_DISPARO, &registro);
    lista.actualizarTodas();
    EXPECT_EQ(registro, (Registro{ "actualiza a", "actualiza b", "actualiza nueva" }));
}

// Quien sigue a la que se quita se pierde este cuadro, y solo ese.
TEST_F(PruebaLista, TrasQuitarseUnaSeSaltaLaSiguiente)
{
    nueva("a");
    nueva("b")->quitarse = true;
    nueva("c");
    nueva("d");
    lista.actualizarTodas();
    EXPECT_EQ(registro, (Registro{ "actualiza a", "actualiza b", "borra b", "actualiza d" }));
    EXPECT_EQ(nombres(), (Registro{ "a", "c", "d" }));
}

TEST_F(PruebaLista, SiSeQuitaLaCabezaSeSaltaLaNuevaCabeza)
{
    nueva("a")->quitarse = true;
    nueva("b");
    nueva("c");
    lista.actualizarTodas();
    EXPECT_EQ(registro, (Registro{ "actualiza a", "borra a", "actualiza c" }));
}

TEST_F(PruebaLista, SiSeQuitaLaColaElRecorridoTermina)
{
    nueva("a");
    nueva("b")->quitarse = true;
    lista.actualizarTodas();
    EXPECT_EQ(registro, (Registro{ "actualiza a", "actualiza b", "borra b" }));
    EXPECT_EQ(nombres(), (Registro{ "a" }));
    nueva("c");
    EXPECT_EQ(nombres(), (Registro{ "a", "c" }));
}

TEST_F(PruebaLista, UnaListaDeUnaQueSeQuitaQuedaVacia)
{
    nueva("a")->quitarse = true;
    lista.actualizarTodas();
    EXPECT_TRUE(lista.vacia());
    lista.actualizarTodas();
    EXPECT_EQ(registro, (Registro{ "actualiza a", "borra a" }));
}

TEST_F(PruebaLista, SeDibujaDeLaMasViejaALaMasNueva)
{
    nueva("a");
    nueva("b");
    lista.dibujarTodas();
    EXPECT_EQ(registro, (Registro{ "dibuja a", "dibuja b" }));
}

}

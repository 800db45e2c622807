#include <gtest/gtest.h>

#include <vector>

#include "shell/CEntrada.h"

namespace {

class PruebaCEntrada : public ::testing::Test {
protected:
    void SetUp() override { entrada.iniciar(teclado, true); }

    // Las teclas que quedan pulsadas en el arreglo que lee el juego.
    std::vector<int> unidas()
    {
        entrada.unir(mando);
        std::vector<int> pulsadas;
        for (int tecla = 0; tecla < KEY_MAX; ++tecla)
            if (entrada.teclas()[tecla])
                pulsadas.push_back(tecla);
        return pulsadas;
    }

    volatile char teclado[KEY_MAX] = {};
    CEntrada entrada;
    EstadoMando mando;
};

using Teclas = std::vector<int>;

TEST_F(PruebaCEntrada, SinMandoElJuegoLeeElTecladoMismo)
{
    entrada.iniciar(teclado, false);
    EXPECT_EQ(entrada.teclas(), teclado);
    mando.boton = mando.derecha = true;
    entrada.unir(mando);
    EXPECT_EQ(entrada.teclas()[KEY_SPACE], 0);
    EXPECT_EQ(entrada.teclas()[KEY_RIGHT], 0);
}

TEST_F(PruebaCEntrada, ElTecladoYElMandoSeSuman)
{
    EXPECT_NE(entrada.teclas(), teclado);
    teclado[KEY_LEFT] = teclado[KEY_ESC] = teclado[KEY_F8] = 1;
    EXPECT_EQ(unidas(), (Teclas{ KEY_F8, KEY_ESC, KEY_LEFT }));
    teclado[KEY_LEFT] = teclado[KEY_ESC] = teclado[KEY_F8] = 0;

    // El botón es Espacio y 1; Start es P, y fuera de la partida también 4
    // (en el menú, las opciones). El teclado no se toca.
    mando.boton = mando.inicio = true;
    EXPECT_EQ(unidas(), (Teclas{ KEY_P, KEY_1, KEY_4, KEY_SPACE }));
    entrada.jugando(true);
    EXPECT_EQ(unidas(), (Teclas{ KEY_P, KEY_1, KEY_SPACE }));
    entrada.jugando(false);
    EXPECT_EQ(teclado[KEY_SPACE], 0);
    mando = EstadoMando();

    // La misma flecha por los dos lados: sigue pulsada hasta soltar ambos.
    teclado[KEY_RIGHT] = 1;
    mando.derecha = true;
    EXPECT_EQ(unidas(), (Teclas{ KEY_RIGHT }));
    teclado[KEY_RIGHT] = 0;
    EXPECT_EQ(unidas(), (Teclas{ KEY_RIGHT }));
    mando.derecha = false;
    EXPECT_EQ(unidas(), Teclas{});

    struct Caso {
        EstadoMando mando;
        Teclas teclas;
    };
    EstadoMando arriba, abajo, izquierda, derecha, palancaArriba, palancaAbajo, palancaIzquierda, palancaDerecha;
    arriba.arriba = abajo.abajo = izquierda.izquierda = derecha.derecha = true;
    palancaArriba.ejeY = palancaIzquierda.ejeX = -127;
    palancaAbajo.ejeY = palancaDerecha.ejeX = 127;
    for (const Caso& caso : { Caso{ arriba, { KEY_UP } }, Caso{ abajo, { KEY_DOWN } }, Caso{ izquierda, { KEY_LEFT } },
                              Caso{ derecha, { KEY_RIGHT } }, Caso{ palancaArriba, { KEY_UP } },
                              Caso{ palancaAbajo, { KEY_DOWN } }, Caso{ palancaIzquierda, { KEY_LEFT } },
                              Caso{ palancaDerecha, { KEY_RIGHT } } }) {
        mando = caso.mando;
        EXPECT_EQ(unidas(), caso.teclas) << "palanca " << mando.ejeX << "," << mando.ejeY;
    }
}

// Hasta 48 de 128, en cualquier sentido, la palanca no cuenta.
TEST_F(PruebaCEntrada, LaZonaMuertaDeLaPalanca)
{
    struct Caso {
        int valor;
        int menos, mas;  // flechas que marca en X y en Y
    };
    for (const Caso& caso : { Caso{ 47, 0, 0 }, Caso{ 48, 0, 0 }, Caso{ 49, 0, 1 }, Caso{ -47, 0, 0 },
                              Caso{ -48, 0, 0 }, Caso{ -49, 1, 0 }, Caso{ 0, 0, 0 } }) {
        mando = EstadoMando();
        mando.ejeX = caso.valor;
        entrada.unir(mando);
        EXPECT_EQ(entrada.teclas()[KEY_LEFT], caso.menos) << "X " << caso.valor;
        EXPECT_EQ(entrada.teclas()[KEY_RIGHT], caso.mas) << "X " << caso.valor;
        mando = EstadoMando();
        mando.ejeY = caso.valor;
        entrada.unir(mando);
        EXPECT_EQ(entrada.teclas()[KEY_UP], caso.menos) << "Y " << caso.valor;
        EXPECT_EQ(entrada.teclas()[KEY_DOWN], caso.mas) << "Y " << caso.valor;
    }
}

// Start pausa una vez por pulsación, aunque se mantenga o se junte con P.
TEST_F(PruebaCEntrada, StartEsUnaPulsacionDePCadaVez)
{
    auto pulsaciones = [this](int vueltas) {
        int n = 0;
        for (int i = 0; i < vueltas; ++i) {
            entrada.unir(mando);
            n += entrada.pulsacion(KEY_P);
        }
        return n;
    };
    mando.inicio = true;
    EXPECT_EQ(pulsaciones(4), 1);
    mando.inicio = false;
    EXPECT_EQ(pulsaciones(1), 0);
    teclado[KEY_P] = 1;
    EXPECT_EQ(pulsaciones(2), 1);
    mando.inicio = true;
    EXPECT_EQ(pulsaciones(2), 0);
    teclado[KEY_P] = 0;
    EXPECT_EQ(pulsaciones(2), 0);
    mando.inicio = false;
    EXPECT_EQ(pulsaciones(1), 0);
    mando.inicio = true;
    EXPECT_EQ(pulsaciones(1), 1);
}

// Con otra tecla para disparar, ella es la que pulsa Espacio en el arreglo
// que lee la partida, y Espacio ya no dispara; también sin mando.
TEST(PruebaTeclasElegidas, LaTeclaElegidaHaceDeLaDeSiempreYEstaYaNo)
{
    volatile char teclado[KEY_MAX] = {};
    CEntrada entrada;
    entrada.iniciar(teclado, false);
    int elegidas[NUM_ACCIONES] = { KEY_W, KEY_S, KEY_LEFT, KEY_RIGHT, KEY_LCONTROL, KEY_P };
    entrada.asignarTeclas(elegidas, 48);
    teclado[KEY_SPACE] = teclado[KEY_UP] = teclado[KEY_F8] = 1;
    entrada.unir(EstadoMando());
    EXPECT_TRUE(entrada.teclas()[KEY_SPACE]) << "fuera de la partida Espacio sigue pasando la presentación";
    entrada.jugando(true);
    entrada.unir(EstadoMando());
    EXPECT_FALSE(entrada.teclas()[KEY_SPACE]);
    EXPECT_FALSE(entrada.teclas()[KEY_UP]);
    EXPECT_TRUE(entrada.teclas()[KEY_F8]) << "las teclas fijas pasan tal cual";
    teclado[KEY_LCONTROL] = teclado[KEY_W] = 1;
    entrada.unir(EstadoMando());
    EXPECT_TRUE(entrada.teclas()[KEY_SPACE]);
    EXPECT_TRUE(entrada.teclas()[KEY_UP]);
    EXPECT_FALSE(entrada.teclas()[KEY_DOWN]);
}

}

#include <gtest/gtest.h>

#include <filesystem>
#include <typeinfo>

#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "player/CRana.h"
#include "shell/CExcepcion.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

namespace fs = std::filesystem;

class PruebaRana : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        rana = new CRana();
        jugador = rana;
        listaEntidades.agregar(rana);
        rana->energia = 74;
        rana->potencia = 74;
    }

    // Un cuadro de la rana, pasados n ticks.
    void paso(uint32_t n = 1)
    {
        avanzarTicks(n);
        rana->actualizar();
    }

    // Pulsa y suelta Espacio en dos cuadros; devuelve los disparos creados.
    std::vector<CEntidad*> andanada()
    {
        size_t antes = entidades().size();
        pulsar(KEY_SPACE);
        paso();
        pulsar(KEY_SPACE, false);
        paso();
        std::vector<CEntidad*> todas = entidades();
        return std::vector<CEntidad*>(todas.begin() + static_cast<long>(antes), todas.end());
    }

    // Clase y posición de cada disparo de la andanada, relativa a la rana.
    std::vector<std::string> describir(const std::vector<CEntidad*>& disparos)
    {
        std::vector<std::string> d;
        for (CEntidad* e : disparos) {
            const char* clase = dynamic_cast<CDisparoCurvo*>(e) ? "curvo"
                                : dynamic_cast<CDisparoPerforante*>(e) ? "perforante"
                                : dynamic_cast<CDisparo*>(e) ? "sencillo" : "?";
            d.push_back(std::string(clase) + " " + std::to_string(e->x - rana->x) + "," + std::to_string(e->y - rana->y));
        }
        return d;
    }

    CRana* rana = nullptr;
};

TEST_F(PruebaRana, EmpiezaEnSuSitioYLaPrimeraAndanadaEsLaParejaVertical)
{
    EXPECT_EQ(rana->x, 100);
    EXPECT_EQ(rana->y, 200);
    EXPECT_EQ(sistema.disparosVivos, 0);
    std::vector<CEntidad*> disparos = andanada();
    ASSERT_EQ(disparos.size(), 2u);
    EXPECT_EQ(disparos[0]->x, 170);
    EXPECT_EQ(disparos[0]->y, 205);
    EXPECT_EQ(disparos[1]->y, 225);
    EXPECT_EQ(sistema.disparosVivos, 2);
}

TEST_F(PruebaRana, CadaPotenciaTieneSuAndanada)
{
    using D = std::vector<std::string>;
    const std::pair<int32_t, D> tabla[] = {
        { 0, D{ "sencillo 70,15" } },
        { 25, D{ "sencillo 70,15" } },
        { 26, D{ "sencillo 80,15", "sencillo 60,15" } },
        { 50, D{ "sencillo 80,15", "sencillo 60,15" } },
        { 51, D{ "sencillo 70,5", "sencillo 70,25" } },
        { 75, D{ "sencillo 70,5", "sencillo 70,25" } },
        { 76, D{ "perforante 70,15" } },
        { 100, D{ "perforante 70,15" } },
        { 101, D{ "perforante 80,15", "perforante 60,15" } },
        { 150, D{ "perforante 80,15", "perforante 60,15" } },
        { 151, D{ "perforante 85,15", "perforante 65,15", "perforante 45,15" } },
        { 200, D{ "perforante 85,15", "perforante 65,15", "perforante 45,15" } },
        { 201, D{ "curvo 70,15", "curvo 70,15" } },
    };
    for (const auto& [potencia, esperada] : tabla) {
        sistema.disparosVivos = 0;
        rana->potencia = potencia;
        EXPECT_EQ(describir(andanada()), esperada) << "potencia " << potencia;
    }
    // Los curvos salen uno hacia arriba y otro hacia abajo, y cuentan 4 cada uno.
    auto curvos = entidadesDe<CDisparoCurvo>();
    EXPECT_EQ(curvos[curvos.size() - 2]->sube, 1);
    EXPECT_EQ(curvos.back()->sube, 0);
    EXPECT_EQ(sistema.disparosVivos, 8);
}

// Una pulsación, una andanada; para otra hay que soltar y volver a pulsar.
TEST_F(PruebaRana, MantenerEspacioNoEsFuegoAutomatico)
{
    pulsar(KEY_SPACE);
    paso();
    for (int i = 0; i < 20; ++i)
        paso();
    EXPECT_EQ(sistema.disparosVivos, 2);
    pulsar(KEY_SPACE, false);
    paso();
    pulsar(KEY_SPACE);
    paso();
    EXPECT_EQ(sistema.disparosVivos, 4);
}

// En el límite la pulsación espera; la andanada sale en cuanto hay sitio.
TEST_F(PruebaRana, ElLimiteDeDisparosRetrasaLaAndanadaSinPerderla)
{
    sistema.disparosVivos = 4;
    pulsar(KEY_SPACE);
    pulsar(KEY_F8);
    paso();
    EXPECT_EQ(entidades().size(), 1u);
    EXPECT_FALSE(fs::exists("snap0.bmp")) << "una andanada rechazada no hace captura";
    pulsar(KEY_F8, false);
    sistema.disparosVivos = 3;
    paso();
    EXPECT_EQ(sistema.disparosVivos, 5);
    // El límite se mira por andanada, no por disparo: con 3 vivos salen 3 más.
    sistema.disparosVivos = 3;
    rana->potencia = 160;
    pulsar(KEY_SPACE, false);
    paso();
    pulsar(KEY_SPACE);
    paso();
    EXPECT_EQ(sistema.disparosVivos, 6);
}

TEST_F(PruebaRana, DosActualizarEnElMismoTickNoHacenNada)
{
    paso();
    pulsar(KEY_SPACE);
    pulsar(KEY_RIGHT);
    rana->actualizar();
    EXPECT_EQ(rana->x, 100);
    EXPECT_EQ(sistema.disparosVivos, 0);
    EXPECT_EQ(rana->disparoPulsado, 0);
}

TEST_F(PruebaRana, SeMueveDosPixelesPorTickEnCadaEje)
{
    pulsar(KEY_RIGHT);
    pulsar(KEY_DOWN);
    paso(3);
    EXPECT_EQ(rana->x, 106);
    EXPECT_EQ(rana->y, 206);
    pulsar(KEY_LEFT);
    pulsar(KEY_UP);
    paso(5);
    EXPECT_EQ(rana->x, 106);
    EXPECT_EQ(rana->y, 206);
}

// El límite se mira antes del paso: se puede pasar un poco, y luego no más.
TEST_F(PruebaRana, LosLimitesSeMiranAntesDeMoverse)
{
    rana->x = 499;
    pulsar(KEY_RIGHT);
    paso();
    EXPECT_EQ(rana->x, 501);
    paso(4);
    EXPECT_EQ(rana->x, 501);
    rana->x = 500;
    paso();
    EXPECT_EQ(rana->x, 500);
    pulsar(KEY_RIGHT, false);

    rana->y = -9;
    pulsar(KEY_UP);
    paso(3);
    EXPECT_EQ(rana->y, -15);
    paso();
    EXPECT_EQ(rana->y, -15);
    pulsar(KEY_UP, false);

    rana->x = -10;
    rana->y = 410;
    pulsar(KEY_LEFT);
    pulsar(KEY_DOWN);
    paso(7);
    EXPECT_EQ(rana->x, -10);
    EXPECT_EQ(rana->y, 410);
}

TEST_F(PruebaRana, TrasUnGolpeQuedaProtegidaCienTicks)
{
    CEntidadDePrueba cuerpo("enemigo", TIPO_ENEMIGO, nullptr);
    const uint32_t golpe = sistema.leerTicks();
    rana->alImpactar(&cuerpo);
    EXPECT_EQ(rana->energia, 73);
    sistema.fijarTicks(golpe + 100);
    rana->alImpactar(&cuerpo);
    EXPECT_EQ(rana->energia, 73);
    EXPECT_EQ(cuerpo.estado, 0) << "el enemigo no sufre por tocarla";

    // Protegida, una bala se gasta igual y un premio se recoge igual.
    CEntidadDePrueba bala("bala", TIPO_BALA, nullptr), premio("premio", TIPO_PREMIO, nullptr);
    rana->alImpactar(&bala);
    rana->alImpactar(&premio);
    EXPECT_EQ(bala.estado, 1);
    EXPECT_EQ(premio.estado, 1);
    EXPECT_EQ(rana->potencia, 75);
    EXPECT_EQ(rana->energia, 73);

    sistema.fijarTicks(golpe + 101);
    bala.estado = 0;
    rana->alImpactar(&bala);
    EXPECT_EQ(rana->energia, 72);
    EXPECT_EQ(bala.estado, 1);

    // Sus propios disparos y lo inerte no le hacen nada.
    sistema.fijarTicks(golpe + 1000);
    CEntidadDePrueba disparo("disparo", TIPO_DISPARO, nullptr), humo("humo", TIPO_INERTE, nullptr);
    rana->alImpactar(&disparo);
    rana->alImpactar(&humo);
    EXPECT_EQ(rana->energia, 72);
    EXPECT_EQ(disparo.estado, 0);
    EXPECT_EQ(humo.estado, 0);
}

TEST_F(PruebaRana, SinEnergiaAcabaLaPartida)
{
    CEntidadDePrueba cuerpo("enemigo", TIPO_ENEMIGO, nullptr);
    rana->energia = 2;
    rana->alImpactar(&cuerpo);
    EXPECT_EQ(rana->finPartida, 0);
    avanzarTicks(101);
    rana->alImpactar(&cuerpo);
    EXPECT_EQ(rana->energia, 0);
    EXPECT_EQ(rana->finPartida, 1);
}

// Protegida, parpadea con el cuadro de golpe; luego anima tres cuadros de 8 ticks.
TEST_F(PruebaRana, SeDibujaParpadeandoMientrasEstaProtegida)
{
    CEntidadDePrueba cuerpo("enemigo", TIPO_ENEMIGO, nullptr);
    const uint32_t golpe = sistema.leerTicks();
    rana->alImpactar(&cuerpo);
    std::vector<bool> visible;
    for (int i = 0; i < 4; ++i) {
        clear_bitmap(sistema.paginaDibujo);
        rana->dibujar();
        int p = pixel(150, 225);
        EXPECT_TRUE(p == 0 || p == colorCuadroRana(3));
        visible.push_back(p != 0);
    }
    EXPECT_NE(visible[0], visible[1]);
    EXPECT_EQ(visible[0], visible[2]);
    EXPECT_EQ(visible[1], visible[3]);

    sistema.fijarTicks(golpe + 100);
    for (uint32_t t : { 0u, 8u, 16u, 24u }) {
        sistema.fijarTicks(((golpe + 100) / 24 + 1) * 24 + t);
        clear_bitmap(sistema.paginaDibujo);
        rana->dibujar();
        EXPECT_EQ(pixel(150, 225), colorCuadroRana(static_cast<int>(t / 8 % 3))) << t;
        // Lo que es máscara en la hoja no tapa nada.
        EXPECT_EQ(pixel(102, 202), 0);
    }
}

// F8 con Espacio guarda la página que está a la vista, sin pisar capturas viejas.
TEST_F(PruebaRana, LasCapturasNoPisanNingunArchivo)
{
    numeroCaptura = 0;
    clear_to_color(sistema.paginaVisible, makecol(255, 0, 0));
    std::FILE* vieja = std::fopen("snap1.bmp", "w");
    std::fputs("no tocar", vieja);
    std::fclose(vieja);

    pulsar(KEY_F8);
    andanada();
    EXPECT_TRUE(fs::exists("snap0.bmp"));
    sistema.disparosVivos = 0;
    andanada();
    EXPECT_EQ(fs::file_size("snap1.bmp"), 8u);
    ASSERT_TRUE(fs::exists("snap2.bmp"));
    PALETTE paleta;
    BITMAP* captura = load_bitmap("snap2.bmp", paleta);
    ASSERT_NE(captura, nullptr);
    EXPECT_EQ(captura->w, 640);
    EXPECT_EQ(getr(getpixel(captura, 320, 240)), 255);
    destroy_bitmap(captura);

    // F8 sin disparar no guarda nada.
    sistema.disparosVivos = 0;
    paso();
    paso();
    EXPECT_FALSE(fs::exists("snap3.bmp"));

    // Un nombre que no se puede mirar (un enlace a sí mismo) no tumba el
    // juego: esa captura no se hace y la siguiente va al número siguiente.
    fs::create_symlink("snap3.bmp", "snap3.bmp");
    EXPECT_NO_THROW(andanada());
    EXPECT_FALSE(fs::exists("snap4.bmp"));
    sistema.disparosVivos = 0;
    andanada();
    EXPECT_TRUE(fs::exists("snap4.bmp"));
}

TEST_F(PruebaRana, SinSuDibujoEsUnErrorDeArchivos)
{
    simulados.fallos = { "imagen graphics/rana.bmp" };
    try {
        CRana otra;
        FAIL() << "sin graphics/rana.bmp la rana no debería existir";
    } catch (CExcepcion e) {
        EXPECT_EQ(e.codigo, ERROR_ARCHIVOS);
    }
}


// Con mando, la rana lee el teclado y el mando juntos, como lo hace el juego:
// una vez por vuelta del bucle.
class PruebaRanaConMando : public PruebaRana {
protected:
    void SetUp() override
    {
        simulados.hayMando = true;
        PruebaRana::SetUp();
    }

    void vuelta(uint32_t ticks = 1)
    {
        sistema.atenderEntrada();
        paso(ticks);
    }
};

// Espacio y el botón son la misma tecla: mientras uno de los dos siga abajo
// no sale otra andanada, se suelte el que se suelte.
TEST_F(PruebaRanaConMando, UnaAndanadaPorPulsacionConLosDosAparatos)
{
    // Andanadas de dos disparos; el límite de vivos no se mete por medio.
    auto andanadas = [this] {
        sistema.disparosVivos = 0;
        return (entidades().size() - 1) / 2;
    };
    pulsar(KEY_SPACE);
    vuelta();
    simulados.mando.boton = true;
    vuelta();
    pulsar(KEY_SPACE, false);
    vuelta();
    EXPECT_EQ(andanadas(), 1u);
    simulados.mando.boton = false;
    vuelta();
    simulados.mando.boton = true;
    vuelta();
    EXPECT_EQ(andanadas(), 2u);
    pulsar(KEY_SPACE);
    vuelta();
    simulados.mando.boton = false;
    vuelta();
    EXPECT_EQ(andanadas(), 2u);
    pulsar(KEY_SPACE, false);
    vuelta();
    pulsar(KEY_SPACE);
    vuelta();
    EXPECT_EQ(andanadas(), 3u);
}

// Una palanca que en reposo no vuelve del todo al centro no la mueve.
TEST_F(PruebaRanaConMando, LaPalancaYLaCrucetaLaMueven)
{
    simulados.mando.ejeX = 40;
    simulados.mando.ejeY = -40;
    for (int i = 0; i < 50; ++i)
        vuelta();
    EXPECT_EQ(rana->x, 100);
    EXPECT_EQ(rana->y, 200);
    simulados.mando.ejeX = 127;
    vuelta(3);
    EXPECT_EQ(rana->x, 106);
    EXPECT_EQ(rana->y, 200);
    simulados.mando = EstadoMando();
    simulados.mando.abajo = true;
    vuelta(2);
    EXPECT_EQ(rana->x, 106);
    EXPECT_EQ(rana->y, 204);
}

}

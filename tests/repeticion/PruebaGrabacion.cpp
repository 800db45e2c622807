#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "plataforma/Archivos.h"
#include "player/CRana.h"
#include "repeticion/CListaRepeticiones.h"
#include "repeticion/CRepeticiones.h"
#include "repeticion/PartidaGrabada.h"
#include "shell/Azar.h"
#include "shell/CJuego.h"
#include "stage/CFase1.h"
#include "tests/world/MundoDePrueba.h"

namespace fs = std::filesystem;

namespace {

// Partidas de la fase con un guion de teclas por cuadro, grabadas en una
// carpeta propia. Cada una empieza con el mismo reloj, el mismo generador y
// la misma memoria de columnas, salvo que se diga.
class PruebaGrabacion : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        guardadas = fs::temp_directory_path() / ("rana-repeticiones-" + std::to_string(::getpid()));
        fs::remove_all(guardadas);
        CRepeticiones::usarCarpeta(guardadas.string());
    }
    void TearDown() override
    {
        CRepeticiones::usarCarpeta("");
        fs::remove_all(guardadas);
        MundoDePrueba::TearDown();
    }

    // Juega 350 cuadros: la flecha arriba entre el 20 y el 60, y Espacio en
    // el cuadro dado. Devuelve la repetición que quedó guardada.
    CRepeticion jugar(int cuadroDisparo)
    {
        sistema.fijarTicks(5000);
        fijarEstadoAzar(AZAR_DE_ARRANQUE);
        ultimaColumna = 65000;
        const int antes = simulados.presentadas;
        simulados.alPresentar = [&, antes](int presentadas) {
            const int n = presentadas - antes;
            pulsar(KEY_UP, n >= 20 && n < 60);
            pulsar(KEY_SPACE, n == cuadroDisparo);
            pulsar(KEY_ESC, n == 350);
        };
        CJuego().jugar();
        pulsar(KEY_ESC, false);
        return ultima();
    }

    // La rehace sin mostrarla, como --verificar, y da lo que quedó grabado al rehacerla.
    CRepeticion rehacer(const CRepeticion& grabada) { return rehacerPartida(grabada, CReproductor::SIN_MOSTRAR); }

    CRepeticion ultima()
    {
        std::set<fs::path> archivos;
        for (const auto& entrada : fs::directory_iterator(guardadas))
            archivos.insert(entrada.path());
        CRepeticion leida;
        std::string bytes, problema;
        EXPECT_FALSE(archivos.empty());
        if (archivos.empty() || !leerArchivo(archivos.rbegin()->string(), bytes))
            return leida;
        EXPECT_EQ(CRepeticion::leer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), leida, problema),
                  ResultadoLectura::BIEN)
            << problema;
        fs::remove(*archivos.rbegin());
        return leida;
    }

    fs::path guardadas;
};

// Cada cuadro con sus ticks y sus teclas, un control cada cien y el estado
// de arranque. La misma partida da las mismas huellas; un solo Espacio
// en el cuadro 150 en vez del 120 deja igual el primer control y cambia el
// segundo, con los disparos aún en vuelo.
TEST_F(PruebaGrabacion, LaPartidaQuedaGrabadaYSuHuellaSeparaLoQueCambia)
{
    const CRepeticion primera = jugar(120);
    ASSERT_EQ(primera.cuadros.size(), 350u);
    EXPECT_EQ(primera.controles.size(), 3u);
    EXPECT_EQ(primera.cabecera.tickInicial, 5000u);
    EXPECT_EQ(primera.cabecera.azarInicial, 1u);
    EXPECT_EQ(primera.cabecera.ultimaColumna, 65000);
    // El primer cuadro no espera: el segundo empieza en el mismo tick.
    EXPECT_EQ(primera.cuadros[1].ticks, 0u);
    EXPECT_EQ(primera.cuadros[2].ticks, 1u);
    EXPECT_EQ(primera.cuadros[25].teclas, BIT_ARRIBA);
    EXPECT_EQ(primera.cuadros[120].teclas, BIT_DISPARO);

    const CRepeticion igual = jugar(120);
    EXPECT_EQ(igual.controles, primera.controles);
    EXPECT_EQ(igual.resumenFinal, primera.resumenFinal);

    const CRepeticion otra = jugar(150);
    EXPECT_EQ(otra.controles[0], primera.controles[0]);
    EXPECT_NE(otra.controles[1], primera.controles[1]);
}

// Una partida grabada se rehace sin mostrarla con las mismas huellas, también
// la segunda del programa (que empieza con el generador y las columnas donde
// los dejó la primera) y en otro orden. Un bit cambiado en el cuadro 150 se
// nota en el control del cuadro 200 y no antes.
TEST_F(PruebaGrabacion, UnaPartidaGrabadaSeRehaceIgualYUnBitCambiadoSeNotaEnSuControl)
{
    const CRepeticion primera = jugar(120);
    // Lo que la primera partida dejó gastado del generador y de las columnas.
    for (int i = 0; i < 7; ++i)
        azar();
    ultimaColumna = 3;
    int cuadros = 0;
    simulados.alPresentar = [&](int) {
        pulsar(KEY_RIGHT, ++cuadros < 100);
        pulsar(KEY_SPACE, cuadros % 7 == 0);
        pulsar(KEY_ESC, cuadros == 260);
    };
    CJuego().jugar();
    pulsar(KEY_ESC, false);
    simulados.alPresentar = nullptr;
    const CRepeticion segunda = ultima();
    EXPECT_NE(segunda.cabecera.azarInicial, primera.cabecera.azarInicial);
    EXPECT_EQ(segunda.cabecera.ultimaColumna, 3);

    for (const CRepeticion* grabada : { &segunda, &primera }) {
        const int mostradas = simulados.presentadas;
        const CRepeticion rehecha = rehacer(*grabada);
        EXPECT_EQ(simulados.presentadas, mostradas) << "sin mostrar no se muestra nada";
        EXPECT_EQ(rehecha.controles, grabada->controles);
        EXPECT_EQ(rehecha.resumenFinal, grabada->resumenFinal);
    }

    CRepeticion cambiada = primera;
    cambiada.cuadros[150].teclas ^= BIT_DISPARO;
    const CRepeticion rehecha = rehacer(cambiada);
    ASSERT_EQ(rehecha.controles.size(), 3u);
    EXPECT_EQ(rehecha.controles[0], primera.controles[0]);
    EXPECT_NE(rehecha.controles[1], primera.controles[1]);
}

// Cómo acabó queda anotado con la energía y la potencia de ese momento: Escape,
// la energía agotada (con lo que marcaba la rana) o el botón de cerrar, que
// va el último porque no se deshace.
TEST_F(PruebaGrabacion, LaGrabacionAnotaComoAcaboLaPartida)
{
    struct Caso {
        FinPartida fin;
        int32_t energia, potencia;
    };
    for (const Caso& caso : { Caso{ FinPartida::ESCAPE, 0, 0 }, Caso{ FinPartida::SIN_ENERGIA, 3, 41 },
                              Caso{ FinPartida::VENTANA_CERRADA, 17, 9 } }) {
        int cuadros = 0;
        simulados.alPresentar = [&](int) {
            if (++cuadros != 40)
                return;
            jugador->energia = caso.energia ? caso.energia : jugador->energia;
            jugador->potencia = caso.potencia ? caso.potencia : jugador->potencia;
            jugador->finPartida = caso.fin == FinPartida::SIN_ENERGIA;
            pulsar(KEY_ESC, caso.fin == FinPartida::ESCAPE);
            if (caso.fin == FinPartida::VENTANA_CERRADA)
                CSistema::avisarCierre();
        };
        CJuego().jugar();
        pulsar(KEY_ESC, false);
        const CRepeticion grabada = ultima();
        EXPECT_EQ(grabada.cuadros.size(), 40u);
        EXPECT_EQ(grabada.desenlace.fin, caso.fin) << textoFin(caso.fin);
        if (caso.energia) {
            EXPECT_EQ(grabada.desenlace.energia, caso.energia);
            EXPECT_EQ(grabada.desenlace.potencia, caso.potencia);
        }
    }
}

// Solo quedan las cincuenta escritas más tarde, digan lo que digan los
// nombres: aquí, cuanto más adelante el nombre, más vieja la partida (como
// tras atrasar la hora local).
TEST_F(PruebaGrabacion, SoloQuedanLasCincuentaEscritasMasTarde)
{
    fs::create_directories(guardadas);
    const auto hace = [](int minutos) { return fs::file_time_type::clock::now() - std::chrono::minutes(minutos); };
    auto ruta = [this](int i) { return guardadas / ("2000-01-01_00-00-" + std::to_string(10 + i) + ".rep"); };
    for (int i = 0; i < 60; ++i) {
        escribirArchivoAtomico(ruta(i).string(), "x");
        fs::last_write_time(ruta(i), hace(1 + i));
    }
    CRepeticiones::guardar(CRepeticion());
    int quedan = 0;
    for (const auto& entrada : fs::directory_iterator(guardadas))
        quedan += entrada.path().extension() == ".rep";
    EXPECT_EQ(quedan, CRepeticiones::GUARDADAS);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(fs::exists(ruta(i)), i < CRepeticiones::GUARDADAS - 1) << ruta(i);
}

}

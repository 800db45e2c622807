#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "plataforma/Archivos.h"
#include "repeticion/CListaRepeticiones.h"
#include "repeticion/CPantallaRepeticiones.h"
#include "world/Reglas.h"

namespace fs = std::filesystem;

namespace {

const int FILAS = 12;

// Una carpeta de repeticiones propia y una demo aparte.
class PruebaListaRepeticiones : public ::testing::Test {
protected:
    void SetUp() override
    {
        raiz = fs::temp_directory_path() / ("rana-lista-" + std::to_string(::getpid()));
        fs::remove_all(raiz);
        carpeta = raiz / "repeticiones";
        fs::create_directories(carpeta);
        demo = raiz / "demo.rep";
        guardar(demo, partida(16400, FinPartida::ESCAPE, 51, 104), 0);
    }
    void TearDown() override { fs::remove_all(raiz); }

    // Tantos cuadros de un tick, con su desenlace; las teclas cambian cada
    // pocos cuadros, como en una partida de verdad, y el archivo ocupa lo suyo.
    static CRepeticion partida(uint32_t cuadros, FinPartida fin, int32_t energia, int32_t potencia)
    {
        CRepeticion r;
        r.cabecera = { "0.1.0", 1, 2, 3, 4, VERSION_REGLAS };
        for (uint32_t i = 0; i < cuadros; ++i)
            r.cuadros.push_back({ 1, static_cast<uint8_t>((i / 7 * 37) % 32) });
        r.controles.assign(cuadros / CUADROS_POR_CONTROL, 7);
        r.desenlace = { fin, energia, potencia };
        return r;
    }

    // Escrita hace tantos minutos.
    void guardar(const fs::path& ruta, const CRepeticion& r, int minutos, size_t cortarEn = 0)
    {
        const std::string bytes = r.codificar();
        ASSERT_TRUE(escribirArchivoAtomico(ruta.string(), cortarEn ? bytes.substr(0, cortarEn) : bytes));
        fs::last_write_time(ruta, fs::file_time_type::clock::now() - std::chrono::minutes(minutos));
    }

    CListaRepeticiones leida()
    {
        CListaRepeticiones lista(FILAS);
        lista.leer(carpeta.string(), demo.string());
        return lista;
    }

    fs::path raiz, carpeta, demo;
};

// Primero la escrita más tarde, diga lo que diga el nombre; cada una con su
// duración, cómo acabó, su energía y su potencia; la cortada y la de otras
// reglas se listan con su motivo; lo que no es .rep no sale; la demo, la última.
TEST_F(PruebaListaRepeticiones, CadaPartidaSeListaPorCuandoSeEscribioConSuDesenlace)
{
    CRepeticion ajena = partida(500, FinPartida::ESCAPE, 9, 9);
    ajena.cabecera.reglas = 1;
    guardar(carpeta / "2026-01-01_10-00-00.rep", partida(1000, FinPartida::ESCAPE, 74, 74), 5);
    guardar(carpeta / "2026-01-01_09-00-00.rep", partida(15700, FinPartida::SIN_ENERGIA, 0, 12), 1);
    guardar(carpeta / "cortada.rep", partida(300, FinPartida::ESCAPE, 1, 1), 3, 60);
    guardar(carpeta / "reglas1.rep", ajena, 4);
    guardar(carpeta / "2026-01-01_08-00-00.rep", partida(200, FinPartida::VENTANA_CERRADA, 33, 90), 2);
    guardar(carpeta / "nota.txt", partida(10, FinPartida::ESCAPE, 1, 1), 0);

    struct Esperada {
        const char* nombre;
        LineaRepeticion::Estado estado;
        const char* duracion;
        const char* fin;
        int32_t energia, potencia;
    } esperadas[] = {
        { "2026-01-01_09-00-00.rep", LineaRepeticion::VALIDA, "2:37", "sin energía", 0, 12 },
        { "2026-01-01_08-00-00.rep", LineaRepeticion::VALIDA, "0:02", "ventana cerrada", 33, 90 },
        { "cortada.rep", LineaRepeticion::DANADA, "", "", 0, 0 },
        { "reglas1.rep", LineaRepeticion::AJENA, "", "", 0, 0 },
        { "2026-01-01_10-00-00.rep", LineaRepeticion::VALIDA, "0:10", "Escape", 74, 74 },
        { "demo.rep", LineaRepeticion::VALIDA, "2:44", "Escape", 51, 104 },
    };
    const CListaRepeticiones lista = leida();
    ASSERT_EQ(lista.lineas().size(), std::size(esperadas));
    const std::time_t ahora = std::time(nullptr);
    for (size_t i = 0; i < std::size(esperadas); ++i) {
        const Esperada& e = esperadas[i];
        const LineaRepeticion& l = lista.lineas()[i];
        EXPECT_EQ(l.nombre, e.nombre) << i;
        EXPECT_EQ(l.estado, e.estado) << e.nombre;
        EXPECT_EQ(l.demo, i + 1 == std::size(esperadas)) << e.nombre;
        if (e.estado != LineaRepeticion::VALIDA)
            continue;
        EXPECT_EQ(duracion(l.ficha.ticks), e.duracion) << e.nombre;
        EXPECT_STREQ(textoFin(l.ficha.desenlace.fin), e.fin) << e.nombre;
        EXPECT_EQ(l.ficha.desenlace.energia, e.energia) << e.nombre;
        EXPECT_EQ(l.ficha.desenlace.potencia, e.potencia) << e.nombre;
        if (!l.demo) {
            EXPECT_NEAR(static_cast<double>(ahora - l.escrita), 60.0 * (i == 0 ? 1 : i == 1 ? 2 : 5), 3.0)
                << e.nombre;
        }
    }
    EXPECT_NE(lista.lineas()[2].problema.find("cortada"), std::string::npos) << lista.lineas()[2].problema;
    EXPECT_EQ(lista.lineas()[3].problema, "grabada con las reglas 1; este juego tiene las " +
                                               std::to_string(VERSION_REGLAS));
    EXPECT_EQ(lista.elegida(), 0);
    EXPECT_FALSE(lista.sinPartidas());
    EXPECT_EQ(duracion(60000), "10:00");
    EXPECT_STREQ(textoFin(FinPartida::SIN_ANOTAR), "-");
}

// Sin carpeta, con la carpeta vacía o sin demo, la lista no se rompe: la
// línea de la demo sigue, aunque no se pueda ver.
TEST_F(PruebaListaRepeticiones, SinPartidasQuedaLaDemo)
{
    for (const fs::path& vacia : { carpeta, raiz / "no-existe", fs::path() }) {
        CListaRepeticiones lista(FILAS);
        lista.leer(vacia.string(), demo.string());
        ASSERT_EQ(lista.lineas().size(), 1u) << vacia;
        EXPECT_TRUE(lista.sinPartidas());
        EXPECT_TRUE(lista.lineaElegida().demo);
        EXPECT_EQ(lista.lineaElegida().estado, LineaRepeticion::VALIDA);
        EXPECT_FALSE(lista.preguntarBorrar()) << "la demo no se borra";
    }
    fs::remove(demo);
    const CListaRepeticiones sinDemo = leida();
    ASSERT_EQ(sinDemo.lineas().size(), 1u);
    EXPECT_EQ(sinDemo.lineas()[0].estado, LineaRepeticion::DANADA);
}

// Supr pregunta con el «no» elegido: así no borra nada. Con «sí» borra el
// archivo y el cursor se queda en su sitio, en la que venía detrás; tras la
// última partida, en la demo. Escape deja la pregunta.
TEST_F(PruebaListaRepeticiones, BorrarPreguntaYElCursorSeQuedaEnSuSitio)
{
    for (int i = 0; i < 3; ++i)
        guardar(carpeta / ("p" + std::to_string(i) + ".rep"), partida(100, FinPartida::ESCAPE, i, i), i + 1);
    CListaRepeticiones lista = leida();
    lista.mover(1);
    ASSERT_EQ(lista.lineaElegida().nombre, "p1.rep");
    ASSERT_TRUE(lista.preguntarBorrar());
    EXPECT_FALSE(lista.respuestaSi());
    EXPECT_TRUE(lista.responder());
    EXPECT_FALSE(lista.preguntando());
    EXPECT_TRUE(fs::exists(carpeta / "p1.rep"));

    lista.preguntarBorrar();
    lista.cambiarRespuesta();
    lista.dejarPregunta();
    EXPECT_FALSE(lista.preguntando());
    EXPECT_TRUE(fs::exists(carpeta / "p1.rep"));

    lista.preguntarBorrar();
    lista.cambiarRespuesta();
    EXPECT_TRUE(lista.respuestaSi());
    EXPECT_TRUE(lista.responder());
    EXPECT_FALSE(fs::exists(carpeta / "p1.rep"));
    ASSERT_EQ(lista.lineas().size(), 3u);
    EXPECT_EQ(lista.elegida(), 1);
    EXPECT_EQ(lista.lineaElegida().nombre, "p2.rep");

    lista.preguntarBorrar();
    lista.cambiarRespuesta();
    lista.responder();
    EXPECT_FALSE(fs::exists(carpeta / "p2.rep"));
    EXPECT_TRUE(lista.lineaElegida().demo);
    EXPECT_EQ(leida().lineas().size(), 2u);
}

// Cincuenta partidas enteras: se listan todas, la vista sigue al cursor y
// este da la vuelta por los dos extremos. Lo que tarda leerlas se anota.
TEST_F(PruebaListaRepeticiones, CincuentaPartidasSeListanYSeRecorren)
{
    const int partidas = 50;
    for (int i = 0; i < partidas; ++i)
        guardar(carpeta / ("p" + std::to_string(i) + ".rep"), partida(15700, FinPartida::SIN_ENERGIA, 0, i), i + 1);
    const auto inicio = std::chrono::steady_clock::now();
    CListaRepeticiones lista = leida();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    RecordProperty("ms_leer_50_partidas", static_cast<int>(ms + 0.5));
    std::printf("leer la lista de %d partidas enteras: %.1f ms\n", partidas, ms);

    ASSERT_EQ(lista.lineas().size(), size_t(partidas + 1));
    for (int i = 0; i < partidas; ++i)
        EXPECT_EQ(lista.lineas()[i].ficha.desenlace.potencia, i);
    for (int i = 0; i < FILAS; ++i)
        lista.mover(1);
    EXPECT_EQ(lista.elegida(), FILAS);
    EXPECT_EQ(lista.primeraVisible(), 1);
    lista.mover(-FILAS);
    EXPECT_EQ(lista.primeraVisible(), 0);
    lista.mover(-1);
    EXPECT_TRUE(lista.lineaElegida().demo);
    EXPECT_EQ(lista.primeraVisible(), partidas + 1 - FILAS);
    lista.mover(1);
    EXPECT_EQ(lista.elegida(), 0);
    EXPECT_EQ(lista.primeraVisible(), 0);
}

}

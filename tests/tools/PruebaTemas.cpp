#include "AllegroSinPantalla.h"
#include "LectorMidi.h"

#include "tools/Cancion.h"
#include "tools/IndiceParches.h"
#include "tools/Musica.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {
struct Tema {
    const char* nombre;
    ArchivoMidi (*crear)();
};

// Para que el nombre de cada prueba diga el tema y no sus bytes.
void PrintTo(const Tema& tema, std::ostream* os)
{
    *os << tema.nombre;
}

class TemasGenerados : public ::testing::TestWithParam<Tema> {
protected:
    void SetUp() override { arrancarAllegroSinPantalla(); }
};

// Instrumentos y golpes que declara el índice de freepats instalado.
std::pair<std::set<int>, std::set<int>> numerosDeFreepats()
{
    std::istringstream indice(convertirIndiceTimidity(INDICE_FREEPATS));
    std::set<int> instrumentos, golpes;
    bool enPercusion = false;
    for (std::string linea; std::getline(indice, linea);) {
        if (linea.find("begin_multipatch") != std::string::npos)
            enPercusion = true;
        else if (linea == "end_multipatch")
            enPercusion = false;
        else
            (enPercusion ? golpes : instrumentos).insert(std::stoi(linea));
    }
    return {instrumentos, golpes};
}
}

TEST_P(TemasGenerados, AllegroLoCargaYDuraAlMenosTreintaSegundos)
{
    CarpetaTemporal carpeta;
    std::string ruta = carpeta.archivo("tema.mid");
    std::ofstream(ruta, std::ios::binary) << GetParam().crear().bytes();

    MIDI* midi = load_midi(ruta.c_str());
    ASSERT_NE(midi, nullptr);
    EXPECT_GE(get_midi_length(midi), 30);
    destroy_midi(midi);
}

TEST_P(TemasGenerados, TodasLasPistasAcabanJuntasEnUnaBarraYEnSilencio)
{
    MidiLeido midi = leerMidi(GetParam().crear().bytes());
    EXPECT_EQ(midi.formato, 1);
    ASSERT_GE(midi.pistas.size(), 4u);
    std::uint32_t fin = midi.pistas[0].tickFinal;
    EXPECT_GT(fin, 0u);
    EXPECT_EQ(fin % Cancion::TICKS_POR_COMPAS, 0u) << "el bucle no cae en una barra";
    for (const PistaLeida& p : midi.pistas) {
        EXPECT_TRUE(p.terminaConFinDePista);
        EXPECT_EQ(p.tickFinal, fin);
        EXPECT_EQ(p.notasSonandoAlFinal, 0);
        EXPECT_EQ(p.longitudDeclarada, p.bytesLeidos);
    }
}

TEST_P(TemasGenerados, TieneMelodiaBajoYBateria)
{
    MidiLeido midi = leerMidi(GetParam().crear().bytes());
    EXPECT_TRUE(midi.canalesConNotas.count(Cancion::CANAL_BATERIA));
    EXPECT_GE(midi.canalesConNotas.size(), 3u);
    EXPECT_FALSE(midi.programaPorCanal.count(Cancion::CANAL_BATERIA)) << "la percusión no lleva programa";
}

TEST_P(TemasGenerados, SoloUsaSonidosQueTraeFreepats)
{
    if (!std::filesystem::exists(INDICE_FREEPATS))
        GTEST_SKIP() << "freepats no está instalado";
    auto [instrumentos, golpes] = numerosDeFreepats();
    MidiLeido midi = leerMidi(GetParam().crear().bytes());
    for (const auto& [canal, programa] : midi.programaPorCanal)
        EXPECT_TRUE(instrumentos.count(programa)) << "programa " << programa << " en canal " << canal;
    for (int golpe : midi.golpesDePercusion)
        EXPECT_TRUE(golpes.count(golpe)) << "golpe " << golpe;
}

INSTANTIATE_TEST_SUITE_P(Musica, TemasGenerados,
                         ::testing::Values(Tema{"Titulo", temaTitulo}, Tema{"Fase1", temaFase1}),
                         [](const auto& info) { return std::string(info.param.nombre); });

#include "AllegroSinPantalla.h"

#include "tools/CarpetaSalida.h"
#include "tools/IndiceParches.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
// Índice pequeño con lo que trae el de Debian: dir, bank, drumset,
// comentarios, opciones tras el nombre y un banco que Allegro no usa.
const char* const CFG_DE_MUESTRA = R"(# comentario
dir /opt/parches

drumset 0
 35	Drum_000/035_Kick_1.pat amp=100
 42	Drum_000/042_Hi-Hat_Closed.pat   # charles

bank 0
 0	Tone_000/000_Acoustic_Grand_Piano.pat amp=120 pan=center
 73	Tone_000/073_Flute

bank 8
 1	Otros/no_va.pat
dir relativa
bank 0
 33	bajo.pat
)";
}

TEST(IndiceParches, ConvierteUnCfgDeTimidityAlFormatoDeAllegro)
{
    CarpetaTemporal carpeta;
    std::string cfg = carpeta.archivo("muestra.cfg");
    std::ofstream(cfg) << CFG_DE_MUESTRA;

    std::string esperado = "0 /opt/parches/Tone_000/000_Acoustic_Grand_Piano.pat\n"
                           "33 " + carpeta.archivo("relativa/bajo.pat") + "\n"
                           "73 /opt/parches/Tone_000/073_Flute.pat\n"
                           "129 begin_multipatch default blocks\n"
                           "35 /opt/parches/Drum_000/035_Kick_1.pat\n"
                           "42 /opt/parches/Drum_000/042_Hi-Hat_Closed.pat\n"
                           "end_multipatch\n";
    EXPECT_EQ(convertirIndiceTimidity(cfg), esperado);
}

TEST(IndiceParches, SinPercusionNoHayBloqueMultiparche)
{
    CarpetaTemporal carpeta;
    std::string cfg = carpeta.archivo("solo.cfg");
    std::ofstream(cfg) << "dir /p\nbank 0\n 5 a.pat\n";
    EXPECT_EQ(convertirIndiceTimidity(cfg), "5 /p/a.pat\n");
}

TEST(IndiceParches, UnIndiceQueNoExisteEsUnError)
{
    EXPECT_THROW(convertirIndiceTimidity("/no/existe/timidity.cfg"), std::runtime_error);
}

TEST(IndiceParches, SinFreepatsSeEscribeUnIndiceVacio)
{
    CarpetaTemporal carpeta;
    CarpetaSalida salida(carpeta.ruta());
    testing::internal::CaptureStderr();
    generarIndiceParches(salida, carpeta.archivo("falta.cfg"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("aviso"), std::string::npos);
    std::ifstream indice(carpeta.archivo("musics/parches.cfg"));
    ASSERT_TRUE(indice.good());
    std::stringstream contenido;
    contenido << indice.rdbuf();
    EXPECT_EQ(contenido.str(), "");
}

#include "tests/tools/AllegroSinPantalla.h"
#include "tools/CarpetaSalida.h"
#include "tools/EscritorWav.h"
#include "tools/Sintesis.h"
#include "tools/Sonidos.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// Los nombres que carga el juego y lo que puede durar cada efecto.
struct Efecto {
    const char* nombre;
    double minimo, maximo;
};
const Efecto EFECTOS[] = {
    {"disparo", 0.08, 0.16},    {"perforante", 0.1, 0.2},       {"curvo", 0.12, 0.25},
    {"estallido", 0.12, 0.3},   {"impacto", 0.02, 0.06},        {"explosion", 0.25, 0.5},
    {"explosion_metal", 0.5, 0.9}, {"explosion_gigante", 1.4, 1.8}, {"bala", 0.04, 0.12},
    {"herida", 0.2, 0.4},       {"premio", 0.25, 0.45},         {"aviso_gigante", 0.8, 1.2},
};

std::string leerArchivo(const std::string& ruta)
{
    std::ifstream entrada(ruta, std::ios::binary);
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    return bytes.str();
}

std::uint32_t leer(const std::string& s, size_t en, int bytes)
{
    std::uint32_t valor = 0;
    for (int i = bytes - 1; i >= 0; --i)
        valor = valor << 8 | std::uint8_t(s.at(en + i));
    return valor;
}

// Comprueba la cabecera de 44 bytes y devuelve las muestras.
std::vector<std::int16_t> muestrasDeWav(const std::string& wav)
{
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(leer(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(leer(wav, 16, 4), 16u);
    EXPECT_EQ(leer(wav, 20, 2), 1u) << "PCM";
    EXPECT_EQ(leer(wav, 22, 2), 1u) << "mono";
    EXPECT_EQ(leer(wav, 24, 4), 22050u);
    EXPECT_EQ(leer(wav, 28, 4), 44100u) << "bytes por segundo";
    EXPECT_EQ(leer(wav, 32, 2), 2u) << "bytes por muestra";
    EXPECT_EQ(leer(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(leer(wav, 40, 4), wav.size() - 44);
    std::vector<std::int16_t> muestras;
    for (size_t en = 44; en + 1 < wav.size(); en += 2)
        muestras.push_back(std::int16_t(leer(wav, en, 2)));
    return muestras;
}

TEST(PruebaSonidos, ElWavLlevaLasMuestrasTalCual)
{
    const std::string wav = codificarWav({0, 1, -1, 32767, -32768}, 22050);
    ASSERT_EQ(wav.size(), 44u + 10u);
    EXPECT_EQ(muestrasDeWav(wav), (std::vector<std::int16_t>{0, 1, -1, 32767, -32768}));
    EXPECT_EQ(wav.substr(44), std::string("\0\0\1\0\xFF\xFF\xFF\x7F\0\x80", 10)) << "little-endian";
}

// Toda señal acaba con su pico en PICO_MUESTRA y en silencio; una muda es
// un error. El ruido de una semilla es siempre el mismo y no el de otra.
TEST(PruebaSonidos, RematarYRuido)
{
    const std::vector<std::int16_t> muestras = rematar(oscilador(Onda::SIERRA, 0.05, constante(440)));
    const auto [menor, mayor] = std::minmax_element(muestras.begin(), muestras.end());
    EXPECT_EQ(std::max(-*menor, int(*mayor)), PICO_MUESTRA);
    EXPECT_EQ(muestras.back(), 0);
    EXPECT_THROW(rematar(Senal(100, 0.0)), std::logic_error);

    const Senal ruido = ruidoBlanco(0.1, 7);
    EXPECT_EQ(ruido, ruidoBlanco(0.1, 7));
    EXPECT_NE(ruido, ruidoBlanco(0.1, 8));
    double suma = 0;
    for (double muestra : ruido) {
        EXPECT_GE(muestra, -1.0);
        EXPECT_LT(muestra, 1.0);
        suma += muestra;
    }
    EXPECT_LT(std::abs(suma / ruido.size()), 0.05) << "centrado en cero";
}

// Cada efecto, como lo carga el juego: WAV de 16 bits mono con los tamaños
// bien puestos, de su duración, a unos -3 dBFS, sin chasquido al empezar ni
// al acabar, y con los mismos bytes en cada generación.
TEST(PruebaSonidos, CadaEfectoEsUnWavDeSuDuracionYVolumen)
{
    arrancarAllegroSinPantalla();
    CarpetaTemporal carpeta;
    generarSonidos(CarpetaSalida(carpeta.archivo("una")));
    generarSonidos(CarpetaSalida(carpeta.archivo("otra")));
    for (const Efecto& efecto : EFECTOS) {
        SCOPED_TRACE(efecto.nombre);
        const std::string ruta = std::string("sounds/") + efecto.nombre + ".wav";
        const std::string wav = leerArchivo(carpeta.archivo("una/" + ruta));
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav, leerArchivo(carpeta.archivo("otra/" + ruta))) << "no es determinista";

        const std::vector<std::int16_t> muestras = muestrasDeWav(wav);
        const double segundos = double(muestras.size()) / 22050;
        EXPECT_GE(segundos, efecto.minimo);
        EXPECT_LE(segundos, efecto.maximo);
        int pico = 0;
        for (std::int16_t muestra : muestras)
            pico = std::max(pico, std::abs(int(muestra)));
        EXPECT_LE(pico, 0.7 * 32767);
        EXPECT_GE(pico, 0.3 * 32767);
        EXPECT_LT(std::abs(muestras.front()), 0.05 * 32767);
        EXPECT_EQ(muestras.back(), 0);

        SAMPLE* cargado = load_sample(carpeta.archivo("una/" + ruta).c_str());
        ASSERT_NE(cargado, nullptr);
        EXPECT_EQ(cargado->bits, 16);
        EXPECT_EQ(cargado->stereo, 0);
        EXPECT_EQ(cargado->freq, 22050);
        EXPECT_EQ(cargado->len, muestras.size());
        destroy_sample(cargado);
    }
}

// No hay dos efectos que sean el mismo: ni con igual largo e igual comienzo.
TEST(PruebaSonidos, CadaEfectoEsDistinto)
{
    CarpetaTemporal carpeta;
    generarSonidos(CarpetaSalida(carpeta.ruta()));
    std::set<std::string> firmas;
    for (const Efecto& efecto : EFECTOS) {
        const std::string wav = leerArchivo(carpeta.archivo(std::string("sounds/") + efecto.nombre + ".wav"));
        // La cabecera lleva el largo; tras ella, los primeros 10 ms.
        EXPECT_TRUE(firmas.insert(wav.substr(0, 44 + 2 * 220)).second) << efecto.nombre;
    }
}

}

#include "tools/EscritorWav.h"
#include "tools/Sintesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

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

}

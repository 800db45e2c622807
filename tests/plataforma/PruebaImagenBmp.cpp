#include <gtest/gtest.h>

#include <allegro.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "plataforma/CDispositivosAllegro.h"
#include "plataforma/ImagenBmp.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

void poner32(Bytes& b, size_t en, uint32_t valor)
{
    for (int i = 0; i < 4; ++i)
        b[en + i] = uint8_t(valor >> (8 * i));
}

void poner16(Bytes& b, size_t en, uint16_t valor)
{
    b[en] = uint8_t(valor);
    b[en + 1] = uint8_t(valor >> 8);
}

// Cabecera de Windows (40 bytes) sin paleta, seguida de 'pixeles' bytes.
Bytes bmpWindows(int32_t ancho, int32_t alto, uint16_t bits, size_t pixeles, uint32_t compresion = 0,
                 uint32_t tamanoImagen = 0)
{
    Bytes b(54 + pixeles, 0);
    b[0] = 'B';
    b[1] = 'M';
    poner32(b, 2, uint32_t(b.size()));
    poner32(b, 10, 54);
    poner32(b, 14, 40);
    poner32(b, 18, uint32_t(ancho));
    poner32(b, 22, uint32_t(alto));
    poner16(b, 26, 1);
    poner16(b, 28, bits);
    poner32(b, 30, compresion);
    poner32(b, 34, tamanoImagen);
    return b;
}

bool sana(const Bytes& b)
{
    return cabeceraBmpSana(b.data(), std::min(b.size(), LARGO_CABECERA_BMP), b.size());
}

// Cada fila ocupa un múltiplo de 4 bytes: el caso que separa una cuenta
// bien hecha de una que olvida el relleno o lo pone de más.
TEST(PruebaImagenBmp, PideLasFilasEnterasConSuRelleno)
{
    // 3 píxeles de 24 bits: 9 bytes, 12 con relleno; 5 filas.
    EXPECT_TRUE(sana(bmpWindows(3, 5, 24, 60)));
    EXPECT_FALSE(sana(bmpWindows(3, 5, 24, 59)));
    EXPECT_FALSE(sana(bmpWindows(3, 5, 24, 45))) << "sin contar el relleno";
    // De arriba abajo (alto negativo), Allegro 4 no lo carga.
    EXPECT_FALSE(sana(bmpWindows(3, -5, 24, 60)));
    // 17 píxeles de 1 bit: 3 bytes, 4 con relleno; y 16 bits, 6 que son 8.
    EXPECT_TRUE(sana(bmpWindows(17, 2, 1, 8)));
    EXPECT_FALSE(sana(bmpWindows(17, 2, 1, 7)));
    EXPECT_TRUE(sana(bmpWindows(3, 2, 16, 16)));
    EXPECT_FALSE(sana(bmpWindows(3, 2, 16, 15)));
    // Lo comprimido no pasa: Allegro lo descomprime sin mirar los bordes.
    EXPECT_FALSE(sana(bmpWindows(640, 480, 8, 100, 1, 100)));
    EXPECT_FALSE(sana(bmpWindows(640, 480, 8, 99, 1, 100)));
    EXPECT_FALSE(sana(bmpWindows(640, 480, 8, 100, 1, 0)));
    EXPECT_FALSE(sana(bmpWindows(640, 480, 24, 100, 1, 100))) << "RLE8 con 24 bits";
}

TEST(PruebaImagenBmp, RechazaCabecerasSinSentido)
{
    const Bytes buena = bmpWindows(4, 4, 32, 64);
    ASSERT_TRUE(sana(buena));
    auto con = [&](auto cambio) {
        Bytes b = buena;
        cambio(b);
        return sana(b);
    };
    EXPECT_FALSE(con([](Bytes& b) { b[0] = 'P'; }));
    EXPECT_FALSE(con([](Bytes& b) { b[1] = 'm'; }));
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 14, 20); })) << "largo de cabecera desconocido";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 18, 0); })) << "ancho 0";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 18, uint32_t(-4)); })) << "ancho negativo";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 22, 0); })) << "alto 0";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 18, 1u << 20); })) << "un millón de píxeles de ancho";
    EXPECT_FALSE(con([](Bytes& b) { poner16(b, 26, 2); })) << "dos planos";
    EXPECT_FALSE(con([](Bytes& b) { poner16(b, 28, 7); })) << "7 bits por píxel";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 30, 9); })) << "compresión desconocida";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 10, 40); })) << "píxeles dentro de la cabecera";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 10, 55); })) << "píxeles que empiezan un byte tarde";
    EXPECT_FALSE(con([](Bytes& b) { poner32(b, 10, 4000); })) << "píxeles fuera del archivo";
    EXPECT_TRUE(con([](Bytes& b) { poner32(b, 30, 3); })) << "campos de bits a 32";
    // Un archivo de menos de una cabecera.
    EXPECT_FALSE(cabeceraBmpSana(buena.data(), 30, 30));
    EXPECT_FALSE(cabeceraBmpSana(buena.data(), 0, 0));
}

// Cabecera de OS/2, de 12 bytes y medidas de 16 bits.
TEST(PruebaImagenBmp, AceptaLaCabeceraDeOs2)
{
    Bytes b(26 + 6 * 2, 0);
    b[0] = 'B';
    b[1] = 'M';
    poner32(b, 10, 26);
    poner32(b, 14, 12);
    poner16(b, 18, 2);
    poner16(b, 20, 2);
    poner16(b, 22, 1);
    poner16(b, 24, 24);
    b.resize(26 + 16);
    EXPECT_TRUE(sana(b));
    b.pop_back();
    EXPECT_FALSE(sana(b));
}

class PruebaArchivoBmp : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = fs::temp_directory_path() / ("rana-bmp-" + std::to_string(::getpid()));
        fs::create_directories(carpeta);
        // Un dibujo de verdad guardado por Allegro: 3 de ancho, filas con relleno.
        BITMAP* dibujo = create_bitmap_ex(24, 3, 7);
        clear_to_color(dibujo, makecol24(10, 200, 30));
        PALETTE paleta;
        get_palette(paleta);
        ASSERT_EQ(save_bitmap(ruta("bueno.bmp").c_str(), dibujo, paleta), 0);
        destroy_bitmap(dibujo);
        std::ifstream entrada(ruta("bueno.bmp"), std::ios::binary);
        buena.assign(std::istreambuf_iterator<char>(entrada), {});
    }
    void TearDown() override { fs::remove_all(carpeta); }

    std::string ruta(const char* nombre) const { return (carpeta / nombre).string(); }
    std::string escribir(const char* nombre, const Bytes& bytes) const
    {
        std::ofstream(ruta(nombre), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return ruta(nombre);
    }

    fs::path carpeta;
    Bytes buena;
};

// Lo que el juego se encuentra en el disco: el archivo entero pasa y carga;
// cortado, con la cabecera que anuncia más o sin la firma, ni se carga.
TEST_F(PruebaArchivoBmp, SoloCargaLosArchivosEnteros)
{
    ASSERT_EQ(buena.size(), 54u + 12 * 7);
    CDispositivosAllegro allegro;
    EXPECT_TRUE(archivoBmpSano(ruta("bueno.bmp").c_str()));
    BITMAP* cargada = allegro.cargarImagen(ruta("bueno.bmp").c_str());
    ASSERT_NE(cargada, nullptr);
    EXPECT_EQ(cargada->w, 3);
    destroy_bitmap(cargada);

    Bytes corta(buena.begin(), buena.end() - 1);
    Bytes cien(buena.begin(), buena.begin() + 100);
    Bytes masAlta = buena;
    poner32(masAlta, 22, 8);
    Bytes sinFirma = buena;
    sinFirma[0] = 'X';
    for (auto [nombre, bytes] : { std::pair{ "corta.bmp", &corta }, std::pair{ "cien.bmp", &cien },
                                  std::pair{ "alta.bmp", &masAlta }, std::pair{ "firma.bmp", &sinFirma } }) {
        const std::string archivo = escribir(nombre, *bytes);
        EXPECT_FALSE(archivoBmpSano(archivo.c_str())) << nombre;
        EXPECT_EQ(allegro.cargarImagen(archivo.c_str()), nullptr) << nombre;
    }
    EXPECT_FALSE(archivoBmpSano(ruta("no-existe.bmp").c_str()));
}

}

#include "tests/tools/AllegroSinPantalla.h"
#include "tools/CarpetaSalida.h"
#include "tools/EscritorPng.h"
#include "tools/Icono.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const uint8_t* bytes(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

uint32_t leer32(const std::string& s, size_t en)
{
    return uint32_t(uint8_t(s[en])) << 24 | uint32_t(uint8_t(s[en + 1])) << 16 | uint32_t(uint8_t(s[en + 2])) << 8 |
           uint8_t(s[en + 3]);
}

// Un PNG leído de vuelta como lo leería un visor, con lo justo para lo que
// escribe el generador: RGBA de 8 bits, bloques deflate sin comprimir y
// filas sin filtro. Si no es eso, `fallo` dice qué.
struct PngLeido {
    uint32_t ancho = 0, alto = 0;
    std::string rgba, fallo;
};

PngLeido leerPng(const std::string& png)
{
    PngLeido leido;
    auto fallar = [&leido](const char* por) {
        leido.fallo = por;
        return leido;
    };
    if (png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return fallar("sin la firma del PNG");
    std::string idat, crudo;
    for (size_t en = 8; en + 12 <= png.size(); en += 12 + leer32(png, en)) {
        const std::string tipo = png.substr(en + 4, 4);
        if (tipo == "IHDR") {
            leido.ancho = leer32(png, en + 8);
            leido.alto = leer32(png, en + 12);
            if (png.compare(en + 16, 5, std::string("\x08\x06\0\0\0", 5)) != 0)
                return fallar("no es RGBA de 8 bits sin entrelazar");
        }
        if (tipo == "IDAT")
            idat += png.substr(en + 8, leer32(png, en));
    }
    // Tras los dos bytes de zlib, cada bloque: cabecera (bit 0, el último;
    // bits 1 y 2 a cero, sin comprimir), largo, su complemento y los datos.
    for (size_t en = 2, ultimo = 0; !ultimo;) {
        if (en + 5 > idat.size() || (idat[en] & 6) != 0)
            return fallar("los datos no van en bloques sin comprimir");
        ultimo = idat[en] & 1;
        const size_t largo = uint8_t(idat[en + 1]) | uint8_t(idat[en + 2]) << 8;
        crudo += idat.substr(en + 5, largo);
        en += 5 + largo;
    }
    const size_t fila = 1 + 4 * size_t(leido.ancho);
    if (crudo.size() != fila * leido.alto)
        return fallar("los datos no son las filas que dice IHDR");
    for (size_t y = 0; y < leido.alto; ++y) {
        if (crudo[y * fila] != 0)
            return fallar("una fila lleva filtro");
        leido.rgba += crudo.substr(y * fila + 1, fila - 1);
    }
    return leido;
}

// Los valores de comprobación publicados de cada suma.
TEST(PruebaIcono, SumasDeComprobacion)
{
    const std::string nueve = "123456789";
    EXPECT_EQ(crc32Png(bytes(nueve), nueve.size()), 0xCBF43926u);
    EXPECT_EQ(crc32Png(bytes(nueve) + 4, 5, crc32Png(bytes(nueve), 4)), 0xCBF43926u) << "por trozos";
    const std::string wikipedia = "Wikipedia";
    EXPECT_EQ(adler32(bytes(wikipedia), wikipedia.size()), 0x11E60398u);
    // Con muchos 0xFF las dos mitades dan la vuelta al módulo 65521 (valor de zlib).
    const std::string altos(100000, '\xFF');
    EXPECT_EQ(adler32(bytes(altos), altos.size()), 0x149A302Cu);
}

// Cada trozo con su CRC, y los bloques deflate de 65535 bytes como mucho
// encadenados hasta el último: el de 256 no cabe en uno.
TEST(PruebaIcono, ElPngLlevaSusTrozosYBloques)
{
    arrancarAllegroSinPantalla();
    for (int lado : LADOS_ICONO) {
        const std::string png = codificarPng(lado, lado, pixelesIcono(lado));
        ASSERT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
        std::string tipos, idat;
        for (size_t en = 8; en < png.size();) {
            const uint32_t largo = leer32(png, en);
            ASSERT_LE(en + 12 + largo, png.size());
            EXPECT_EQ(crc32Png(bytes(png) + en + 4, largo + 4), leer32(png, en + 8 + largo));
            const std::string tipo = png.substr(en + 4, 4);
            tipos += tipo + " ";
            if (tipo == "IHDR") {
                EXPECT_EQ(leer32(png, en + 8), uint32_t(lado));
                EXPECT_EQ(leer32(png, en + 12), uint32_t(lado));
            }
            if (tipo == "IDAT")
                idat += png.substr(en + 8, largo);
            en += 12 + largo;
        }
        EXPECT_EQ(tipos, "IHDR IDAT IEND ");
        // Bloques "stored": cabecera, largo y su complemento, datos.
        size_t en = 2, crudo = 0;
        bool ultimo = false;
        while (!ultimo) {
            ASSERT_LT(en + 5, idat.size());
            ultimo = idat[en] & 1;
            const unsigned largo = uint8_t(idat[en + 1]) | uint8_t(idat[en + 2]) << 8;
            const unsigned complemento = uint8_t(idat[en + 3]) | uint8_t(idat[en + 4]) << 8;
            EXPECT_EQ(largo ^ complemento, 0xFFFFu);
            crudo += largo;
            en += 5 + largo;
        }
        EXPECT_EQ(crudo, size_t(lado) * (1 + 4 * lado));
        EXPECT_EQ(en + 4, idat.size()) << "tras el último bloque, solo la Adler-32";
    }
}

// El emblema queda en medio, opaco, sobre un fondo transparente, y el
// reducido se parece al grande.
TEST(PruebaIcono, EmblemaSobreFondoTransparente)
{
    arrancarAllegroSinPantalla();
    for (int lado : LADOS_ICONO) {
        const std::vector<uint8_t> rgba = pixelesIcono(lado);
        auto alfa = [&](int x, int y) { return rgba[(size_t(y) * lado + x) * 4 + 3]; };
        EXPECT_EQ(alfa(0, 0), 0);
        EXPECT_EQ(alfa(lado - 1, lado - 1), 0);
        EXPECT_EQ(alfa(lado / 2, lado / 2), 255);
        int opacos = 0, medios = 0;
        for (int y = 0; y < lado; ++y)
            for (int x = 0; x < lado; ++x) {
                opacos += alfa(x, y) == 255;
                medios += alfa(x, y) > 0 && alfa(x, y) < 255;
            }
        // El círculo del emblema solo ya ocupa más de un 15 % del icono.
        EXPECT_GT(opacos, lado * lado * 15 / 100) << lado;
        EXPECT_LT(opacos + medios, lado * lado * 70 / 100) << lado;
        if (lado < 256) {
            EXPECT_GT(medios, 0) << "los bordes reducidos se suavizan";
        }
    }
}

// El de la ventana, cargado como lo carga el juego: máscara en las esquinas
// y el emblema opaco en medio.
TEST(PruebaIcono, ElDeLaVentanaEsUnBmpConMascara)
{
    arrancarAllegroSinPantalla();
    CarpetaTemporal carpeta;
    generarIconos(CarpetaSalida(carpeta.ruta()));
    BITMAP* icono = load_bitmap(carpeta.archivo(RUTA_ICONO_VENTANA).c_str(), nullptr);
    ASSERT_NE(icono, nullptr);
    EXPECT_EQ(icono->w, 64);
    EXPECT_EQ(icono->h, 64);
    const int d = bitmap_color_depth(icono);
    auto magenta = [&](int x, int y) {
        const int p = getpixel(icono, x, y);
        return getr_depth(d, p) == 255 && getg_depth(d, p) == 0 && getb_depth(d, p) == 255;
    };
    EXPECT_TRUE(magenta(0, 0) && magenta(63, 0) && magenta(0, 63) && magenta(63, 63));
    for (int y = 28; y < 36; ++y)
        for (int x = 28; x < 36; ++x)
            EXPECT_FALSE(magenta(x, y)) << x << "," << y;
    destroy_bitmap(icono);
}

// El de Windows: cada entrada dice su lado (256 es 0) y dónde está su PNG;
// los PNG van seguidos hasta el final del archivo. Cada uno, leído, mide su
// lado y trae el emblema: dibujado a 256, su círculo (radio 56 en 128,126,
// sombra 4 px más abajo) deja transparentes la cuarta parte de arriba y la de
// abajo, y en la mejilla derecha, en 156,138, la cabeza es del verde de la
// rana. A 16 px cada píxel junta 16x16 del dibujo y ahí ya roza ojo y
// vientre: casi verde.
TEST(PruebaIcono, ElDeWindowsLlevaCadaLadoEnPng)
{
    arrancarAllegroSinPantalla();
    CarpetaTemporal carpeta;
    generarIconos(CarpetaSalida(carpeta.ruta()));
    std::ifstream archivo(carpeta.archivo(RUTA_ICONO_WINDOWS), std::ios::binary);
    const std::string ico((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
    auto leer16 = [&](size_t en) { return unsigned(uint8_t(ico[en])) | unsigned(uint8_t(ico[en + 1])) << 8; };
    auto leer32le = [&](size_t en) { return leer16(en) | uint32_t(leer16(en + 2)) << 16; };
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(leer16(0), 0u);
    EXPECT_EQ(leer16(2), 1u);
    const size_t cuantos = std::size(LADOS_ICONO_WINDOWS);
    ASSERT_EQ(leer16(4), cuantos);
    size_t siguiente = 6 + 16 * cuantos;
    for (size_t i = 0; i < cuantos; ++i) {
        const size_t entrada = 6 + 16 * i;
        const int lado = LADOS_ICONO_WINDOWS[i];
        EXPECT_EQ(uint8_t(ico[entrada]), uint8_t(lado & 0xFF)) << lado;
        EXPECT_EQ(leer16(entrada + 6), 32u);
        const uint32_t largo = leer32le(entrada + 8), en = leer32le(entrada + 12);
        ASSERT_EQ(en, siguiente) << lado;
        ASSERT_LE(en + largo, ico.size());
        const PngLeido png = leerPng(ico.substr(en, largo));
        ASSERT_EQ(png.fallo, "") << lado;
        ASSERT_EQ(png.ancho, uint32_t(lado));
        ASSERT_EQ(png.alto, uint32_t(lado));
        auto pixel = [&](int x, int y) { return png.rgba.substr((size_t(y) * lado + x) * 4, 4); };
        for (int y = 0; y < lado; ++y)
            for (int x = 0; x < lado && (y < lado / 4 || y >= lado * 3 / 4); ++x)
                ASSERT_EQ(pixel(x, y)[3], 0) << lado << ": " << x << "," << y;
        const std::string mejilla = pixel(156 * lado / 256, 138 * lado / 256);
        const int verde[3] = { 92, 196, 64 }, holgura = lado < 32 ? 24 : 0;
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(uint8_t(mejilla[c]), verde[c], holgura) << lado << ", canal " << c;
        EXPECT_EQ(uint8_t(mejilla[3]), 255) << lado;
        siguiente += largo;
    }
    EXPECT_EQ(siguiente, ico.size());
}

}

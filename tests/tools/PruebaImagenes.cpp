#include "AllegroSinPantalla.h"

#include "tools/CarpetaSalida.h"
#include "tools/Colores.h"
#include "tools/Hojas.h"
#include "tools/Lienzo.h"
#include "tools/Pantallas.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
using Bitmap = std::unique_ptr<BITMAP, void (*)(BITMAP*)>;

class ImagenesGeneradas : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        arrancarAllegroSinPantalla();
        carpeta_ = new CarpetaTemporal();
        CarpetaSalida salida(carpeta_->ruta());
        generarPantallas(salida);
        generarHojas(salida);
    }
    static void TearDownTestSuite() { delete carpeta_; }

    Bitmap cargar(const char* relativa)
    {
        return Bitmap(load_bitmap(carpeta_->archivo(relativa).c_str(), nullptr), destroy_bitmap);
    }

    static bool esMagenta(BITMAP* b, int x, int y)
    {
        int p = getpixel(b, x, y);
        int d = bitmap_color_depth(b);
        return getr_depth(d, p) == 255 && getg_depth(d, p) == 0 && getb_depth(d, p) == 255;
    }

    static bool igual(BITMAP* b, int x, int y, const Color& c)
    {
        int p = getpixel(b, x, y);
        int d = bitmap_color_depth(b);
        return getr_depth(d, p) == c.r && getg_depth(d, p) == c.g && getb_depth(d, p) == c.b;
    }

    static bool enPausa(int x, int y)
    {
        return x >= comunes::X_PAUSA && x < comunes::X_PAUSA + comunes::ANCHO_PAUSA && y >= comunes::Y_PAUSA &&
               y < comunes::Y_PAUSA + comunes::ALTO_PAUSA;
    }

    // Dónde está escrito el texto con las letras del generador: cada píxel de
    // su celda ha de ser del color justo donde hay tinta, y de otro donde no.
    static std::optional<std::pair<int, int>> buscarTexto(BITMAP* b, const std::string& s, int escala,
                                                          const Color& color)
    {
        Lienzo patron(anchoTexto(s, escala), 8 * escala, ::colores::MAGENTA_MASCARA);
        patron.texto(s, 0, 0, escala, color);
        // Primero la tinta: casi nunca coincide y así se descarta enseguida.
        std::vector<std::pair<int, int>> tinta, resto;
        for (int y = 0; y < patron.alto(); ++y)
            for (int x = 0; x < patron.ancho(); ++x)
                (igual(patron.bmp(), x, y, color) ? tinta : resto).push_back({x, y});
        std::vector<bool> delColor;
        for (int y = 0; y < b->h; ++y)
            for (int x = 0; x < b->w; ++x)
                delColor.push_back(igual(b, x, y, color));
        auto encaja = [&](int x0, int y0, const std::vector<std::pair<int, int>>& puntos, bool esperado) {
            for (auto [x, y] : puntos)
                if (delColor[(y0 + y) * b->w + x0 + x] != esperado)
                    return false;
            return true;
        };
        for (int y0 = 0; y0 + patron.alto() <= b->h; ++y0)
            for (int x0 = 0; x0 + patron.ancho() <= b->w; ++x0)
                if (encaja(x0, y0, tinta, true) && encaja(x0, y0, resto, false))
                    return std::pair{x0, y0};
        return std::nullopt;
    }

    static int colores(BITMAP* b, int x0, int y0, int ancho, int alto)
    {
        std::set<int> distintos;
        for (int y = y0; y < y0 + alto; ++y)
            for (int x = x0; x < x0 + ancho; ++x)
                distintos.insert(getpixel(b, x, y));
        return static_cast<int>(distintos.size());
    }

    static CarpetaTemporal* carpeta_;
};

CarpetaTemporal* ImagenesGeneradas::carpeta_ = nullptr;
}

TEST_F(ImagenesGeneradas, CadaArchivoTieneSuTamanoExacto)
{
    struct Esperado {
        const char* archivo;
        int ancho, alto;
    };
    for (const Esperado& e : {Esperado{"graphics/pelmora.bmp", 640, 480}, Esperado{"graphics/main.bmp", 640, 480},
                              Esperado{"graphics/opciones.bmp", 640, 480},
                              Esperado{"graphics/repeticiones.bmp", 640, 480},
                              Esperado{"graphics/comunes.bmp", 640, 128},
                              Esperado{"graphics/enemigos.bmp", 512, 416},
                              Esperado{"graphics/rana.bmp", 400, 50},
                              Esperado{"graphics/fase1.bmp", 1024, 256}}) {
        Bitmap b = cargar(e.archivo);
        ASSERT_TRUE(b) << e.archivo;
        EXPECT_EQ(b->w, e.ancho) << e.archivo;
        EXPECT_EQ(b->h, e.alto) << e.archivo;
    }
}

TEST_F(ImagenesGeneradas, LasPantallasNoTienenMascaraYTienenDibujo)
{
    for (const char* archivo :
         {"graphics/pelmora.bmp", "graphics/main.bmp", "graphics/opciones.bmp", "graphics/repeticiones.bmp"}) {
        Bitmap b = cargar(archivo);
        ASSERT_TRUE(b);
        EXPECT_FALSE(esMagenta(b.get(), 0, 0)) << archivo;
        EXPECT_GT(colores(b.get(), 0, 0, 640, 480), 50) << archivo;
    }
}

TEST_F(ImagenesGeneradas, LoQueNoSeUsaEnLasHojasEsMagenta)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    Bitmap enemigos = cargar("graphics/enemigos.bmp");
    ASSERT_TRUE(comunes && enemigos);
    // Huecos libres y esquinas de los fotogramas.
    for (auto [x, y] : {std::pair{639, 127}, {470, 80}, {170, 40}, {100, 32}, {0, 52}, {0, 32}, {200, 110}})
        EXPECT_TRUE(esMagenta(comunes.get(), x, y)) << "comunes " << x << "," << y;
    for (auto [x, y] : {std::pair{511, 415}, {0, 0}, {300, 95}, {480, 300}, {128, 100}, {190, 228}, {0, 292}})
        EXPECT_TRUE(esMagenta(enemigos.get(), x, y)) << "enemigos " << x << "," << y;
}

TEST_F(ImagenesGeneradas, EnComunesSoloHayDibujoDentroDeCadaSprite)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    ASSERT_TRUE(comunes);
    struct Zona {
        int x, y, ancho, alto;
    };
    // Todo lo que queda fuera de los sprites, del marcador y del rótulo de pausa.
    for (const Zona& z : {Zona{160, 32, 480, 20}, Zona{150, 52, 490, 50}, Zona{160, 102, 480, 16},
                          Zona{0, 118, 640, 10}, Zona{100, 32, 20, 20}}) {
        int pintados = 0;
        for (int y = z.y; y < z.y + z.alto; ++y)
            for (int x = z.x; x < z.x + z.ancho; ++x)
                pintados += !enPausa(x, y) && !esMagenta(comunes.get(), x, y);
        EXPECT_EQ(pintados, 0) << "zona libre en " << z.x << "," << z.y;
    }
    // Las esquinas de cada sprite quedan transparentes y el centro no.
    std::vector<Zona> sprites = {{0, 32, 20, 20}, {120, 32, 20, 20}, {140, 32, 20, 20}, {80, 32, 20, 20}};
    for (int f = 0; f < 4; ++f)
        sprites.push_back({20 + 15 * f, 32, 15, 15});
    for (int f = 0; f < 3; ++f)
        sprites.push_back({50 * f, 52, 50, 50});
    for (const Zona& z : sprites) {
        int fin = z.x + z.ancho - 1, abajo = z.y + z.alto - 1;
        for (auto [x, y] : {std::pair{z.x, z.y}, {fin, z.y}, {z.x, abajo}, {fin, abajo}})
            EXPECT_TRUE(esMagenta(comunes.get(), x, y)) << "esquina " << x << "," << y;
        EXPECT_GT(colores(comunes.get(), z.x, z.y, z.ancho, z.alto), 2) << "sprite en " << z.x << "," << z.y;
    }
}

TEST_F(ImagenesGeneradas, LasCifrasTienenElFondoDeSuHueco)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    ASSERT_TRUE(comunes);
    int hueco = getpixel(comunes.get(), comunes::HUECOS_CIFRAS_X[0], comunes::Y_CIFRAS);
    // El borde de cada celda: así la cifra se funde con el hueco sin recuadro.
    for (int d = 0; d <= 9; ++d)
        for (int i = 0; i < 16; ++i)
            for (auto [x, y] : {std::pair{i, 0}, {i, 15}, {0, i}, {15, i}})
                EXPECT_EQ(getpixel(comunes.get(), d * 16 + x, comunes::Y_DIGITOS + y), hueco)
                    << "dígito " << d << " en " << x << "," << y;
}

TEST_F(ImagenesGeneradas, LosHuecosDeCifrasDelMarcadorEstanLisos)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    ASSERT_TRUE(comunes);
    for (int x : comunes::HUECOS_CIFRAS_X) {
        EXPECT_EQ(colores(comunes.get(), x, comunes::Y_CIFRAS, comunes::ANCHO_HUECO, 16), 1) << "hueco en x=" << x;
        EXPECT_FALSE(esMagenta(comunes.get(), x, comunes::Y_CIFRAS));
    }
    // Los rótulos sí dejan marca a la izquierda de cada hueco.
    EXPECT_GT(colores(comunes.get(), 0, 0, 60, 32), 2);
    EXPECT_GT(colores(comunes.get(), 200, 0, 64, 32), 2);
}

TEST_F(ImagenesGeneradas, LosDiezDigitosSonVisiblesYDistintos)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    ASSERT_TRUE(comunes);
    std::set<std::string> formas;
    for (int d = 0; d <= 9; ++d) {
        std::string forma;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                forma += getpixel(comunes.get(), d * 16 + x, comunes::Y_DIGITOS + y) ==
                                 getpixel(comunes.get(), d * 16, comunes::Y_DIGITOS + 15)
                             ? '.'
                             : '#';
        EXPECT_NE(forma.find('#'), std::string::npos) << "dígito " << d << " vacío";
        EXPECT_FALSE(esMagenta(comunes.get(), d * 16, comunes::Y_DIGITOS));
        formas.insert(forma);
    }
    EXPECT_EQ(formas.size(), 10u);
}

TEST_F(ImagenesGeneradas, ElVerdeDeLaRanaSoloLoLlevaLaRana)
{
    // El juego corre a 16 bits y Allegro convierte truncando a 5-6-5: basta
    // con que otro color caiga en el mismo escalón para confundirse con ella.
    auto a16 = [](int p) { return (getr24(p) >> 3) << 11 | (getg24(p) >> 2) << 5 | (getb24(p) >> 3); };
    const Color& verde = ::colores::VERDE_RANA;
    const int rana16 = a16(makecol24(verde.r, verde.g, verde.b));
    auto cuantos = [&](const char* archivo) {
        Bitmap b = cargar(archivo);
        EXPECT_TRUE(b) << archivo;
        int iguales = 0;
        for (int y = 0; b && y < b->h; ++y)
            for (int x = 0; x < b->w; ++x)
                iguales += a16(getpixel(b.get(), x, y)) == rana16;
        return iguales;
    };
    EXPECT_GE(cuantos("graphics/rana.bmp"), 3 * 300);
    for (const char* archivo : {"graphics/comunes.bmp", "graphics/enemigos.bmp", "graphics/fase1.bmp"})
        EXPECT_EQ(cuantos(archivo), 0) << archivo;
}

TEST_F(ImagenesGeneradas, ElRotuloDePausaEsGrandeYRibeteadoSobreMascara)
{
    Bitmap comunes = cargar("graphics/comunes.bmp");
    ASSERT_TRUE(comunes);
    BITMAP* b = comunes.get();
    const int x0 = comunes::X_PAUSA, y0 = comunes::Y_PAUSA;
    const int x1 = x0 + comunes::ANCHO_PAUSA - 1, y1 = y0 + comunes::ALTO_PAUSA - 1;
    // El borde del recuadro queda transparente: el juego lo pinta con máscara.
    for (int x = x0; x <= x1; ++x)
        EXPECT_TRUE(esMagenta(b, x, y0) && esMagenta(b, x, y1)) << "borde en x=" << x;
    for (int y = y0; y <= y1; ++y)
        EXPECT_TRUE(esMagenta(b, x0, y) && esMagenta(b, x1, y)) << "borde en y=" << y;
    // Ninguna letra toca la máscara: todo su contorno es sombra o más letra.
    int letra = 0, sombra = 0, sueltos = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            sombra += igual(b, x, y, ::colores::SOMBRA);
            if (!igual(b, x, y, ::colores::AMARILLO_TITULO))
                continue;
            ++letra;
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1}})
                sueltos += esMagenta(b, x + dx, y + dy);
        }
    EXPECT_EQ(sueltos, 0);
    // La palabra en la letra del título, al menos cinco veces más grande.
    Lienzo pausa(anchoTexto("PAUSA", 1), 8, ::colores::MAGENTA_MASCARA);
    pausa.texto("PAUSA", 0, 0, 1, ::colores::AMARILLO_TITULO);
    int tinta = 0;
    for (int y = 0; y < pausa.alto(); ++y)
        for (int x = 0; x < pausa.ancho(); ++x)
            tinta += igual(pausa.bmp(), x, y, ::colores::AMARILLO_TITULO);
    EXPECT_GE(letra, 25 * tinta);
    EXPECT_GE(sombra, letra / 2);
}

TEST_F(ImagenesGeneradas, ElMenuPoneCadaTeclaEnLaFilaDeSuAccion)
{
    Bitmap menu = cargar("graphics/main.bmp");
    ASSERT_TRUE(menu);
    struct Fila {
        const char* tecla;
        const char* accion;
    };
    std::set<int> filas;
    for (const Fila& f : {Fila{"Espacio", "disparar"}, Fila{"P", "pausa"}, Fila{"M", "silencio"},
                          Fila{"Esc", "terminar partida"}, Fila{"F10", "tamaño de la ventana"},
                          Fila{"F11", "pantalla completa"}}) {
        // Rótulo de 8 píxeles en la tapa de la tecla; la acción, al doble.
        auto tecla = buscarTexto(menu.get(), f.tecla, 1, ::colores::SOMBRA);
        auto accion = buscarTexto(menu.get(), f.accion, 2, ::colores::BLANCO);
        ASSERT_TRUE(tecla) << f.tecla;
        ASSERT_TRUE(accion) << f.accion;
        EXPECT_LT(tecla->first, accion->first) << f.tecla;
        EXPECT_NEAR(tecla->second + 4, accion->second + 8, 4) << f.tecla << " / " << f.accion;
        // La acción acaba antes del marco del panel, no encima de él.
        int x = accion->first + anchoTexto(f.accion, 2), y = accion->second + 8;
        while (x < menu->w && !igual(menu.get(), x, y, ::colores::BORDE_PANEL))
            ++x;
        EXPECT_LT(x, menu->w) << f.accion << " se sale del panel";
        filas.insert(tecla->second);
    }
    // Las tapas miden 23 píxeles con su sombra: una fila no pisa la siguiente.
    for (auto i = filas.begin(); std::next(i) != filas.end(); ++i)
        EXPECT_GE(*std::next(i) - *i, 23) << "filas en y=" << *i << " y " << *std::next(i);
    for (const char* opcion : {"1 - Jugar", "3 - Salir", "4 - Opciones", "5 - Repeticiones"})
        EXPECT_TRUE(buscarTexto(menu.get(), opcion, 3, ::colores::AMARILLO_TITULO)) << opcion;
    EXPECT_TRUE(buscarTexto(menu.get(), "derecha = 5", 1, ::colores::GRIS_METAL));
    EXPECT_TRUE(buscarTexto(menu.get(), "Start pausa", 1, ::colores::GRIS_METAL));
}

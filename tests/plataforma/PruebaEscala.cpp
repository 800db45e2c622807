#include <gtest/gtest.h>

#include <vector>

#include "plataforma/CAmpliador.h"
#include "plataforma/Escala.h"

namespace {

TEST(PruebaEscala, LaVentanaEsLaMayorQueCabeEnElNoventaPorCientoDelEscritorio)
{
    EXPECT_EQ(factorVentana(800, 600), 1);
    EXPECT_EQ(factorVentana(1024, 768), 1);
    EXPECT_EQ(factorVentana(1920, 1080), 2);
    EXPECT_EQ(factorVentana(3840, 2160), 4);
    // Justo en el borde: 1280 es el 90 % de 1422,2 y 960 el de 1066,7.
    EXPECT_EQ(factorVentana(1423, 1067), 2);
    EXPECT_EQ(factorVentana(1422, 1067), 1);
    EXPECT_EQ(factorVentana(1423, 1066), 1);
    // Un escritorio menor que la página aún la muestra a 1x.
    EXPECT_EQ(factorVentana(640, 400), 1);
}

TEST(PruebaEscala, F10RecorreLosFactoresQueCabenYLaPantallaCompletaLlegaAlBorde)
{
    std::vector<int> vistos;
    int factor = 1;
    for (int i = 0; i < 5; ++i)
        vistos.push_back(factor = siguienteFactor(factor, 3840, 2160));
    EXPECT_EQ(vistos, (std::vector<int>{ 2, 3, 4, 1, 2 }));
    EXPECT_EQ(siguienteFactor(1, 1024, 768), 1);
    EXPECT_EQ(siguienteFactor(2, 1920, 1080), 1);

    EXPECT_EQ(factorPantallaCompleta(1280, 960), 2);
    EXPECT_EQ(factorPantallaCompleta(1279, 960), 1);
    const ModoPantalla completa = modoPantallaCompleta(1920, 1080);
    EXPECT_TRUE(completa.completa);
    EXPECT_EQ(completa.factor, 2);
    EXPECT_EQ(completa.ancho, 1920);
    EXPECT_EQ(completa.alto, 1080);
    // Estirada: el 4:3 a toda la altura, o a todo el ancho si el escritorio es más estrecho.
    const ModoPantalla estirada = modoPantallaCompleta(1920, 1080, true);
    EXPECT_EQ(estirada.anchoImagen, 1440);
    EXPECT_EQ(estirada.altoImagen, 1080);
    EXPECT_EQ(modoPantallaCompleta(1280, 1024, true).altoImagen, 960);
    EXPECT_EQ(completa.anchoImagen, 1280);
    const ModoPantalla ventana = modoVentana(3);
    EXPECT_FALSE(ventana.completa);
    EXPECT_EQ(ventana.ancho, 1920);
    EXPECT_EQ(ventana.alto, 1440);
}

// El verde de 6 bits tal como lo pone Allegro en una ventana de 32 bits, que
// no es el de getg: con el blit de Allegro a 1x y con el volcado propio la
// ventana tiene que verse igual, píxel a píxel.
namespace {
const int VERDE_EN_VENTANA[64] = {
    0,   4,   8,   12,  16,  20,  24,  29,  32,  36,  40,  44,  48,  52,  56,  61,  64,  68,  72,  76,  80,  84,
    88,  93,  97,  101, 105, 109, 113, 117, 121, 126, 129, 133, 137, 141, 145, 149, 153, 158, 162, 166, 170, 174,
    178, 182, 186, 191, 194, 198, 202, 206, 210, 214, 218, 223, 226, 230, 234, 238, 242, 246, 250, 255,
};
uint32_t verdeEnVentana(int c)
{
    return static_cast<uint32_t>(VERDE_EN_VENTANA[c >> _rgb_g_shift_16 & 63]);
}
}

// Cada uno de los 65536 colores llega, en su cuadrado, con el rojo y el azul
// que leen getr/getb, el verde de la ventana y en los bits de las máscaras;
// alrededor no se toca nada. Un ancho que no es múltiplo de 8 deja en cada
// fila unos píxeles que no van de 8 en 8.
TEST(PruebaEscala, ElAmpliadorLlevaCadaPixelASuCuadradoEnLosBitsDeLasMascaras)
{
    const int ANCHO = 259, ALTO = 254, MARGEN = 2, INTACTO = 0x5A5A5A5A;
    BITMAP* pagina = create_bitmap(ANCHO, ALTO);
    ASSERT_EQ(bitmap_color_depth(pagina), 16);
    for (int y = 0; y < ALTO; ++y)
        for (int x = 0; x < ANCHO; ++x)
            putpixel(pagina, x, y, (y * ANCHO + x) & 0xFFFF);
    struct Mascaras {
        uint32_t rojo, verde, azul;
        int desplazamientoRojo, desplazamientoVerde, desplazamientoAzul;
    };
    for (const Mascaras& m : { Mascaras{ 0xFF0000, 0xFF00, 0xFF, 16, 8, 0 },
                               Mascaras{ 0xFF, 0xFF00, 0xFF0000, 0, 8, 16 } }) {
        CAmpliador ampliador;
        ampliador.preparar(m.rojo, m.verde, m.azul);
        for (int factor = 1; factor <= 3; ++factor) {
            const int paso = ANCHO * factor + 2 * MARGEN, filas = ALTO * factor + 2 * MARGEN;
            std::vector<uint32_t> destino(paso * filas, INTACTO);
            ampliador.ampliar(pagina, reinterpret_cast<uint8_t*>(&destino[MARGEN * paso + MARGEN]),
                              static_cast<int>(paso * sizeof(uint32_t)), factor);
            int malos = 0;
            for (int y = 0; y < filas; ++y)
                for (int x = 0; x < paso; ++x) {
                    const int px = x - MARGEN, py = y - MARGEN;
                    uint32_t esperado = INTACTO;
                    if (px >= 0 && py >= 0 && px < ANCHO * factor && py < ALTO * factor) {
                        const int c = getpixel(pagina, px / factor, py / factor);
                        esperado = uint32_t(getr(c)) << m.desplazamientoRojo | verdeEnVentana(c) << m.desplazamientoVerde |
                                   uint32_t(getb(c)) << m.desplazamientoAzul;
                    }
                    malos += destino[y * paso + x] != esperado;
                }
            EXPECT_EQ(malos, 0) << "factor " << factor << ", rojo " << std::hex << m.rojo;
        }
    }
    destroy_bitmap(pagina);
}

// Con 10 bits por componente cada uno se lleva al más cercano de 0 a 1023.
TEST(PruebaEscala, ConMasDeOchoBitsPorComponenteRedondea)
{
    BITMAP* pagina = create_bitmap(2, 1);
    putpixel(pagina, 0, 0, makecol(255, 255, 255));
    // Un rojo de 16 bits que se lee como 132: 132 * 1023 / 255 = 529,55.
    const int rojo = makecol(132, 0, 0);
    ASSERT_EQ(getr(rojo), 132);
    putpixel(pagina, 1, 0, rojo);
    CAmpliador ampliador;
    ampliador.preparar(0x3FF00000, 0xFFC00, 0x3FF);
    uint32_t destino[2];
    ampliador.ampliar(pagina, reinterpret_cast<uint8_t*>(destino), sizeof destino, 1);
    EXPECT_EQ(destino[0], 0x3FFFFFFFu);
    EXPECT_EQ(destino[1], 530u << 20);
    destroy_bitmap(pagina);
}

// Estirada a 9/4 (1440 de 640): cada columna de la página ocupa dos o tres,
// sin mezclar colores, y en orden.
TEST(PruebaEscala, EstirarRepiteColumnasYFilasSinMezclarColores)
{
    BITMAP* pagina = create_bitmap(4, 2);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            putpixel(pagina, x, y, makecol(60 * x, 200 * y, 0));
    CAmpliador ampliador;
    ampliador.preparar(0xFF0000, 0xFF00, 0xFF);
    const int ANCHO = 9, ALTO = 4;
    uint32_t destino[ALTO][ANCHO];
    ampliador.estirar(pagina, reinterpret_cast<uint8_t*>(destino), sizeof destino[0], ANCHO, ALTO);
    auto columnaDe = [&](uint32_t pixel, int y) {
        for (int x = 0; x < 4; ++x) {
            const int c = getpixel(pagina, x, y);
            if (pixel == (uint32_t(getr(c)) << 16 | verdeEnVentana(c) << 8 | uint32_t(getb(c))))
                return x;
        }
        return -1;
    };
    std::vector<int> columnas, ultimaFila;
    for (int x = 0; x < ANCHO; ++x) {
        columnas.push_back(columnaDe(destino[0][x], 0));
        EXPECT_EQ(destino[1][x], destino[0][x]);
        ultimaFila.push_back(columnaDe(destino[3][x], 1));
    }
    EXPECT_EQ(columnas, (std::vector<int>{ 0, 0, 0, 1, 1, 2, 2, 3, 3 }));
    EXPECT_EQ(ultimaFila, columnas);
    destroy_bitmap(pagina);
}

}

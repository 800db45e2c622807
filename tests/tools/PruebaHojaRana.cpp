#include "HojaGenerada.h"

#include "tools/CarpetaSalida.h"
#include "tools/Colores.h"
#include "tools/Hojas.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

namespace {
using Bitmap = std::unique_ptr<BITMAP, void (*)(BITMAP*)>;

struct Recuento {
    int verde = 0, pintados = 0, verdeEnCaja = 0, pintadosEnCaja = 0;
    long sumaXVerde = 0, sumaXNegro = 0;
    int negros = 0;
};

bool igual(BITMAP* b, int x, int y, const Color& c)
{
    int p = getpixel(b, x, y);
    return getr24(p) == c.r && getg24(p) == c.g && getb24(p) == c.b;
}

constexpr char RUTA_RANA[] = "graphics/rana.bmp";

class HojaDeLaRana : public HojaGenerada<RUTA_RANA> {
protected:
    static Recuento contar(int x0)
    {
        Recuento r;
        for (int y = 0; y < ALTO_RANA; ++y)
            for (int x = 0; x < rana::ANCHO_CUADRO; ++x) {
                bool enCaja = x >= rana::CAJA_X1 && x <= rana::CAJA_X2 && y >= rana::CAJA_Y1 && y <= rana::CAJA_Y2;
                bool pintado = !igual(hoja_, x0 + x, y, colores::MAGENTA_MASCARA);
                bool verde = igual(hoja_, x0 + x, y, colores::VERDE_RANA);
                r.pintados += pintado;
                r.pintadosEnCaja += pintado && enCaja;
                r.verde += verde;
                r.verdeEnCaja += verde && enCaja;
                r.sumaXVerde += verde ? x : 0;
                if (igual(hoja_, x0 + x, y, colores::NEGRO)) {
                    ++r.negros;
                    r.sumaXNegro += x;
                }
            }
        return r;
    }

    static int diferencias(int xa, int xb)
    {
        int n = 0;
        for (int y = 0; y < ALTO_RANA; ++y)
            for (int x = 0; x < rana::ANCHO_CUADRO; ++x)
                n += getpixel(hoja_, xa + x, y) != getpixel(hoja_, xb + x, y);
        return n;
    }
};
}

TEST_F(HojaDeLaRana, CadaCuadroDeVueloEsUnaRanaVerdeQueLlenaSuCaja)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(bitmap_color_depth(hoja_), 24);
    const int areaCaja = (rana::CAJA_X2 - rana::CAJA_X1 + 1) * (rana::CAJA_Y2 - rana::CAJA_Y1 + 1);
    for (int f = 0; f < rana::CUADROS_ANIMACION; ++f) {
        Recuento r = contar(f * rana::ANCHO_CUADRO);
        // El verde de la rana es el que la encuentra en una captura.
        EXPECT_GE(r.verde, 300) << "cuadro " << f;
        // Las patas salen de la caja al patalear; el cuerpo no.
        EXPECT_GE(r.verdeEnCaja * 3, r.verde * 2) << "cuadro " << f;
        EXPECT_GE(r.pintadosEnCaja * 10, areaCaja * 6) << "cuadro " << f;
        // Mira a la derecha: las pupilas van por delante del cuerpo.
        ASSERT_GT(r.negros, 0);
        EXPECT_GT(r.sumaXNegro / r.negros, r.sumaXVerde / r.verde + 10) << "cuadro " << f;
    }
}

TEST_F(HojaDeLaRana, LasEsquinasDeCadaCuadroSonTransparentes)
{
    ASSERT_TRUE(hoja_);
    for (int x0 = 0; x0 < ANCHO_RANA; x0 += rana::ANCHO_CUADRO)
        for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 49}, {99, 49}, {50, 0}, {99, 25}, {50, 49}})
            EXPECT_TRUE(igual(hoja_, x0 + x, y, colores::MAGENTA_MASCARA)) << "cuadro en x=" << x0 << ": " << x
                                                                             << "," << y;
}

TEST_F(HojaDeLaRana, LaRanaPataleaYElGolpeSeVeDistinto)
{
    ASSERT_TRUE(hoja_);
    EXPECT_GT(diferencias(0, 100), 100);
    EXPECT_GT(diferencias(100, 200), 100);
    EXPECT_GT(diferencias(0, 200), 100);
    // Herida pierde el verde: el parpadeo se nota aunque el cuadro dure poco.
    Recuento golpe = contar(rana::X_CUADRO_GOLPE);
    EXPECT_LT(golpe.verde, 20);
    EXPECT_GE(golpe.pintadosEnCaja, contar(0).pintadosEnCaja / 2);
    for (int f = 0; f < rana::CUADROS_ANIMACION; ++f)
        EXPECT_GT(diferencias(f * rana::ANCHO_CUADRO, rana::X_CUADRO_GOLPE), 600) << "cuadro " << f;
}

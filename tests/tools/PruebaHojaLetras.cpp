#include "HojaGenerada.h"

#include "tools/Colores.h"
#include "tools/Hojas.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {
constexpr char RUTA_LETRAS[] = "graphics/letras.bmp";

class HojaDeLetras : public HojaGenerada<RUTA_LETRAS> {
protected:
    static int celdaDe(int codigo) { return codigo < 0x80 ? codigo - 0x20 : codigo - 0xA0 + 96; }

    static bool tinta(int codigo, int x, int y)
    {
        const int celda = celdaDe(codigo);
        const int p = getpixel(hoja_, celda % letras::COLUMNAS * letras::ANCHO_CELDA + x,
                               celda / letras::COLUMNAS * letras::ALTO_CELDA + y);
        return !(getr24(p) == 255 && getg24(p) == 0 && getb24(p) == 255);
    }

    // El mismo carácter con la fuente de Allegro, la de los rótulos del menú.
    static bool tintaDeAllegro(int codigo, int x, int y)
    {
        BITMAP* b = create_bitmap_ex(24, 8, 8);
        clear_to_color(b, 0);
        char texto[8];
        usetc(texto + usetc(texto, codigo), 0);
        textout_ex(b, font, texto, 0, 0, makecol24(255, 255, 255), -1);
        const bool hay = getpixel(b, x, y) != 0;
        destroy_bitmap(b);
        return hay;
    }

    // Si las filas de la letra (bajo el margen) son las de ese carácter de Allegro.
    static bool comoAllegro(int codigo, int deAllegro)
    {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (tinta(codigo, x, y + letras::MARGEN_TILDE) != tintaDeAllegro(deAllegro, x, y))
                    return false;
        return true;
    }

    static int tintaEnMargen(int codigo)
    {
        int n = 0;
        for (int y = 0; y < letras::MARGEN_TILDE; ++y)
            for (int x = 0; x < letras::ANCHO_CELDA; ++x)
                n += tinta(codigo, x, y);
        return n;
    }
};

TEST_F(HojaDeLetras, MideLasCeldasDeLatin1)
{
    ASSERT_TRUE(hoja_);
    EXPECT_EQ(hoja_->w, letras::ANCHO);
    EXPECT_EQ(hoja_->h, letras::ALTO);
    EXPECT_EQ(letras::codigoDeCelda(celdaDe('~')), '~');
    EXPECT_EQ(letras::codigoDeCelda(celdaDe(0xFF)), 0xFF);
}

// Las letras del español son las de Allegro, cada una en su celda.
TEST_F(HojaDeLetras, CadaLetraEsLaDelMenu)
{
    for (int codigo : std::initializer_list<int>{ 'A', 'z', '4', '-', 0xE1, 0xE9, 0xED, 0xF3, 0xFA, 0xFC, 0xF1, 0xD1, 0xBF, 0xA1 }) {
        EXPECT_TRUE(comoAllegro(codigo, codigo)) << std::hex << codigo;
        EXPECT_EQ(tintaEnMargen(codigo), 0) << std::hex << codigo;
    }
    EXPECT_FALSE(comoAllegro(0xF1, 'n'));
}

// Allegro aplasta las mayúsculas con tilde: van derechas y la tilde, encima.
TEST_F(HojaDeLetras, LasMayusculasConTildeLaLlevanEncima)
{
    const int conTilde[] = { 0xC1, 0xC9, 0xCD, 0xD3, 0xDA };
    const char vocales[] = "AEIOU";
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(comoAllegro(conTilde[i], vocales[i])) << vocales[i];
        EXPECT_GT(tintaEnMargen(conTilde[i]), 0) << vocales[i];
    }
}
}

#include "HojaGenerada.h"

#include "tools/Hojas.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {
constexpr char RUTA_LETRAS[] = "graphics/letras.bmp";

class HojaDeLetras : public HojaGenerada<RUTA_LETRAS> {
protected:
    // Si hay tinta en (x, y) de la celda del carácter: lo que no es magenta.
    static bool tinta(int codigo, int x, int y)
    {
        const int celda = codigo < 0x80 ? codigo - 0x20 : codigo - 0xA0 + 96;
        EXPECT_EQ(letras::codigoDeCelda(celda), codigo);
        const int p = getpixel(hoja_, celda % letras::COLUMNAS * letras::ANCHO_CELDA + x,
                               celda / letras::COLUMNAS * letras::ALTO_CELDA + y);
        return !(getr24(p) == 255 && getg24(p) == 0 && getb24(p) == 255);
    }
};

// Bajo el margen, cada letra es la de Allegro, la de los rótulos del menú; en
// el margen, solo las tildes de las mayúsculas, que Allegro aplasta.
TEST_F(HojaDeLetras, CadaLetraEsLaDeLosRotulosDelMenu)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(hoja_->w, letras::ANCHO);
    ASSERT_EQ(hoja_->h, letras::ALTO);
    struct Caso {
        int codigo, deAllegro;
        bool tildeEncima;
    };
    // a, á, é, í, ó, ú, ü, ñ, ¿, ¡, y Á, É, Ó sobre su vocal.
    BITMAP* glifo = create_bitmap_ex(24, 8, 8);
    for (const Caso& c : { Caso{ 'a', 'a', false }, Caso{ 0xE1, 0xE1, false }, Caso{ 0xE9, 0xE9, false },
                           Caso{ 0xED, 0xED, false }, Caso{ 0xF3, 0xF3, false }, Caso{ 0xFA, 0xFA, false },
                           Caso{ 0xFC, 0xFC, false }, Caso{ 0xF1, 0xF1, false }, Caso{ 0xBF, 0xBF, false },
                           Caso{ 0xA1, 0xA1, false }, Caso{ 0xC1, 'A', true }, Caso{ 0xC9, 'E', true },
                           Caso{ 0xD3, 'O', true } }) {
        clear_to_color(glifo, 0);
        char texto[8];
        usetc(texto + usetc(texto, c.deAllegro), 0);
        textout_ex(glifo, font, texto, 0, 0, makecol24(255, 255, 255), -1);
        int distintos = 0, enMargen = 0;
        for (int y = 0; y < letras::ALTO_CELDA; ++y)
            for (int x = 0; x < letras::ANCHO_CELDA; ++x) {
                if (y < letras::MARGEN_TILDE)
                    enMargen += tinta(c.codigo, x, y);
                else
                    distintos += tinta(c.codigo, x, y) != (getpixel(glifo, x, y - letras::MARGEN_TILDE) != 0);
            }
        EXPECT_EQ(distintos, 0) << std::hex << c.codigo;
        EXPECT_EQ(enMargen > 0, c.tildeEncima) << std::hex << c.codigo;
    }
    destroy_bitmap(glifo);
}
}

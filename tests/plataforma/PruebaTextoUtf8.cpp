#include <gtest/gtest.h>

#include "plataforma/TextoUtf8.h"

namespace {

// Los casos que separan el UTF-8 de hoy de lo que solo se le parece.
TEST(PruebaTextoUtf8, SoloValeElUtf8DeHoy)
{
    struct Caso {
        const char* que;
        std::string bytes;
        bool vale;
    };
    const Caso casos[] = {
        { "vacío", "", true },
        { "ASCII", "[sonido]\nvolumen = 3\n", true },
        { "las letras del juego", "sí ñ ¿¡ ü", true },
        { "de cuatro bytes, el último posible", "\xf4\x8f\xbf\xbf", true },
        { "un byte de continuación suelto", "a\x80", false },
        { "cortada al final", "s\xc3", false },
        { "sin continuación", "\xe2\x82" "a", false },
        { "forma larga de '/'", "\xc0\xaf", false },
        { "forma larga de tres bytes", "\xe0\x80\xaf", false },
        { "sustituto", "\xed\xa0\x80", false },
        { "más allá de U+10FFFF", "\xf4\x90\x80\x80", false },
        { "de cinco bytes", "\xf8\x88\x80\x80\x80", false },
        { "de seis bytes, la que colgaba a Allegro", "\xfd\x96\x97\x9b\xb4\xbc", false },
        { "Latin-1", "s\xed", false },
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(esTextoUtf8(caso.bytes), caso.vale) << caso.que;
}

}

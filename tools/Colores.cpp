#include "tools/Colores.h"

#include <allegro.h>

int aPixel(const Color& c)
{
    return makecol_depth(24, c.r, c.g, c.b);
}

Color mezclar(const Color& a, const Color& b, double t)
{
    auto canal = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return {canal(a.r, b.r), canal(a.g, b.g), canal(a.b, b.b)};
}

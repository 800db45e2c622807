#include <gtest/gtest.h>

#include "shell/CSpritesPreparados.h"

namespace {

// Los sprites se pintan por tramos: deben salir los mismos píxeles que con
// masked_blit, también medio fuera de la página o de la hoja, o con la
// página recortada.
TEST(PruebaSpritesPreparados, UnSpriteDejaLosMismosPixelesQueMaskedBlit)
{
    CSpritesPreparados sprites;
    BITMAP* pagina = create_bitmap(640, 480);
    BITMAP* hoja = create_bitmap(200, 120);
    for (int y = 0; y < hoja->h; ++y)
        for (int x = 0; x < hoja->w; ++x)
            putpixel(hoja, x, y, (x * 7 + y * 3) % 5 == 0 ? bitmap_mask_color(hoja) : makecol(x, y, 90));
    // Un rincón sin máscara: ese se copia tal cual.
    for (int y = 0; y < 40; ++y)
        for (int x = 150; x < 200; ++x)
            putpixel(hoja, x, y, makecol(x, 255 - y, 30));
    BITMAP* referencia = create_bitmap(640, 480);
    struct Caso {
        int sx, sy, x, y, ancho, alto;
    };
    const Caso casos[] = {
        { 0, 0, 100, 100, 50, 50 },     // dentro de todo
        { 10, 20, -30, -7, 50, 50 },    // medio fuera por arriba a la izquierda
        { 60, 30, 620, 470, 40, 40 },   // medio fuera por abajo a la derecha
        { 180, 100, 300, 200, 50, 50 }, // el rectángulo se sale de la hoja
        { 0, 0, 700, 10, 20, 20 },      // entero fuera de la página
        { 150, 0, 10, 20, 50, 40 },     // opaco
        { 160, 10, -20, 460, 40, 30 },  // opaco y medio fuera
    };
    for (int vuelta = 0; vuelta < 2; ++vuelta) { // la segunda, ya en caché y con recorte
        set_clip_rect(pagina, 5 * vuelta, 7 * vuelta, 639 - 9 * vuelta, 479 - 11 * vuelta);
        set_clip_rect(referencia, 5 * vuelta, 7 * vuelta, 639 - 9 * vuelta, 479 - 11 * vuelta);
        for (const Caso& c : casos) {
            clear_to_color(pagina, makecol(1, 2, 3));
            clear_to_color(referencia, makecol(1, 2, 3));
            sprites.dibujar(pagina, hoja, c.sx, c.sy, c.x, c.y, c.ancho, c.alto);
            masked_blit(hoja, referencia, c.sx, c.sy, c.x, c.y, c.ancho, c.alto);
            int distintos = 0;
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x)
                    distintos += getpixel(referencia, x, y) != getpixel(pagina, x, y);
            EXPECT_EQ(distintos, 0) << "origen " << c.sx << "," << c.sy << " en " << c.x << "," << c.y << ", vuelta "
                                    << vuelta;
        }
    }
    set_clip_rect(pagina, 0, 0, 639, 479);
    // Una hoja olvidada y otra nueva en la misma dirección no heredan sprites viejos.
    EXPECT_TRUE(sprites.guarda(hoja));
    sprites.olvidar(hoja);
    EXPECT_FALSE(sprites.guarda(hoja));
    clear_to_color(hoja, makecol(255, 255, 255));
    clear_bitmap(pagina);
    sprites.dibujar(pagina, hoja, 0, 0, 100, 100, 50, 50);
    EXPECT_EQ(getpixel(pagina, 110, 110), makecol(255, 255, 255));
    sprites.olvidar(hoja);
    destroy_bitmap(hoja);
    destroy_bitmap(referencia);
    destroy_bitmap(pagina);
}

}

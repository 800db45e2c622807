#include "shell/Fundidos.h"

#include "shell/CSistema.h"

namespace {

int pasoValido(int paso)
{
    return paso <= 0 ? 16 : paso;
}

// Un cuadro del fundido: la imagen sobre negro con el alfa dado, esperando
// el retrazado antes de copiarlo a la página de dibujo.
void dibujarCuadro(BITMAP* cuadro, BITMAP* imagen, int alfa)
{
    clear_bitmap(cuadro);
    set_trans_blender(0, 0, 0, alfa);
    draw_trans_sprite(cuadro, imagen, 0, 0);
    vsync();
    blit(cuadro, sistema.paginaDibujo, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

}

void fundidoEntrada(BITMAP* imagen, int paso)
{
    paso = pasoValido(paso);
    BITMAP* cuadro = create_bitmap(SCREEN_W, SCREEN_H);
    if (cuadro) {
        for (int alfa = 0; alfa < 256; alfa += paso)
            dibujarCuadro(cuadro, imagen, alfa);
        destroy_bitmap(cuadro);
    }
    blit(imagen, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

void fundidoSalida(int paso)
{
    paso = pasoValido(paso);
    BITMAP* instantanea = create_bitmap(SCREEN_W, SCREEN_H);
    if (instantanea) {
        BITMAP* cuadro = create_bitmap(SCREEN_W, SCREEN_H);
        if (cuadro) {
            blit(sistema.paginaDibujo, instantanea, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
            for (int alfa = 255 - paso; alfa > 0; alfa -= paso)
                dibujarCuadro(cuadro, instantanea, alfa);
            destroy_bitmap(cuadro);
        }
        destroy_bitmap(instantanea);
    }
    rectfill(sistema.paginaDibujo, 0, 0, SCREEN_W, SCREEN_H, makecol(0, 0, 0));
}

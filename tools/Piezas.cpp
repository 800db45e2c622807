#include "tools/Piezas.h"

#include "tools/Baldosas.h"
#include "tools/Lienzo.h"

#include <allegro.h>

#include <stdexcept>
#include <string>

void cortarPieza(const Lienzo& pieza, Lienzo& hoja, std::initializer_list<int> baldosas)
{
    int columnas = pieza.ancho() / LADO_BALDOSA;
    int filas = pieza.alto() / LADO_BALDOSA;
    if (static_cast<int>(baldosas.size()) != columnas * filas)
        throw std::runtime_error("una pieza de " + std::to_string(columnas) + "x" + std::to_string(filas) +
                                 " no se corta en " + std::to_string(baldosas.size()) + " baldosas");
    int i = 0;
    for (int n : baldosas) {
        int x = i % columnas * LADO_BALDOSA, y = i / columnas * LADO_BALDOSA;
        ++i;
        if (n < 0)
            continue;
        blit(pieza.bmp(), hoja.bmp(), x, y, n % BALDOSAS_POR_FILA * LADO_BALDOSA, n / BALDOSAS_POR_FILA * LADO_BALDOSA,
             LADO_BALDOSA, LADO_BALDOSA);
    }
}

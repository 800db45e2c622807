#ifndef ESCRITORICO_H
#define ESCRITORICO_H

#include <string>
#include <vector>

// Un lado del icono, ya en PNG.
struct ImagenIco {
    int lado;
    std::string png;
};

// Un .ico de Windows con cada lado en PNG, como lo lee Windows desde Vista:
// la cabecera, una entrada de 16 bytes por lado y los PNG detrás, en orden.
// El recurso del ejecutable con que Windows pinta el juego en el Explorador,
// la barra de tareas y la ventana.
std::string codificarIco(const std::vector<ImagenIco>& imagenes);

#endif

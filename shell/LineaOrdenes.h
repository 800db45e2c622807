#ifndef LINEAORDENES_H
#define LINEAORDENES_H

#include <string>

// Lo que pide la línea de órdenes para esta partida; no se guarda.
struct OpcionesLinea {
    int escala = 0;      // 0: la de los ajustes; 1..16 si se dio --escala
    int completa = -1;   // -1: la de los ajustes; 0: --ventana; 1: --pantalla-completa (gana la última)
    bool silencio = false;
};

#endif

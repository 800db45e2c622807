#ifndef CCAPAENTRAMOS_H
#define CCAPAENTRAMOS_H

#include <allegro.h>

#include <cstdint>
#include <vector>

// Una capa de losetas con máscara, cortada al cargar en los tramos opacos de
// cada fila de píxeles de la capa entera. Cada cuadro copia de un golpe los
// tramos que caen en la ventana, y los que cruzan de una loseta a la
// siguiente van en una sola copia: los mismos píxeles que loseta a loseta
// con máscara, con muchas menos llamadas.
class CCapaEnTramos {
public:
    // losetas: filas x columnas índices de la hoja (16 por fila de la hoja);
    // la 0 no pinta nada. Hoja de 16 bits en memoria.
    void preparar(BITMAP* hoja, const uint8_t* losetas, int filas, int columnas, int lado);
    // La ventana de la capa que empieza en su x `desde`, en la página (de 16
    // bits en memoria) desde su esquina, con `ancho` píxeles de ancho. Entre
    // tramo y tramo, lo que hay detrás: el fondo opaco desde su x `fondoX`.
    // Así cada píxel se escribe una sola vez.
    void dibujar(BITMAP* pagina, int desde, int ancho, BITMAP* fondo, int fondoX) const;

private:
    struct Tramo {
        int32_t x, fin;  // [x, fin) en la capa
        uint32_t desde;  // su primer píxel en pixeles
    };
    void cortarFila(BITMAP* hoja, const uint8_t* losetas, int columnas, int lado, int y);

    std::vector<std::vector<Tramo>> filas;
    std::vector<uint16_t> pixeles;
    // El primer tramo de cada fila que aún se ve: de un cuadro al siguiente
    // la ventana avanza un píxel, y se sigue desde él en vez de buscarlo.
    // Si la ventana vuelve atrás (otra partida), se empieza de cero.
    mutable std::vector<size_t> primeros;
    mutable int ultimoDesde = 0;
};

#endif

#ifndef CCAMBIOSPAGINA_H
#define CCAMBIOSPAGINA_H

#include <allegro.h>

#include <cstdint>
#include <vector>

// Un rectángulo de la página, en sus píxeles.
struct Zona {
    int x, y, ancho, alto;
};

// Recuerda la última página mostrada para mandar a la ventana solo lo que
// cambió. En plena fase, de un cuadro al siguiente cambia en torno al
// 13-15 %: la capa lejana se mueve un píxel cada cuatro ticks, y lo que
// pasa de un color liso a otro igual no cuenta.
class CCambiosPagina {
public:
    // Las zonas de la página (de 16 bits) que no son como la última vez, ya
    // anotadas como vistas. La primera vez, tras olvidar o si cambia el
    // tamaño, una sola con la página entera.
    const std::vector<Zona>& cambios(BITMAP* pagina);
    // De la última llamada, los trozos de fila (bloques de 32 píxeles
    // seguidos) que de verdad cambiaron, dentro de las zonas: lo único que
    // hay que convertir.
    const std::vector<Zona>& trozos() const { return trozosCambiados; }
    // La ventana ya no muestra lo anotado: la próxima página va entera.
    void olvidar() { anotada = false; }

private:
    bool marcarBloques(const uint16_t* fila, uint16_t* vista, int y);
    void anotarBanda(int primera, int ultima);

    std::vector<uint16_t> vista;
    int ancho = 0, alto = 0;
    bool anotada = false;
    std::vector<Zona> zonas, trozosCambiados;
    // Los bloques de la banda en curso que cambiaron en alguna de sus filas.
    std::vector<uint8_t> bloquesSucios;
};

#endif

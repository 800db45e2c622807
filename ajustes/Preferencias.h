#ifndef PREFERENCIAS_H
#define PREFERENCIAS_H

#include "shell/Teclas.h"

// Lo que el jugador puede cambiar y el juego recuerda de una vez a otra. Sus
// valores de serie, sus rangos y su sitio en el archivo están en la tabla de
// ajustes.
struct Preferencias {
    // Los de un juego recién instalado, de la tabla de ajustes (TablaAjustes.cpp).
    Preferencias();

    // 0: la mayor que quepa en el escritorio.
    int escala;
    bool completa;
    // En pantalla completa, la imagen 4:3 a toda la altura en vez del mayor factor entero.
    bool estirada;
    bool silencio;
    // De 0 a VOLUMEN_MAXIMO.
    int volumen;
    // Botones del mando contados desde 1.
    int botonDisparo;
    int botonInicio;
    int zonaMuerta;
    int teclas[NUM_ACCIONES];

    static constexpr int ESCALA_MAXIMA = 16;
    static constexpr int VOLUMEN_MAXIMO = 10;
    static constexpr int BOTONES_MAXIMOS = 32;
};

#endif

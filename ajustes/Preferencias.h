#ifndef PREFERENCIAS_H
#define PREFERENCIAS_H

#include <allegro.h>

// Las acciones de la partida que el jugador puede llevar a otra tecla.
enum AccionJuego { ARRIBA, ABAJO, IZQUIERDA, DERECHA, DISPARO, PAUSA, NUM_ACCIONES };

// La tecla que lee la partida para cada acción; a ella va la que elija el jugador.
const int TECLAS_JUEGO[NUM_ACCIONES] = { KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_P };

// Lo que el jugador puede cambiar y el juego recuerda de una vez a otra.
// Los valores por defecto son los de un juego recién instalado.
struct Preferencias {
    // 0: la mayor que quepa en el escritorio.
    int escala = 0;
    bool completa = false;
    // En pantalla completa, la imagen 4:3 a toda la altura en vez del mayor factor entero.
    bool estirada = false;
    bool silencio = false;
    // De 0 a VOLUMEN_MAXIMO.
    int volumen = 10;
    // Botones del mando contados desde 1; si falta el de inicio, el último.
    int botonDisparo = 1;
    int botonInicio = 8;
    // De 128: lo que hay que mover la palanca para que cuente.
    int zonaMuerta = 48;
    int teclas[NUM_ACCIONES] = { KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_P };

    static constexpr int ESCALA_MAXIMA = 16;
    static constexpr int VOLUMEN_MAXIMO = 10;
    static constexpr int BOTONES_MAXIMOS = 32;
};

#endif

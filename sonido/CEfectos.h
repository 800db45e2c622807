#ifndef CEFECTOS_H
#define CEFECTOS_H

#include <allegro.h>

#include <cstdint>

#include "plataforma/CDispositivos.h"

// Lo que se oye de cada cosa que pasa en la partida, además de la música.
enum Efecto {
    EFECTO_DISPARO,
    EFECTO_PERFORANTE,
    EFECTO_CURVO,
    EFECTO_ESTALLIDO,
    EFECTO_IMPACTO,
    EFECTO_EXPLOSION,
    EFECTO_EXPLOSION_METAL,
    EFECTO_EXPLOSION_GIGANTE,
    EFECTO_BALA,
    EFECTO_HERIDA,
    EFECTO_PREMIO,
    EFECTO_AVISO_GIGANTE,
    NUM_EFECTOS
};

// Los efectos de sonido: se cargan al arrancar, como la música, y suenan
// donde pasó lo que los hace, a la izquierda o a la derecha. El volumen y el
// silencio de todo el juego valen también para ellos.
class CEfectos {
public:
    // Más copias de un mismo efecto en un tick no se oirían distintas: solo suman ruido.
    static constexpr int COPIAS_POR_TICK = 2;

    CEfectos();

    // Lanza el error de archivos si alguno falta o no es un WAV que se pueda
    // leer. El reloj es el de la partida: las copias se cuentan por su tick.
    void cargar(CDispositivos* dispositivos, uint32_t (*reloj)());
    void liberar();

    // Suena centrado en la x de la pantalla de lo que lo hizo. Sin efectos
    // cargados no hace nada.
    void sonar(Efecto efecto, int x);
    // Corta todo lo que esté sonando (la pausa).
    void parar();

    static const char* archivo(Efecto efecto);

private:
    // Generador propio para variar el tono: el de la partida decide la
    // partida, y sonar o no sonar no puede cambiar su secuencia.
    int variacionTono();

    CDispositivos* dispositivos;
    uint32_t (*reloj)();
    SAMPLE* muestras[NUM_EFECTOS];
    uint32_t tickDe[NUM_EFECTOS];
    int copias[NUM_EFECTOS];
    uint32_t semilla;
};

extern CEfectos efectos;

#endif

#ifndef CMANDOALLEGRO_H
#define CMANDOALLEGRO_H

#include "plataforma/CDispositivos.h"

// El primer mando que encuentra el controlador de joystick de Allegro: la
// palanca izquierda, las palancas que hacen de cruceta, disparar y Start.
class CMandoAllegro {
public:
    // Verdadero si hay un mando conectado. Los botones, contados desde 0.
    bool instalar(int botonDisparo, int botonInicio);
    void leer(EstadoMando& estado);
    void fijarBotones(int botonDisparo, int botonInicio);

private:
    // Las palancas del mando, una por bit, que hacen de cruceta.
    int crucetas = 0;
    int disparo = 0, inicio = 7;
};

#endif

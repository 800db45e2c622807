#ifndef CREPRODUCTOR_H
#define CREPRODUCTOR_H

#include <allegro.h>

#include <cstddef>
#include <cstdint>

#include "repeticion/CGrabadora.h"
#include "repeticion/CRepeticion.h"

// Rehace una partida grabada: da a cada cuadro los ticks y las teclas que
// vio, sin mirar el teclado de juego, y su grabadora la graba otra vez para
// compararla.
class CReproductor : public COrigenCuadros {
public:
    enum Vista {
        // Ni dibuja ni espera: tan deprisa como se pueda.
        SIN_MOSTRAR,
        // En la ventana, a su ritmo (a 4x con Tab), con su rótulo; Escape la deja.
        REPETICION,
        // Como la repetición, con el rótulo DEMO y sin pausa: la deja cualquier tecla.
        DEMO
    };

    // La original tiene que durar más que el reproductor.
    CReproductor(const CRepeticion& original, Vista vista);

    void fijarArranque() override;
    void fijarCuadro() override;
    bool acabada() const override;
    bool seMuestra() const override { return vista != SIN_MOSTRAR; }
    bool admitePausa() const override { return vista != DEMO; }
    void rotularCuadro() override;
    bool esperaAlTick() const override;
    void cuadroJugado() override { grabadora.cuadroJugado(); }
    void partidaAcabada() override { grabadora.partidaAcabada(); }

    // Lo que quedó grabado al rehacerla: si acaba igual, sus controles y su
    // huella final son los de la original.
    const CRepeticion& rehecha() const { return grabadora.grabada(); }

private:
    const CRepeticion& original;
    const Vista vista;
    CGrabadora grabadora;
    size_t siguiente = 0;
    uint32_t tick = 0;
    volatile char teclas[KEY_MAX] = {};
};

#endif

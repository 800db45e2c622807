#include "plataforma/SonidoAllegro.h"

#include <allegro.h>

#include "plataforma/Recursos.h"

namespace {

// Voces del mezclador: las de los efectos y, aparte, las de la música.
const int VOCES_EFECTOS = 12;
const int VOCES_MUSICA = 32;
// La música de la fase sola ya llega al tope de la salida a todo volumen:
// con ella un poco más baja caben los efectos encima sin saturar.
const int VOLUMEN_MUSICA = 180;

}

int instalarSonidoAllegro(bool conMidi)
{
    if (!conMidi)
        return install_sound(DIGI_NONE, MIDI_NONE, NULL);
    anunciarParches();
    reserve_voices(VOCES_EFECTOS, VOCES_MUSICA);
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, NULL) != 0)
        return -1;
    fijarVolumenAllegro(255);
    return 0;
}

void fijarVolumenAllegro(int volumen)
{
    set_volume(volumen, volumen * VOLUMEN_MUSICA / 255);
}

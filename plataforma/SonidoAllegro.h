#ifndef SONIDOALLEGRO_H
#define SONIDOALLEGRO_H

// El sonido de Allegro tal como lo usa el juego, en el escritorio y en la
// página: mezclador por software con voces para efectos y música, y los
// instrumentos del sintetizador MIDI (DIGMID) de parches.cfg. Sin MIDI, mudo.
int instalarSonidoAllegro(bool conMidi);

// El volumen de 0 a 255, con la música algo por debajo de los efectos.
void fijarVolumenAllegro(int volumen);

#endif

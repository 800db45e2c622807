#ifndef SONIDOPAGINA_H
#define SONIDOPAGINA_H

// El sonido en la página, hecho por Allegro: su mezclador por software y su
// sintetizador MIDI (DIGMID) llenan búferes de 16 bits en estéreo que la
// página pone en cola en su AudioContext (arranque.js). Sin AudioContext
// (en node) no hay driver digital, y el juego sigue mudo.

// Pone en las listas del sistema sin drivers el driver digital de la
// página, DIGMID y un reloj que avanza avanzarSonidoPagina. Tras
// install_allegro y antes de install_sound.
void registrarSonidoPagina();

// Lleva el reloj de Allegro (el que hace sonar la música) hasta ahora, en
// milisegundos del reloj de la página, y mezcla lo que falte para ir por
// delante de lo que suena. Desde el bucle del juego, nunca desde el audio.
void avanzarSonidoPagina(double ahora);

#endif

#ifndef MUSICA_H
#define MUSICA_H

#include "tools/ArchivoMidi.h"

class CarpetaSalida;

ArchivoMidi temaTitulo();
ArchivoMidi temaFase1();
void generarMusica(const CarpetaSalida& salida);

#endif

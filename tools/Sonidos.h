#ifndef SONIDOS_H
#define SONIDOS_H

#include "tools/Sintesis.h"

class CarpetaSalida;

// Los efectos del juego, cada uno corto y fácil de distinguir a oído.
// Los de la rana y sus disparos:
Senal sonidoDisparo();
Senal sonidoPerforante();
Senal sonidoCurvo();
Senal sonidoEstallido();
Senal sonidoHerida();
Senal sonidoPremio();
// Los de los enemigos:
Senal sonidoImpacto();
Senal sonidoExplosion();
Senal sonidoExplosionMetal();
Senal sonidoExplosionGigante();
Senal sonidoBala();
Senal sonidoAvisoGigante();

// Un WAV por efecto en sounds/, con el nombre que el juego carga.
void generarSonidos(const CarpetaSalida& salida);

#endif

#ifndef EMBLEMA_H
#define EMBLEMA_H

class Lienzo;

// Insignia del escuadrón: cabeza de rana con gafas de piloto sobre unas alas.
void dibujarEmblemaRana(Lienzo& lienzo, int cx, int cy, int radio);

#endif

#ifndef CHOQUES_H
#define CHOQUES_H

// Las dos pasadas de choques de cada cuadro de la partida, sobre la lista de
// entidades: primero la rana, luego los disparos contra los enemigos.
void chocarConRana();
void chocarDisparos();

#endif

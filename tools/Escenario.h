#ifndef ESCENARIO_H
#define ESCENARIO_H

class Lienzo;

// Fondo común de las pantallas: cielo de noche sobre una charca.
// La luna es opcional porque en el menú taparía el emblema.
void dibujarCharcaNocturna(Lienzo& lienzo, int alturaAgua, bool conLuna);
void dibujarNenufar(Lienzo& lienzo, int cx, int cy, int radio);
// Marco oscuro para que el texto se lea sobre el fondo.
void dibujarPanel(Lienzo& lienzo, int x0, int y0, int x1, int y1);

#endif

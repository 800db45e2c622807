#ifndef ESTILOPANTALLA_H
#define ESTILOPANTALLA_H

#include <allegro.h>

#include <string>

#include "opciones/CLetras.h"

// Lo que comparten las pantallas de menú con panel (opciones, repeticiones):
// los colores, la franja de lo elegido y la pregunta de sí o no.
namespace estilo {

int amarillo();
int blanco();
int verdeClaro();
int gris();
int naranja();
int celeste();

// La franja bajo la línea elegida, de x a x + ancho, en una fila de letras a 2x.
void franja(BITMAP* pagina, int x, int y, int ancho);

// A 2x si cabe en el ancho; si no, a 1x, centrada en la fila de las de 2x.
void escribirAjustado(const CLetras& letras, BITMAP* pagina, const std::string& texto, int x, int y, int ancho,
                      int tinta, bool aLaDerecha);

// La pregunta en amarillo y debajo el sí y el no, con la franja en la marcada.
void preguntaSiNo(const CLetras& letras, BITMAP* pagina, const std::string& pregunta, int x, int yPregunta,
                  int yRespuesta, int ancho, bool si);

}

#endif

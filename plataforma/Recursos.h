#ifndef RECURSOS_H
#define RECURSOS_H

#include <string>

// Carpeta de la que se leen los recursos, con '/' al final: nada si la carpeta
// de trabajo trae graphics/ (como siempre), o la instalada, que cuelga del
// prefijo del ejecutable: <prefijo>/games/escuadron-rana lee de
// <prefijo>/share/games/escuadron-rana/. En Windows, la del ejecutable. Sin
// ruta del ejecutable, nada.
std::string carpetaRecursos(bool hayGraficosAqui, const std::string& ejecutable);

// Decide la carpeta al arrancar, antes de leer ningún recurso.
void localizarRecursos();

// Ruta con la que abrir un recurso dado relativo a su carpeta ("graphics/main.bmp").
std::string rutaRecurso(const char* relativa);

// Índice de instrumentos para el sintetizador por software, junto a la música.
extern const char* const RUTA_PARCHES;
// El sintetizador por software solo suena si sabe dónde están los
// instrumentos; se le dice sin escribir ningún allegro.cfg.
void anunciarParches();

#endif

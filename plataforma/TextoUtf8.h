#ifndef TEXTOUTF8_H
#define TEXTOUTF8_H

#include <string>

// Verdadero si los bytes son UTF-8 como lo define hoy Unicode: secuencias de
// uno a cuatro bytes, sin formas largas, sin sustitutos y hasta U+10FFFF.
// El lector de configuración de Allegro se cuelga con algunas de seis bytes:
// un archivo escrito a mano se mira antes de dárselo.
bool esTextoUtf8(const std::string& bytes);

#endif

#ifndef SONIDOWAV_H
#define SONIDOWAV_H

#include <cstddef>
#include <cstdint>

// Allegro carga un WAV cortado leyendo más allá de lo que trae, uno con un
// formato que no entiende como si fuera otro, y sigue leyendo trozos hasta
// el final: un segundo trozo de datos pisa al primero. Antes de cargar se
// mira que sea PCM de 8 o 16 bits, con un solo trozo de formato y uno de
// datos, y que el archivo traiga entero cada trozo que anuncia, con sus
// muestras enteras.
bool wavSano(const uint8_t* bytes, size_t tamano);

// Falso también si el archivo no se puede leer entero (ver leerArchivo) o es
// demasiado grande para ser un efecto.
bool archivoWavSano(const char* ruta);

#endif

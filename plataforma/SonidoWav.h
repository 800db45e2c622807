#ifndef SONIDOWAV_H
#define SONIDOWAV_H

#include <cstddef>
#include <cstdint>

// Allegro carga un WAV cortado leyendo más allá de lo que trae, y uno con
// un formato que no entiende como si fuera otro. Antes de cargar se mira que
// sea PCM de 8 o 16 bits y que el archivo traiga todas las muestras que
// anuncia su trozo de datos.
bool wavSano(const uint8_t* bytes, size_t tamano);

// Falso también si el archivo no se puede leer entero (ver leerArchivo) o es
// demasiado grande para ser un efecto.
bool archivoWavSano(const char* ruta);

#endif

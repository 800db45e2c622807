#ifndef IMAGENBMP_H
#define IMAGENBMP_H

#include <cstddef>
#include <cstdint>

// Allegro carga un BMP cortado como un dibujo con filas en blanco y el juego
// seguiría enseñando basura, y uno comprimido escribiendo fuera del dibujo.
// Antes de cargar se mira que la cabecera tenga sentido, sin compresión, y
// que el archivo traiga todos los píxeles que ella anuncia.

// Lo más largo que puede ocupar la cabecera: la de archivo y la de Windows v5.
constexpr size_t LARGO_CABECERA_BMP = 14 + 124;

// cabecera: los primeros bytes del archivo (hasta LARGO_CABECERA_BMP, menos
// si el archivo es más corto); tamanoArchivo: lo que ocupa entero.
bool cabeceraBmpSana(const uint8_t* cabecera, size_t leidos, uint64_t tamanoArchivo);

// Falso también si el archivo no se puede leer entero (ver leerArchivo).
bool archivoBmpSano(const char* ruta);

#endif

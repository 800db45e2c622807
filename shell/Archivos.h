#ifndef ARCHIVOS_H
#define ARCHIVOS_H

#include <cstddef>
#include <string>

// Lo más que se lee de un archivo entero: nada del juego se acerca.
const size_t TAMANO_MAXIMO_ARCHIVO = 16u * 1024 * 1024;

// Escribe los bytes en un temporal de la misma carpeta, lo asienta en disco y
// lo pone en lugar de la ruta: quien lee ve el archivo viejo entero o el nuevo
// entero, nunca uno a medias. Falso ante cualquier fallo, con el viejo intacto
// y sin temporal. El archivo nuevo queda solo para su dueño (0600).
bool escribirArchivoAtomico(const std::string& ruta, const std::string& bytes);

// Lee un archivo normal entero. Falso si no se puede, si no es un archivo
// normal o si pasa de TAMANO_MAXIMO_ARCHIVO; entonces `bytes` queda vacío.
bool leerArchivo(const std::string& ruta, std::string& bytes);

// La carpeta del juego bajo la del escritorio que da la variable (como
// XDG_CONFIG_HOME), o bajo ~/relativa si la variable no está o está vacía.
std::string carpetaDelJuego(const char* variable, const char* relativa);

#endif

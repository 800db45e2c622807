#ifndef ARCHIVOS_H
#define ARCHIVOS_H

#include <cstddef>
#include <filesystem>
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

// Crea junto a la ruta un archivo vacío con un nombre que no era de nadie
// (ruta más un sufijo) y da ese nombre; vacío si no se pudo, con errno.
std::string reservarTemporal(const std::string& ruta);

// Lleva al disco lo escrito en el archivo antes de seguir.
bool asentarArchivo(const std::string& ruta);

// Pone `desde` en el lugar de `hasta` de una vez, haya algo allí o no.
bool reemplazarArchivo(const std::string& desde, const std::string& hasta);

bool archivoLegible(const std::string& ruta);

// Lo borra si está; si no se puede, lo deja.
void borrarArchivo(const std::string& ruta);

// Las rutas del juego van en UTF-8, como las quiere Allegro; en Windows
// std::filesystem leería un std::string en la página de códigos del sistema.
std::filesystem::path rutaDe(const std::string& utf8);
std::string textoDe(const std::filesystem::path& ruta);

enum class CarpetaUsuario { AJUSTES, DATOS };

// La carpeta del juego en las del usuario. En Linux, bajo $XDG_CONFIG_HOME
// o $XDG_DATA_HOME, o bajo ~/.config o ~/.local/share si la variable no está
// o está vacía; en Windows, bajo %APPDATA% (la que viaja con el usuario) o
// %LOCALAPPDATA% (la de esta máquina).
std::string carpetaDelJuego(CarpetaUsuario cual);

#endif

#ifndef INDICEPARCHES_H
#define INDICEPARCHES_H

#include <string>

class CarpetaSalida;

constexpr const char* INDICE_FREEPATS = "/etc/timidity/freepats.cfg";

// Traduce un índice de timidity al que lee el sintetizador DIGMID de Allegro:
// "N /ruta/absoluta.pat" para los instrumentos 0-127 y la percusión dentro de
// un bloque "129 begin_multipatch default blocks" ... "end_multipatch".
// Lanza std::runtime_error si no puede leer el índice.
std::string convertirIndiceTimidity(const std::string& rutaCfg);

// Sin freepats se deja el índice vacío: así el archivo prometido a CMake
// existe siempre, y Allegro arranca igual aunque la música no suene.
void generarIndiceParches(const CarpetaSalida& salida, const std::string& rutaCfg);

#endif

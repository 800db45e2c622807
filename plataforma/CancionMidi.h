#ifndef CANCIONMIDI_H
#define CANCIONMIDI_H

#include <cstddef>
#include <cstdint>

// Allegro carga un MIDI copiando cada pista tal cual, sin mirar lo que hay
// dentro, y luego el reproductor la recorre confiando en ella: una pista
// sin final sigue leyendo lo que haya detrás. Antes de cargar se mira que
// sea un MIDI de formato 0 o 1 que Allegro sabe tocar, con todas sus pistas
// enteras y cada pista bien formada hasta su evento de fin.
bool midiSano(const uint8_t* bytes, size_t tamano);

// Falso también si el archivo no se puede leer entero (ver leerArchivo).
bool archivoMidiSano(const char* ruta);

#endif

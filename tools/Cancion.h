#ifndef CANCION_H
#define CANCION_H

#include "tools/ArchivoMidi.h"
#include "tools/Partitura.h"

#include <deque>
#include <string>

// Canción en 4/4: una pista de tempo y una voz por instrumento General MIDI.
class Cancion {
public:
    static constexpr int TICKS_POR_NEGRA = 96;
    static constexpr int TICKS_POR_COMPAS = 4 * TICKS_POR_NEGRA;
    static constexpr int CANAL_BATERIA = 9;

    Cancion(const std::string& titulo, int pulsosPorMinuto);

    Partitura& voz(int canal, int instrumento, int volumen);
    Partitura& bateria(int volumen);
    // Cierra todas las pistas en la barra final; todas las voces deben llegar justo ahí.
    const ArchivoMidi& terminar();

private:
    ArchivoMidi archivo_;
    std::deque<Partitura> voces_;
};

#endif

#ifndef ARCHIVOMIDI_H
#define ARCHIVOMIDI_H

#include "tools/PistaMidi.h"

#include <string>
#include <deque>

// Archivo MIDI estándar de formato 1: una pista de tempo y una por instrumento.
class ArchivoMidi {
public:
    explicit ArchivoMidi(int ticksPorNegra);

    int ticksPorNegra() const { return ticksPorNegra_; }
    PistaMidi& nuevaPista();
    // Todas las pistas acaban a la vez para que el bucle no se desfase.
    void terminarEn(std::uint32_t tick);

    std::string bytes() const;

private:
    int ticksPorNegra_;
    std::deque<PistaMidi> pistas_;  // deque: las referencias dadas siguen valiendo
};

#endif

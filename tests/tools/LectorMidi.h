#ifndef LECTORMIDI_H
#define LECTORMIDI_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Lector mínimo e independiente del escritor, para comprobar lo que se generó.
struct PistaLeida {
    std::uint32_t longitudDeclarada = 0;
    std::uint32_t bytesLeidos = 0;
    std::uint32_t tickFinal = 0;
    bool terminaConFinDePista = false;
    int notasSonandoAlFinal = 0;
    int notas = 0;
};

struct MidiLeido {
    int formato = -1;
    int ticksPorNegra = 0;
    std::vector<PistaLeida> pistas;
    std::map<int, int> programaPorCanal;
    std::set<int> canalesConNotas;
    std::set<int> golpesDePercusion;
};

std::uint32_t leerVlq(const std::string& datos, std::size_t& pos);
MidiLeido leerMidi(const std::string& datos);

#endif

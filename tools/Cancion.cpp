#include "tools/Cancion.h"

#include <stdexcept>

namespace {
constexpr int CONTROL_VOLUMEN = 7;
}

Cancion::Cancion(const std::string& titulo, int pulsosPorMinuto) : archivo_(TICKS_POR_NEGRA)
{
    PistaMidi& tempo = archivo_.nuevaPista();
    tempo.nombre(titulo);
    tempo.tempo(0, pulsosPorMinuto);
    tempo.compas(0, 4, 2);
}

Partitura& Cancion::voz(int canal, int instrumento, int volumen)
{
    PistaMidi& pista = archivo_.nuevaPista();
    pista.programa(0, canal, instrumento);
    pista.controlador(0, canal, CONTROL_VOLUMEN, volumen);
    voces_.emplace_back(pista, canal, TICKS_POR_COMPAS);
    return voces_.back();
}

Partitura& Cancion::bateria(int volumen)
{
    PistaMidi& pista = archivo_.nuevaPista();
    pista.controlador(0, CANAL_BATERIA, CONTROL_VOLUMEN, volumen);
    voces_.emplace_back(pista, CANAL_BATERIA, TICKS_POR_COMPAS);
    return voces_.back();
}

const ArchivoMidi& Cancion::terminar()
{
    int compases = voces_.empty() ? 0 : voces_.front().compasActual();
    for (const Partitura& v : voces_)
        if (v.compasActual() != compases)
            throw std::logic_error("voces de distinta longitud: " + std::to_string(v.compasActual()) + " y " +
                                   std::to_string(compases) + " compases");
    archivo_.terminarEn(static_cast<std::uint32_t>(compases * TICKS_POR_COMPAS));
    return archivo_;
}

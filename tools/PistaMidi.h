#ifndef PISTAMIDI_H
#define PISTAMIDI_H

#include <cstdint>
#include <string>
#include <vector>

// Cantidad de longitud variable del formato MIDI (7 bits por byte).
std::string codificarVlq(std::uint32_t valor);

// Una pista MIDI con eventos en tiempo absoluto (ticks).
class PistaMidi {
public:
    void nota(std::uint32_t inicio, std::uint32_t duracion, int canal, int tono, int fuerza);
    void programa(std::uint32_t tick, int canal, int instrumento);
    void controlador(std::uint32_t tick, int canal, int numero, int valor);
    void tempo(std::uint32_t tick, int pulsosPorMinuto);
    void compas(std::uint32_t tick, int numerador, int denominadorPotencia);
    void nombre(const std::string& texto);
    // El fin de pista marca el punto de bucle: las notas que lo pasen se cortan ahí.
    // Sin fijarlo, la pista acaba en su último evento.
    void terminarEn(std::uint32_t tick);

    // Fragmento "MTrk" completo, cabecera y longitud incluidas.
    std::string bytes() const;

private:
    struct Evento {
        std::uint32_t tick;
        int orden;  // a igual tick: apagar antes de encender
        std::string datos;
    };

    void agregar(std::uint32_t tick, int orden, std::string datos);

    std::vector<Evento> eventos_;
    std::uint32_t fin_ = 0;
};

#endif

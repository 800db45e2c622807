#include "LectorMidi.h"

#include <stdexcept>

namespace {
std::uint32_t leerEntero(const std::string& d, std::size_t pos, int bytes)
{
    if (pos + bytes > d.size())
        throw std::runtime_error("MIDI truncado");
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<unsigned char>(d[pos + i]);
    return v;
}

PistaLeida leerPista(const std::string& d, std::size_t& pos, MidiLeido& midi)
{
    if (d.compare(pos, 4, "MTrk") != 0)
        throw std::runtime_error("falta MTrk");
    PistaLeida pista;
    pista.longitudDeclarada = leerEntero(d, pos + 4, 4);
    std::size_t inicio = pos + 8, p = inicio;
    std::map<int, int> sonando;  // canal*128+tono -> veces
    std::uint32_t tick = 0;
    while (p < inicio + pista.longitudDeclarada && !pista.terminaConFinDePista) {
        tick += leerVlq(d, p);
        int estado = static_cast<unsigned char>(d.at(p++));
        int canal = estado & 0x0F, tipo = estado & 0xF0;
        if (estado == 0xFF) {
            int meta = static_cast<unsigned char>(d.at(p++));
            std::uint32_t largo = leerVlq(d, p);
            p += largo;
            pista.terminaConFinDePista = meta == 0x2F;
        } else if (tipo == 0x90 || tipo == 0x80) {
            int tono = static_cast<unsigned char>(d.at(p)), fuerza = static_cast<unsigned char>(d.at(p + 1));
            p += 2;
            bool enciende = tipo == 0x90 && fuerza > 0;
            sonando[canal * 128 + tono] += enciende ? 1 : -1;
            if (enciende) {
                ++pista.notas;
                midi.canalesConNotas.insert(canal);
                if (canal == 9)
                    midi.golpesDePercusion.insert(tono);
            }
        } else if (tipo == 0xC0) {
            midi.programaPorCanal[canal] = static_cast<unsigned char>(d.at(p++));
        } else if (tipo == 0xB0) {
            p += 2;
        } else {
            throw std::runtime_error("evento MIDI inesperado");
        }
    }
    pista.tickFinal = tick;
    pista.bytesLeidos = static_cast<std::uint32_t>(p - inicio);
    for (const auto& [clave, veces] : sonando)
        pista.notasSonandoAlFinal += veces;
    pos = inicio + pista.longitudDeclarada;
    return pista;
}
}

std::uint32_t leerVlq(const std::string& datos, std::size_t& pos)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        int b = static_cast<unsigned char>(datos.at(pos++));
        v = (v << 7) | (b & 0x7F);
        if (!(b & 0x80))
            return v;
    }
    throw std::runtime_error("cantidad variable de más de 4 bytes");
}

MidiLeido leerMidi(const std::string& d)
{
    if (d.compare(0, 4, "MThd") != 0 || leerEntero(d, 4, 4) != 6)
        throw std::runtime_error("cabecera MThd inválida");
    MidiLeido midi;
    midi.formato = static_cast<int>(leerEntero(d, 8, 2));
    int pistas = static_cast<int>(leerEntero(d, 10, 2));
    midi.ticksPorNegra = static_cast<int>(leerEntero(d, 12, 2));
    std::size_t pos = 14;
    for (int i = 0; i < pistas; ++i)
        midi.pistas.push_back(leerPista(d, pos, midi));
    if (pos != d.size())
        throw std::runtime_error("sobran bytes tras la última pista");
    return midi;
}

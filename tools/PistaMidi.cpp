#include "tools/PistaMidi.h"

#include <algorithm>
#include <stdexcept>

namespace {
enum Orden { APAGAR = 0, AJUSTE = 1, ENCENDER = 2 };

std::string byteUnico(int v)
{
    return std::string(1, static_cast<char>(v & 0xFF));
}

std::string entero32(std::uint32_t v)
{
    std::string s;
    for (int desplazamiento = 24; desplazamiento >= 0; desplazamiento -= 8)
        s += byteUnico(static_cast<int>(v >> desplazamiento));
    return s;
}

void comprobarCanal(int canal)
{
    if (canal < 0 || canal > 15)
        throw std::invalid_argument("canal MIDI fuera de rango: " + std::to_string(canal));
}
}

std::string codificarVlq(std::uint32_t valor)
{
    if (valor > 0x0FFFFFFF)
        throw std::invalid_argument("cantidad demasiado grande para MIDI");
    std::string s = byteUnico(valor & 0x7F);
    for (valor >>= 7; valor > 0; valor >>= 7)
        s.insert(s.begin(), static_cast<char>((valor & 0x7F) | 0x80));
    return s;
}

void PistaMidi::agregar(std::uint32_t tick, int orden, std::string datos)
{
    eventos_.push_back({tick, orden, std::move(datos)});
}

void PistaMidi::nota(std::uint32_t inicio, std::uint32_t duracion, int canal, int tono, int fuerza)
{
    comprobarCanal(canal);
    if (tono < 0 || tono > 127 || fuerza < 1 || fuerza > 127 || duracion == 0)
        throw std::invalid_argument("nota MIDI inválida: " + std::to_string(tono));
    agregar(inicio, ENCENDER, byteUnico(0x90 | canal) + byteUnico(tono) + byteUnico(fuerza));
    agregar(inicio + duracion, APAGAR, byteUnico(0x80 | canal) + byteUnico(tono) + byteUnico(0));
}

void PistaMidi::programa(std::uint32_t tick, int canal, int instrumento)
{
    comprobarCanal(canal);
    agregar(tick, AJUSTE, byteUnico(0xC0 | canal) + byteUnico(instrumento));
}

void PistaMidi::controlador(std::uint32_t tick, int canal, int numero, int valor)
{
    comprobarCanal(canal);
    agregar(tick, AJUSTE, byteUnico(0xB0 | canal) + byteUnico(numero) + byteUnico(valor));
}

void PistaMidi::tempo(std::uint32_t tick, int pulsosPorMinuto)
{
    std::uint32_t microsPorNegra = 60000000u / static_cast<std::uint32_t>(pulsosPorMinuto);
    agregar(tick, AJUSTE, "\xFF\x51\x03" + entero32(microsPorNegra).substr(1));
}

void PistaMidi::compas(std::uint32_t tick, int numerador, int denominadorPotencia)
{
    agregar(tick, AJUSTE,
            "\xFF\x58\x04" + byteUnico(numerador) + byteUnico(denominadorPotencia) + byteUnico(24) + byteUnico(8));
}

void PistaMidi::nombre(const std::string& texto)
{
    agregar(0, AJUSTE, "\xFF\x03" + codificarVlq(static_cast<std::uint32_t>(texto.size())) + texto);
}

void PistaMidi::terminarEn(std::uint32_t tick)
{
    fin_ = tick;
}

std::string PistaMidi::bytes() const
{
    std::uint32_t fin = fin_;
    if (!fin)
        for (const Evento& e : eventos_)
            fin = std::max(fin, e.tick);
    std::vector<Evento> ordenados = eventos_;
    for (Evento& e : ordenados)
        e.tick = std::min(e.tick, fin);
    std::stable_sort(ordenados.begin(), ordenados.end(), [](const Evento& a, const Evento& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.orden < b.orden;
    });

    std::string cuerpo;
    std::uint32_t anterior = 0;
    for (const Evento& e : ordenados) {
        // Una nota que empieza justo en el fin de pista sonaría al volver del bucle.
        if (e.tick == fin && e.orden == ENCENDER)
            throw std::logic_error("nota que empieza en el fin de la pista");
        cuerpo += codificarVlq(e.tick - anterior) + e.datos;
        anterior = e.tick;
    }
    cuerpo += codificarVlq(fin - anterior) + std::string("\xFF\x2F\x00", 3);
    return "MTrk" + entero32(static_cast<std::uint32_t>(cuerpo.size())) + cuerpo;
}

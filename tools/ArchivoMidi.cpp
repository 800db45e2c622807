#include "tools/ArchivoMidi.h"

ArchivoMidi::ArchivoMidi(int ticksPorNegra) : ticksPorNegra_(ticksPorNegra)
{
}

PistaMidi& ArchivoMidi::nuevaPista()
{
    pistas_.emplace_back();
    return pistas_.back();
}

void ArchivoMidi::terminarEn(std::uint32_t tick)
{
    for (PistaMidi& pista : pistas_)
        pista.terminarEn(tick);
}

std::string ArchivoMidi::bytes() const
{
    auto dos = [](int v) { return std::string{static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)}; };
    std::string s = std::string("MThd\0\0\0\x06", 8) + dos(1) + dos(static_cast<int>(pistas_.size())) +
                    dos(ticksPorNegra_);
    for (const PistaMidi& pista : pistas_)
        s += pista.bytes();
    return s;
}

#include "tools/EscritorWav.h"

#include <stdexcept>

namespace {
constexpr int CANALES = 1;
constexpr int BYTES_POR_MUESTRA = 2;
// "RIFF" y su tamaño no cuentan en el tamaño que declara.
constexpr std::uint32_t CABECERA_TRAS_RIFF = 4 + 8 + 16 + 8;

void agregar(std::string& s, std::uint32_t valor, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((valor >> (8 * i)) & 0xFF);
}
}

std::string codificarWav(const std::vector<std::int16_t>& muestras, int frecuencia)
{
    const std::uint64_t datos = std::uint64_t(muestras.size()) * BYTES_POR_MUESTRA;
    if (datos > 0xFFFFFFFFu - CABECERA_TRAS_RIFF)
        throw std::length_error("demasiadas muestras para un WAV");
    std::string s = "RIFF";
    agregar(s, CABECERA_TRAS_RIFF + std::uint32_t(datos), 4);
    s += "WAVEfmt ";
    agregar(s, 16, 4);
    agregar(s, 1, 2);  // PCM sin comprimir
    agregar(s, CANALES, 2);
    agregar(s, std::uint32_t(frecuencia), 4);
    agregar(s, std::uint32_t(frecuencia) * CANALES * BYTES_POR_MUESTRA, 4);
    agregar(s, CANALES * BYTES_POR_MUESTRA, 2);
    agregar(s, 8 * BYTES_POR_MUESTRA, 2);
    s += "data";
    agregar(s, std::uint32_t(datos), 4);
    for (std::int16_t muestra : muestras)
        agregar(s, std::uint16_t(muestra), 2);
    return s;
}

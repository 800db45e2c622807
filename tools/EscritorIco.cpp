#include "tools/EscritorIco.h"

#include <cstdint>
#include <stdexcept>

namespace {

void poner16(std::string& salida, unsigned valor)
{
    salida += char(valor & 0xFF);
    salida += char((valor >> 8) & 0xFF);
}

void poner32(std::string& salida, uint32_t valor)
{
    poner16(salida, valor & 0xFFFF);
    poner16(salida, valor >> 16);
}

}

std::string codificarIco(const std::vector<ImagenIco>& imagenes)
{
    std::string ico;
    poner16(ico, 0);
    poner16(ico, 1); // 1: icono (2 sería cursor)
    poner16(ico, unsigned(imagenes.size()));
    uint32_t desplazamiento = uint32_t(6 + 16 * imagenes.size());
    for (const ImagenIco& imagen : imagenes) {
        if (imagen.lado < 1 || imagen.lado > 256)
            throw std::invalid_argument("un icono de Windows mide de 1 a 256 píxeles");
        // Un byte por lado: 256 se escribe 0.
        ico += char(imagen.lado & 0xFF);
        ico += char(imagen.lado & 0xFF);
        ico += char(0); // sin paleta
        ico += char(0);
        poner16(ico, 1);  // planos
        poner16(ico, 32); // bits por píxel
        poner32(ico, uint32_t(imagen.png.size()));
        poner32(ico, desplazamiento);
        desplazamiento += uint32_t(imagen.png.size());
    }
    for (const ImagenIco& imagen : imagenes)
        ico += imagen.png;
    return ico;
}

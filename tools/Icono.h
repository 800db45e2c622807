#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CarpetaSalida;

// Lados de los iconos del escritorio, en píxeles.
constexpr int LADOS_ICONO[] = {64, 128, 256};

// El emblema de la rana sobre fondo transparente, en RGBA, lado*lado píxeles.
std::vector<uint8_t> pixelesIcono(int lado);
// iconos/escuadron-rana-<lado>.png, uno por lado.
std::string rutaIcono(int lado);
void generarIconos(const CarpetaSalida& salida);

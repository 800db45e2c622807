#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CarpetaSalida;

// Lados de los iconos del escritorio, en píxeles.
constexpr int LADOS_ICONO[] = {64, 128, 256};
// El que el juego pone a su ventana, en BMP como sus demás dibujos.
constexpr int LADO_ICONO_VENTANA = 64;
constexpr const char* RUTA_ICONO_VENTANA = "graphics/icono.bmp";

// El emblema de la rana sobre fondo transparente, en RGBA, lado*lado píxeles.
std::vector<uint8_t> pixelesIcono(int lado);
// iconos/escuadron-rana-<lado>.png, uno por lado.
std::string rutaIcono(int lado);
// Los PNG del escritorio y el BMP de la ventana.
void generarIconos(const CarpetaSalida& salida);

#ifndef ICONO_H
#define ICONO_H

#include <cstdint>
#include <string>
#include <vector>

class CarpetaSalida;

// Lados de los iconos del escritorio, en píxeles.
constexpr int LADOS_ICONO[] = {64, 128, 256};
// Los del icono de Windows: el Explorador y la barra de tareas piden 16 y 32.
constexpr int LADOS_ICONO_WINDOWS[] = {16, 32, 64, 256};
constexpr const char* RUTA_ICONO_WINDOWS = "iconos/escuadron-rana.ico";
// El que el juego pone a su ventana, en BMP como sus demás dibujos.
constexpr int LADO_ICONO_VENTANA = 64;
constexpr const char* RUTA_ICONO_VENTANA = "graphics/icono.bmp";

// El emblema de la rana sobre fondo transparente, en RGBA, lado*lado píxeles.
std::vector<uint8_t> pixelesIcono(int lado);
// iconos/escuadron-rana-<lado>.png, uno por lado.
std::string rutaIcono(int lado);
// Los PNG del escritorio, el BMP de la ventana y el icono de Windows.
void generarIconos(const CarpetaSalida& salida);

#endif

#include "tools/Pantallas.h"

#include "tools/CarpetaSalida.h"
#include "tools/Lienzo.h"

namespace {
void guardarPantalla(const CarpetaSalida& salida, const char* relativa, void (*dibujar)(Lienzo&))
{
    Lienzo lienzo(ANCHO_PANTALLA, ALTO_PANTALLA, colores::NEGRO);
    dibujar(lienzo);
    lienzo.guardarEn(salida, relativa);
}
}

void generarPantallas(const CarpetaSalida& salida)
{
    guardarPantalla(salida, "graphics/pelmora.bmp", dibujarPantallaPresentacion);
    guardarPantalla(salida, "graphics/main.bmp", dibujarPantallaMenu);
    guardarPantalla(salida, "graphics/opciones.bmp", dibujarPantallaOpciones);
    guardarPantalla(salida, "graphics/repeticiones.bmp", dibujarPantallaRepeticiones);
}

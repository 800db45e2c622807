#include "tools/Hojas.h"

#include "tools/Baldosas.h"
#include "tools/CarpetaSalida.h"
#include "tools/Lienzo.h"

namespace {
// El magenta es la máscara: lo que no se dibuja queda transparente en el juego.
void guardarHoja(const CarpetaSalida& salida, const char* relativa, int ancho, int alto, void (*dibujar)(Lienzo&))
{
    Lienzo lienzo(ancho, alto, colores::MAGENTA_MASCARA);
    dibujar(lienzo);
    lienzo.guardarEn(salida, relativa);
}
}

void generarHojas(const CarpetaSalida& salida)
{
    guardarHoja(salida, "graphics/comunes.bmp", ANCHO_COMUNES, ALTO_COMUNES, dibujarHojaComunes);
    guardarHoja(salida, "graphics/enemigos.bmp", ANCHO_ENEMIGOS, ALTO_ENEMIGOS, dibujarHojaEnemigos);
    guardarHoja(salida, "graphics/rana.bmp", ANCHO_RANA, ALTO_RANA, dibujarHojaRana);
    guardarHoja(salida, "graphics/letras.bmp", letras::ANCHO, letras::ALTO, dibujarHojaLetras);
    guardarHoja(salida, "graphics/fase1.bmp", ANCHO_FASE1, ALTO_FASE1, dibujarHojaFase1);
}

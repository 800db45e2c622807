#include "tools/Hojas.h"

#include "tools/Lienzo.h"

#include <string>

namespace {
// El carácter Latin-1 como lo escribe el juego: en UTF-8.
std::string enUtf8(int codigo)
{
    if (codigo < 0x80)
        return std::string(1, char(codigo));
    return {char(0xC0 | (codigo >> 6)), char(0x80 | (codigo & 0x3F))};
}
}

int letras::codigoDeCelda(int celda)
{
    return celda < 96 ? 0x20 + celda : 0xA0 + celda - 96;
}

// Las letras del menú, las de Allegro, una por celda; la tilde de las
// mayúsculas cabe en el margen de arriba, como en los rótulos del generador.
void dibujarHojaLetras(Lienzo& lienzo)
{
    for (int celda = 0; celda < letras::COLUMNAS * letras::FILAS; ++celda) {
        const int x = celda % letras::COLUMNAS * letras::ANCHO_CELDA;
        const int y = celda / letras::COLUMNAS * letras::ALTO_CELDA;
        lienzo.texto(enUtf8(letras::codigoDeCelda(celda)), x, y + letras::MARGEN_TILDE, 1, colores::BLANCO);
    }
}

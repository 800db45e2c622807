#include "tools/Icono.h"

#include "tools/CarpetaSalida.h"
#include "tools/Emblema.h"
#include "tools/EscritorIco.h"
#include "tools/EscritorPng.h"
#include "tools/Lienzo.h"

#include <allegro.h>

#include <stdexcept>

namespace {
// Se dibuja una vez a este lado y se reduce: a 64 píxeles los círculos y
// las plumas de Allegro salen dentados.
constexpr int LADO_DIBUJO = 256;
}

std::vector<uint8_t> pixelesIcono(int lado)
{
    if (lado <= 0 || LADO_DIBUJO % lado != 0)
        throw std::invalid_argument("lado de icono que no divide " + std::to_string(LADO_DIBUJO));
    // El magenta de máscara es lo transparente: el emblema no lo usa.
    Lienzo lienzo(LADO_DIBUJO, LADO_DIBUJO, colores::MAGENTA_MASCARA);
    // Las alas llegan a 2,2 radios del centro a cada lado.
    dibujarEmblemaRana(lienzo, LADO_DIBUJO / 2, LADO_DIBUJO / 2 - 2, 56);
    const int mascara = aPixel(colores::MAGENTA_MASCARA);

    // Cada píxel del icono es la media de su cuadro del dibujo; la
    // transparencia, la parte del cuadro que no es fondo.
    const int paso = LADO_DIBUJO / lado;
    std::vector<uint8_t> rgba(size_t(lado) * lado * 4);
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x) {
            int r = 0, g = 0, b = 0, llenos = 0;
            for (int dy = 0; dy < paso; ++dy)
                for (int dx = 0; dx < paso; ++dx) {
                    const int p = getpixel(lienzo.bmp(), x * paso + dx, y * paso + dy);
                    if (p == mascara)
                        continue;
                    r += getr24(p);
                    g += getg24(p);
                    b += getb24(p);
                    ++llenos;
                }
            uint8_t* destino = &rgba[(size_t(y) * lado + x) * 4];
            if (llenos > 0) {
                destino[0] = uint8_t(r / llenos);
                destino[1] = uint8_t(g / llenos);
                destino[2] = uint8_t(b / llenos);
            }
            destino[3] = uint8_t(llenos * 255 / (paso * paso));
        }
    return rgba;
}

std::string rutaIcono(int lado)
{
    return "iconos/escuadron-rana-" + std::to_string(lado) + ".png";
}

namespace {

// El BMP no lleva transparencia: cada píxel del borde suavizado pasa a opaco
// o a máscara según pese más, y el borde sale algo dentado.
void generarIconoVentana(const CarpetaSalida& salida)
{
    const int lado = LADO_ICONO_VENTANA;
    const std::vector<uint8_t> rgba = pixelesIcono(lado);
    Lienzo lienzo(lado, lado, colores::MAGENTA_MASCARA);
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x) {
            const uint8_t* p = &rgba[(size_t(y) * lado + x) * 4];
            if (p[3] >= 128)
                putpixel(lienzo.bmp(), x, y, aPixel({p[0], p[1], p[2]}));
        }
    lienzo.guardarEn(salida, RUTA_ICONO_VENTANA);
}

}

void generarIconos(const CarpetaSalida& salida)
{
    for (int lado : LADOS_ICONO)
        salida.escribir(rutaIcono(lado), codificarPng(lado, lado, pixelesIcono(lado)));
    generarIconoVentana(salida);
    std::vector<ImagenIco> imagenes;
    for (int lado : LADOS_ICONO_WINDOWS)
        imagenes.push_back({lado, codificarPng(lado, lado, pixelesIcono(lado))});
    salida.escribir(RUTA_ICONO_WINDOWS, codificarIco(imagenes));
}

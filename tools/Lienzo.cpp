#include "tools/Lienzo.h"

#include "tools/CarpetaSalida.h"

#include <allegro.h>

#include <stdexcept>

Lienzo::Lienzo(int ancho, int alto, const Color& fondo)
    : bmp_(create_bitmap_ex(24, ancho, alto))
{
    if (!bmp_)
        throw std::runtime_error("no hay memoria para un lienzo de " + std::to_string(ancho) + "x" +
                                 std::to_string(alto));
    clear_to_color(bmp_, aPixel(fondo));
}

Lienzo::~Lienzo()
{
    destroy_bitmap(bmp_);
}

int Lienzo::ancho() const
{
    return bmp_->w;
}

int Lienzo::alto() const
{
    return bmp_->h;
}

void Lienzo::degradadoVertical(int y0, int y1, const Color& arriba, const Color& abajo)
{
    for (int y = y0; y <= y1; ++y) {
        double t = y1 > y0 ? double(y - y0) / (y1 - y0) : 0.0;
        hline(bmp_, 0, y, bmp_->w - 1, aPixel(mezclar(arriba, abajo, t)));
    }
}

int anchoTexto(const std::string& s, int escala)
{
    return text_length(font, s.c_str()) * escala;
}

void Lienzo::texto(const std::string& s, int x, int y, int escala, const Color& color)
{
    int ancho = text_length(font, s.c_str());
    int alto = text_height(font);
    // Se pinta sobre magenta para que el escalado con máscara deje ver el fondo.
    BITMAP* chico = create_bitmap_ex(24, ancho, alto);
    if (!chico)
        throw std::runtime_error("no hay memoria para el texto \"" + s + "\"");
    clear_to_color(chico, bitmap_mask_color(chico));
    textout_ex(chico, font, s.c_str(), 0, 0, aPixel(color), -1);
    masked_stretch_blit(chico, bmp_, 0, 0, ancho, alto, x, y, ancho * escala, alto * escala);
    destroy_bitmap(chico);
}

void Lienzo::textoCentrado(const std::string& s, int cx, int y, int escala, const Color& color)
{
    texto(s, cx - anchoTexto(s, escala) / 2, y, escala, color);
}

void Lienzo::textoCentradoConSombra(const std::string& s, int cx, int y, int escala, const Color& color)
{
    int paso = escala > 2 ? escala / 2 : 1;
    textoCentrado(s, cx + paso, y + paso, escala, colores::SOMBRA);
    textoCentrado(s, cx, y, escala, color);
}

void Lienzo::guardarEn(const CarpetaSalida& salida, const std::string& relativa) const
{
    std::string ruta = salida.preparar(relativa);
    if (save_bitmap(ruta.c_str(), bmp_, nullptr) != 0)
        throw std::runtime_error("no se pudo escribir " + ruta);
    salida.anunciar(relativa);
}

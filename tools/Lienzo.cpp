#include "tools/Lienzo.h"

#include "tools/CarpetaSalida.h"

#include <allegro.h>

#include <stdexcept>
#include <utility>
#include <vector>

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

namespace {
// La fuente de 8x8 trae las mayúsculas con tilde aplastadas como si fueran
// minúsculas: se escribe la vocal sola y la tilde se pinta encima a mano.
constexpr int ALTO_TILDE = 3;

struct TextoSinTildes {
    std::string texto;
    std::vector<std::string> antesDeCadaTilde;
};

TextoSinTildes separarTildes(const std::string& s)
{
    static const std::pair<const char*, char> MAYUSCULAS[] = {
        {"\xC3\x81", 'A'}, {"\xC3\x89", 'E'}, {"\xC3\x8D", 'I'}, {"\xC3\x93", 'O'}, {"\xC3\x9A", 'U'}};
    TextoSinTildes r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool cambiada = false;
        for (auto [tilde, vocal] : MAYUSCULAS)
            if (s.compare(i, 2, tilde) == 0) {
                r.antesDeCadaTilde.push_back(r.texto);
                r.texto += vocal;
                ++i;
                cambiada = true;
                break;
            }
        if (!cambiada)
            r.texto += s[i];
    }
    return r;
}
}

void Lienzo::texto(const std::string& s, int x, int y, int escala, const Color& color)
{
    TextoSinTildes partes = separarTildes(s);
    int margen = partes.antesDeCadaTilde.empty() ? 0 : ALTO_TILDE;
    int ancho = text_length(font, partes.texto.c_str());
    int alto = text_height(font) + margen;
    // Se pinta sobre magenta para que el escalado con máscara deje ver el fondo.
    BITMAP* chico = create_bitmap_ex(24, ancho, alto);
    if (!chico)
        throw std::runtime_error("no hay memoria para el texto \"" + s + "\"");
    clear_to_color(chico, bitmap_mask_color(chico));
    textout_ex(chico, font, partes.texto.c_str(), 0, margen, aPixel(color), -1);
    for (const std::string& antes : partes.antesDeCadaTilde) {
        int cx = text_length(font, antes.c_str()) + 3;
        line(chico, cx, 1, cx + 2, 0, aPixel(color));
    }
    masked_stretch_blit(chico, bmp_, 0, 0, ancho, alto, x, y - margen * escala, ancho * escala, alto * escala);
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

#ifndef LIENZO_H
#define LIENZO_H

#include "tools/Colores.h"

#include <string>

class CarpetaSalida;
struct BITMAP;

// Dueño de un bitmap de memoria de 24 bits; lo libera al salir de ámbito.
class Lienzo {
public:
    Lienzo(int ancho, int alto, const Color& fondo);
    ~Lienzo();
    Lienzo(const Lienzo&) = delete;
    Lienzo& operator=(const Lienzo&) = delete;

    BITMAP* bmp() const { return bmp_; }
    int ancho() const;
    int alto() const;

    void degradadoVertical(int y0, int y1, const Color& arriba, const Color& abajo);
    // La fuente de Allegro es de 8x8: se escala para los títulos.
    void texto(const std::string& s, int x, int y, int escala, const Color& color);
    void textoCentrado(const std::string& s, int cx, int y, int escala, const Color& color);
    void textoCentradoConSombra(const std::string& s, int cx, int y, int escala, const Color& color);
    void guardarEn(const CarpetaSalida& salida, const std::string& relativa) const;

private:
    BITMAP* bmp_;
};

int anchoTexto(const std::string& s, int escala);

#endif

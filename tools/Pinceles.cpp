#include "tools/Pinceles.h"

#include <allegro.h>

#include <cmath>

void trazo(BITMAP* b, Punto a, Punto z, int radioA, int radioZ, const Color& color)
{
    constexpr int PASOS = 12;
    for (int i = 0; i <= PASOS; ++i) {
        int x = a.x + (z.x - a.x) * i / PASOS, y = a.y + (z.y - a.y) * i / PASOS;
        circlefill(b, x, y, radioA + (radioZ - radioA) * i / PASOS, aPixel(color));
    }
}

void elipseGirada(BITMAP* b, Punto centro, int rx, int ry, double grados, const Color& color)
{
    constexpr int LADOS = 32;
    std::vector<Punto> puntos;
    double giro = grados * M_PI / 180;
    for (int i = 0; i < LADOS; ++i) {
        double t = 2 * M_PI * i / LADOS, x = rx * std::cos(t), y = ry * std::sin(t);
        puntos.push_back({centro.x + static_cast<int>(std::lround(x * std::cos(giro) - y * std::sin(giro))),
                          centro.y + static_cast<int>(std::lround(x * std::sin(giro) + y * std::cos(giro)))});
    }
    poligono(b, puntos, color);
}

void poligono(BITMAP* b, const std::vector<Punto>& puntos, const Color& color)
{
    std::vector<int> xy;
    for (Punto p : puntos) {
        xy.push_back(p.x);
        xy.push_back(p.y);
    }
    polygon(b, static_cast<int>(puntos.size()), xy.data(), aPixel(color));
}

void perfil(BITMAP* b, const std::vector<Punto>& puntos, const Color& color)
{
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        Punto a = puntos[i], z = puntos[(i + 1) % puntos.size()];
        line(b, a.x, a.y, z.x, z.y, aPixel(color));
    }
}

void quebrada(BITMAP* b, const std::vector<Punto>& puntos, const Color& color)
{
    for (std::size_t i = 1; i < puntos.size(); ++i)
        line(b, puntos[i - 1].x, puntos[i - 1].y, puntos[i].x, puntos[i].y, aPixel(color));
}

std::vector<Punto> mediaElipse(Punto centro, int rx, int ry, bool bocaAbajo)
{
    constexpr int LADOS = 24;
    std::vector<Punto> puntos;
    for (int i = 0; i <= LADOS; ++i) {
        double t = M_PI * i / LADOS;
        int y = static_cast<int>(std::lround(ry * std::sin(t)));
        puntos.push_back({centro.x - static_cast<int>(std::lround(rx * std::cos(t))),
                          bocaAbajo ? centro.y + y : centro.y - y});
    }
    return puntos;
}

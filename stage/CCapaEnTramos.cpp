#include "stage/CCapaEnTramos.h"

#include <algorithm>
#include <cstring>

void CCapaEnTramos::preparar(BITMAP* hoja, const uint8_t* losetas, int filas, int columnas, int lado)
{
    this->filas.assign(static_cast<size_t>(filas * lado), {});
    pixeles.clear();
    for (int y = 0; y < filas * lado; ++y)
        cortarFila(hoja, losetas + (y / lado) * columnas, columnas, lado, y);
}

// Lo que cae fuera de la hoja no pinta, como no pintaría masked_blit.
void CCapaEnTramos::cortarFila(BITMAP* hoja, const uint8_t* losetas, int columnas, int lado, int y)
{
    const uint16_t mascara = static_cast<uint16_t>(bitmap_mask_color(hoja));
    std::vector<Tramo>& tramos = filas[static_cast<size_t>(y)];
    bool abierto = false;
    for (int x = 0; x < columnas * lado; ++x) {
        const int t = losetas[x / lado];
        const int hx = (t % 16) * lado + x % lado, hy = (t / 16) * lado + y % lado;
        const bool opaco = t != 0 && hx < hoja->w && hy < hoja->h &&
                           reinterpret_cast<const uint16_t*>(hoja->line[hy])[hx] != mascara;
        if (!opaco) {
            abierto = false;
            continue;
        }
        if (!abierto)
            tramos.push_back({ x, x, static_cast<uint32_t>(pixeles.size()) });
        abierto = true;
        tramos.back().fin = x + 1;
        pixeles.push_back(reinterpret_cast<const uint16_t*>(hoja->line[hy])[hx]);
    }
}

void CCapaEnTramos::dibujar(BITMAP* pagina, int desde, int ancho, BITMAP* fondo, int fondoX) const
{
    const int hasta = desde + ancho;
    const int alto = std::min({ static_cast<int>(filas.size()), pagina->h, fondo->h });
    if (desde < ultimoDesde || primeros.size() != filas.size())
        primeros.assign(filas.size(), 0);
    ultimoDesde = desde;
    for (int y = 0; y < alto; ++y) {
        const std::vector<Tramo>& tramos = filas[static_cast<size_t>(y)];
        size_t primero = primeros[static_cast<size_t>(y)];
        while (primero < tramos.size() && tramos[primero].fin <= desde)
            ++primero;
        primeros[static_cast<size_t>(y)] = primero;
        auto tramo = tramos.begin() + static_cast<ptrdiff_t>(primero);
        uint16_t* fila = reinterpret_cast<uint16_t*>(pagina->line[y]);
        const uint16_t* detras = reinterpret_cast<const uint16_t*>(fondo->line[y]) + fondoX - desde;
        int hecho = desde;
        for (; tramo != tramos.end() && tramo->x < hasta; ++tramo) {
            const int a = std::max(tramo->x, desde), b = std::min(tramo->fin, hasta);
            std::memcpy(fila + (hecho - desde), detras + hecho, sizeof(uint16_t) * (a - hecho));
            std::memcpy(fila + (a - desde), pixeles.data() + tramo->desde + (a - tramo->x), sizeof(uint16_t) * (b - a));
            hecho = b;
        }
        std::memcpy(fila + (hecho - desde), detras + hecho, sizeof(uint16_t) * (hasta - hecho));
    }
}

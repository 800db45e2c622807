#include "shell/CSpritesPreparados.h"

#include <algorithm>
#include <cstring>

namespace {

// Solo páginas y hojas de memoria de 16 bits: sus filas se escriben con
// line[] directamente.
bool deMemoria16(const BITMAP* bmp)
{
    return is_memory_bitmap(const_cast<BITMAP*>(bmp)) && bitmap_color_depth(const_cast<BITMAP*>(bmp)) == 16;
}

}

void CSpritesPreparados::dibujar(BITMAP* destino, BITMAP* hoja, int origenX, int origenY, int x, int y, int ancho,
                                 int alto)
{
    const Sprite* sprite = deMemoria16(destino) ? preparado(hoja, origenX, origenY, ancho, alto) : nullptr;
    if (sprite)
        copiarTramos(destino, *sprite, x, y);
    else
        masked_blit(hoja, destino, origenX, origenY, x, y, ancho, alto);
}

// Cada tramo, recortado al rectángulo de recorte del destino.
void CSpritesPreparados::copiarTramos(BITMAP* destino, const Sprite& sprite, int x, int y)
{
    const int izquierda = destino->clip ? destino->cl : 0, derecha = destino->clip ? destino->cr : destino->w;
    const int arriba = destino->clip ? destino->ct : 0, abajo = destino->clip ? destino->cb : destino->h;
    for (const Tramo& tramo : sprite.tramos) {
        const int fila = y + tramo.y;
        if (fila < arriba || fila >= abajo)
            continue;
        const int desde = x + tramo.x, hasta = desde + tramo.largo;
        const int a = std::max(desde, izquierda), b = std::min(hasta, derecha);
        if (a < b)
            std::memcpy(reinterpret_cast<uint16_t*>(destino->line[fila]) + a,
                        sprite.pixeles.data() + tramo.desde + (a - desde), sizeof(uint16_t) * (b - a));
    }
}

// Solo rectángulos enteros dentro de la hoja: los que se salen los recorta
// masked_blit, y así siguen.
const CSpritesPreparados::Sprite* CSpritesPreparados::preparado(BITMAP* hoja, int origenX, int origenY, int ancho,
                                                                int alto)
{
    if (!deMemoria16(hoja) || origenX < 0 || origenY < 0 || ancho <= 0 || alto <= 0 || origenX + ancho > hoja->w ||
        origenY + alto > hoja->h || ancho > INT16_MAX || alto > INT16_MAX)
        return nullptr;
    const Clave clave{ hoja, origenX, origenY, ancho, alto };
    auto hallado = sprites.find(clave);
    if (hallado != sprites.end())
        return &hallado->second;
    const uint16_t mascara = static_cast<uint16_t>(bitmap_mask_color(hoja));
    Sprite sprite;
    for (int y = 0; y < alto; ++y) {
        const uint16_t* fila = reinterpret_cast<const uint16_t*>(hoja->line[origenY + y]) + origenX;
        for (int x = 0; x < ancho;) {
            if (fila[x] == mascara) {
                ++x;
                continue;
            }
            const int inicio = x;
            while (x < ancho && fila[x] != mascara)
                ++x;
            sprite.tramos.push_back({ static_cast<int16_t>(y), static_cast<int16_t>(inicio),
                                      static_cast<int16_t>(x - inicio), static_cast<uint32_t>(sprite.pixeles.size()) });
            sprite.pixeles.insert(sprite.pixeles.end(), fila + inicio, fila + x);
        }
    }
    return &sprites.emplace(clave, std::move(sprite)).first->second;
}

void CSpritesPreparados::olvidar(BITMAP* hoja)
{
    for (auto entrada = sprites.begin(); entrada != sprites.end();) {
        if (entrada->first.hoja == hoja)
            entrada = sprites.erase(entrada);
        else
            ++entrada;
    }
}

bool CSpritesPreparados::guarda(const BITMAP* hoja) const
{
    for (const auto& entrada : sprites)
        if (entrada.first.hoja == hoja)
            return true;
    return false;
}

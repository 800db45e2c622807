#include "shell/CSpritesPreparados.h"

namespace {

bool tieneMascara(BITMAP* hoja, int origenX, int origenY, int ancho, int alto)
{
    const int mascara = bitmap_mask_color(hoja);
    for (int y = origenY; y < origenY + alto; ++y)
        for (int x = origenX; x < origenX + ancho; ++x)
            if (getpixel(hoja, x, y) == mascara)
                return true;
    return false;
}

}

void CSpritesPreparados::dibujar(BITMAP* destino, BITMAP* hoja, int origenX, int origenY, int x, int y, int ancho,
                                 int alto)
{
    const Sprite* sprite = preparado(hoja, origenX, origenY, ancho, alto);
    if (!sprite)
        masked_blit(hoja, destino, origenX, origenY, x, y, ancho, alto);
    else if (sprite->rle)
        draw_rle_sprite(destino, sprite->rle, x, y);
    else
        blit(hoja, destino, origenX, origenY, x, y, ancho, alto);
}

// Solo rectángulos enteros dentro de la hoja: los que se salen los recorta
// masked_blit, y así siguen.
const CSpritesPreparados::Sprite* CSpritesPreparados::preparado(BITMAP* hoja, int origenX, int origenY, int ancho,
                                                                int alto)
{
    if (origenX < 0 || origenY < 0 || ancho <= 0 || alto <= 0 || origenX + ancho > hoja->w ||
        origenY + alto > hoja->h)
        return nullptr;
    const Clave clave{ hoja, origenX, origenY, ancho, alto };
    auto hallado = sprites.find(clave);
    if (hallado != sprites.end())
        return &hallado->second;
    Sprite sprite{ nullptr };
    if (tieneMascara(hoja, origenX, origenY, ancho, alto)) {
        BITMAP* recorte = create_sub_bitmap(hoja, origenX, origenY, ancho, alto);
        if (!recorte)
            return nullptr;
        sprite.rle = get_rle_sprite(recorte);
        destroy_bitmap(recorte);
        if (!sprite.rle)
            return nullptr;
    }
    return &sprites.emplace(clave, sprite).first->second;
}

void CSpritesPreparados::olvidar(BITMAP* hoja)
{
    for (auto entrada = sprites.begin(); entrada != sprites.end();) {
        if (entrada->first.hoja == hoja) {
            if (entrada->second.rle)
                destroy_rle_sprite(entrada->second.rle);
            entrada = sprites.erase(entrada);
        } else {
            ++entrada;
        }
    }
}

bool CSpritesPreparados::guarda(const BITMAP* hoja) const
{
    for (const auto& entrada : sprites)
        if (entrada.first.hoja == hoja)
            return true;
    return false;
}

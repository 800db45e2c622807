#ifndef CSPRITESPREPARADOS_H
#define CSPRITESPREPARADOS_H

#include <allegro.h>

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// Los sprites de las hojas, preparados la primera vez que se dibujan: sus
// tramos de píxeles opacos fila a fila, que se copian enteros de un golpe
// (el RLE de Allegro los copia píxel a píxel). Dejan los mismos píxeles que
// un masked_blit del rectángulo; con decenas de sprites y losetas por
// cuadro, masked_blit es lo que más cuesta.
class CSpritesPreparados {
public:
    CSpritesPreparados() = default;
    CSpritesPreparados(const CSpritesPreparados&) = delete;
    CSpritesPreparados& operator=(const CSpritesPreparados&) = delete;

    void dibujar(BITMAP* destino, BITMAP* hoja, int origenX, int origenY, int x, int y, int ancho, int alto);
    // Quien destruye una hoja la olvida antes: otra que naciera en la misma
    // dirección heredaría sus sprites.
    void olvidar(BITMAP* hoja);
    // Si guarda algo de esa hoja.
    bool guarda(const BITMAP* hoja) const;

private:
    // Un tramo de píxeles seguidos sin máscara en una fila del sprite.
    struct Tramo {
        int16_t y, x, largo;
        uint32_t desde;  // su primer píxel en Sprite::pixeles
    };
    struct Sprite {
        std::vector<Tramo> tramos;
        std::vector<uint16_t> pixeles;
    };
    struct Clave {
        const BITMAP* hoja;
        int x, y, ancho, alto;
        bool operator==(const Clave& otra) const
        {
            return hoja == otra.hoja && x == otra.x && y == otra.y && ancho == otra.ancho && alto == otra.alto;
        }
    };
    struct Hash {
        size_t operator()(const Clave& c) const
        {
            const uint64_t h = std::hash<const void*>()(c.hoja) ^ (uint64_t(c.x) << 1) ^ (uint64_t(c.y) << 13) ^
                               (uint64_t(c.ancho) << 25) ^ (uint64_t(c.alto) << 37);
            // Con size_t de 32 bits (WebAssembly), la mitad alta se pliega sobre la baja.
            if constexpr (sizeof(size_t) < sizeof(uint64_t))
                return size_t(h ^ (h >> 32));
            else
                return size_t(h);
        }
    };

    // Nulo si no se puede preparar: entonces se dibuja con masked_blit.
    const Sprite* preparado(BITMAP* hoja, int origenX, int origenY, int ancho, int alto);
    static void copiarTramos(BITMAP* destino, const Sprite& sprite, int x, int y);

    std::unordered_map<Clave, Sprite, Hash> sprites;
};

#endif

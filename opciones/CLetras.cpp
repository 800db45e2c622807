#include "opciones/CLetras.h"

#include <algorithm>

#include "shell/CExcepcion.h"

CLetras::CLetras() : tinta()
{
}

CLetras::~CLetras()
{
    liberar();
}

void CLetras::cargar(CDispositivos* dispositivos, const std::string& ruta)
{
    liberar();
    BITMAP* hoja = dispositivos->cargarImagen(ruta.c_str());
    const bool mide = hoja && hoja->w == ANCHO_HOJA && hoja->h == ALTO_HOJA;
    for (int e = 1; mide && e <= ESCALA_MAXIMA; ++e) {
        BITMAP* copia = create_bitmap_ex(8, ANCHO_HOJA * e, ALTO_HOJA * e);
        for (int y = 0; y < ALTO_HOJA; ++y)
            for (int x = 0; x < ANCHO_HOJA; ++x)
                rectfill(copia, x * e, y * e, x * e + e - 1, y * e + e - 1,
                         getpixel(hoja, x, y) != bitmap_mask_color(hoja));
        tinta[e - 1] = copia;
        for (int c = 0; c < COLUMNAS * FILAS; ++c)
            celdas[e - 1].push_back(create_sub_bitmap(copia, c % COLUMNAS * ANCHO_CELDA * e,
                                                      c / COLUMNAS * ALTO_CELDA * e, ANCHO_CELDA * e,
                                                      ALTO_CELDA * e));
    }
    if (hoja)
        destroy_bitmap(hoja);
    if (!mide)
        throw CExcepcion(ERROR_ARCHIVOS);
}

void CLetras::liberar()
{
    for (int e = 0; e < ESCALA_MAXIMA; ++e) {
        for (BITMAP* celda : celdas[e])
            destroy_bitmap(celda);
        celdas[e].clear();
        if (tinta[e])
            destroy_bitmap(tinta[e]);
        tinta[e] = nullptr;
    }
}

// Solo hace falta Latin-1: lo demás de UTF-8 se cuenta como un carácter que no hay.
std::vector<int> CLetras::codigos(const std::string& texto)
{
    std::vector<int> lista;
    for (size_t i = 0; i < texto.size(); ++i) {
        const unsigned char b = texto[i];
        if (b < 0x80)
            lista.push_back(b);
        else if ((b & 0xE0) == 0xC0 && i + 1 < texto.size())
            lista.push_back(((b & 0x1F) << 6) | (texto[++i] & 0x3F));
        else if ((b & 0xC0) != 0x80)
            lista.push_back('?');
    }
    return lista;
}

int CLetras::celdaDe(int codigo)
{
    if (codigo >= 0x20 && codigo < 0x80)
        return codigo - 0x20;
    if (codigo >= 0xA0 && codigo <= 0xFF)
        return codigo - 0xA0 + 96;
    return '?' - 0x20;
}

void CLetras::escribir(BITMAP* destino, const std::string& texto, int x, int y, int color, int escala) const
{
    const int e = std::clamp(escala, 1, ESCALA_MAXIMA);
    if (celdas[e - 1].empty())
        return;
    for (int codigo : codigos(texto)) {
        draw_character_ex(destino, celdas[e - 1][celdaDe(codigo)], x, y, color, -1);
        x += ANCHO_CELDA * e;
    }
}

int CLetras::ancho(const std::string& texto, int escala)
{
    return static_cast<int>(codigos(texto).size()) * ANCHO_CELDA * escala;
}

#include "plataforma/CCambiosPagina.h"

#include <algorithm>
#include <cstring>

namespace {

// Se compara por bloques de 32 píxeles en bandas de 8 filas: una zona por
// tramo de bloques de la banda. Con bandas de 16 o 32 se manda de más y
// cuesta más al juego y al servidor que las peticiones que se ahorran; con
// 2 o 4, al revés.
const int BLOQUE = 32;
const int BANDA = 8;
// Dos tramos con menos de estos bloques limpios entre ellos van en una zona:
// mandar un poco de más cuesta menos que otra petición.
const int HUECO = 2;

const uint16_t* filaDe(BITMAP* pagina, int y)
{
    return reinterpret_cast<const uint16_t*>(pagina->line[y]);
}

}

const std::vector<Zona>& CCambiosPagina::cambios(BITMAP* pagina)
{
    zonas.clear();
    trozosCambiados.clear();
    if (!anotada || pagina->w != ancho || pagina->h != alto) {
        ancho = pagina->w;
        alto = pagina->h;
        vista.resize(static_cast<size_t>(ancho) * alto);
        for (int y = 0; y < alto; ++y)
            std::memcpy(&vista[static_cast<size_t>(y) * ancho], filaDe(pagina, y), sizeof(uint16_t) * ancho);
        anotada = true;
        zonas.push_back({ 0, 0, ancho, alto });
        trozosCambiados = zonas;
        return zonas;
    }
    for (int inicio = 0; inicio < alto; inicio += BANDA) {
        const int fin = std::min(alto, inicio + BANDA);
        bloquesSucios.assign((ancho + BLOQUE - 1) / BLOQUE, 0);
        int primera = -1, ultima = -1;
        for (int y = inicio; y < fin; ++y)
            if (marcarBloques(filaDe(pagina, y), &vista[static_cast<size_t>(y) * ancho], y)) {
                if (primera < 0)
                    primera = y;
                ultima = y;
            }
        if (primera >= 0)
            anotarBanda(primera, ultima);
    }
    return zonas;
}

// Verdadero si la fila cambió; marca en qué bloques y los pasa ya a lo
// visto. Casi la mitad de las filas no cambia, y una sola comparación las
// despacha.
bool CCambiosPagina::marcarBloques(const uint16_t* fila, uint16_t* vistaFila, int y)
{
    if (std::memcmp(fila, vistaFila, sizeof(uint16_t) * ancho) == 0)
        return false;
    bool seguido = false;
    for (size_t b = 0; b < bloquesSucios.size(); ++b) {
        const int x = static_cast<int>(b) * BLOQUE, n = std::min(BLOQUE, ancho - x);
        if (std::memcmp(fila + x, vistaFila + x, sizeof(uint16_t) * n) == 0) {
            seguido = false;
            continue;
        }
        std::memcpy(vistaFila + x, fila + x, sizeof(uint16_t) * n);
        // Los bloques cambiados seguidos van en un solo trozo.
        if (seguido)
            trozosCambiados.back().ancho += n;
        else
            trozosCambiados.push_back({ x, y, n, 1 });
        bloquesSucios[b] = 1;
        seguido = true;
    }
    return true;
}

// Una zona por tramo de bloques sucios, de la primera a la última fila que
// cambió en la banda.
void CCambiosPagina::anotarBanda(int primera, int ultima)
{
    const int bloques = static_cast<int>(bloquesSucios.size());
    int desde = -1, hasta = -1;
    auto cerrar = [&]() {
        const int x = desde * BLOQUE;
        zonas.push_back({ x, primera, std::min(hasta * BLOQUE, ancho) - x, ultima - primera + 1 });
    };
    for (int b = 0; b < bloques; ++b) {
        if (!bloquesSucios[b])
            continue;
        if (desde >= 0 && b - hasta >= HUECO) {
            cerrar();
            desde = -1;
        }
        if (desde < 0)
            desde = b;
        hasta = b + 1;
    }
    if (desde >= 0)
        cerrar();
}

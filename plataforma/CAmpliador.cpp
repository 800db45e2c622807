#include "plataforma/CAmpliador.h"

#include <cstring>

namespace {

// Un componente de 0 a 255 llevado a los bits de su máscara.
uint32_t componente(int valor, uint32_t mascara)
{
    if (!mascara)
        return 0;
    int desplazamiento = 0;
    while (!(mascara >> desplazamiento & 1))
        ++desplazamiento;
    const uint32_t maximo = mascara >> desplazamiento;
    return (static_cast<uint32_t>(valor) * maximo + 127) / 255 << desplazamiento;
}

// El verde de 6 bits a 8 como lo pasa Allegro al mostrar 16 bits en una
// ventana de 32: sus tres bits altos y sus tres bajos por separado, con un
// punto de más en algunos tramos. Con getg16 saldría, a veces, un punto
// menos que el blit de Allegro.
int verdeComoAllegro(int verde6)
{
    int alto = (verde6 >> 3) << 5;
    if (alto >= 68)
        ++alto;
    if (alto >= 160)
        ++alto;
    int bajo = (verde6 & 7) << 2;
    if (bajo == 0x1c)
        ++bajo;
    return alto + bajo;
}

}

void CAmpliador::preparar(uint32_t rojo, uint32_t verde, uint32_t azul)
{
    colores.resize(65536);
    for (int c = 0; c < 65536; ++c)
        colores[c] = componente(getr16(c), rojo) | componente(verdeComoAllegro(c >> _rgb_g_shift_16 & 63), verde) |
                     componente(getb16(c), azul);
    // Con 8 bits por componente, cada color es la suma de lo que pone su byte
    // alto y lo que pone el bajo (el verde cae en los dos y se suma).
    for (int b = 0; b < 256; ++b) {
        porByteAlto[b] = colores[b << 8];
        porByteBajo[b] = colores[b];
    }
    porBytes = true;
    for (int c = 0; c < 65536 && porBytes; ++c)
        porBytes = colores[c] == porByteAlto[c >> 8] + porByteBajo[c & 0xFF];
}

// Dos tablas de 1 KB caben en la caché más cercana; la de 65536 colores, no.
uint32_t CAmpliador::convertir(uint16_t c) const
{
    return porBytes ? porByteAlto[c >> 8] + porByteBajo[c & 0xFF] : colores[c];
}

void CAmpliador::ampliar(BITMAP* pagina, uint8_t* destino, int pasoFila, int factor) const
{
    ampliar(pagina, destino, pasoFila, factor, { 0, 0, pagina->w, pagina->h });
}

// Fila a fila: la primera de cada cuadrado se convierte y las demás son
// copias de ella.
void CAmpliador::ampliar(BITMAP* pagina, uint8_t* destino, int pasoFila, int factor, const Zona& zona) const
{
    for (int y = zona.y; y < zona.y + zona.alto; ++y) {
        const uint16_t* origen = reinterpret_cast<const uint16_t*>(pagina->line[y]) + zona.x;
        uint8_t* primera =
            destino + static_cast<ptrdiff_t>(y) * factor * pasoFila + sizeof(uint32_t) * zona.x * factor;
        if (porBytes)
            convertirFila(origen, reinterpret_cast<uint32_t*>(primera), zona.ancho, factor,
                          [this](uint16_t c) { return porByteAlto[c >> 8] + porByteBajo[c & 0xFF]; });
        else
            convertirFila(origen, reinterpret_cast<uint32_t*>(primera), zona.ancho, factor,
                          [this](uint16_t c) { return colores[c]; });
        for (int k = 1; k < factor; ++k)
            std::memcpy(primera + static_cast<ptrdiff_t>(k) * pasoFila, primera,
                        sizeof(uint32_t) * zona.ancho * factor);
    }
}

// La tabla se elige fuera del bucle: dentro, el compilador la volvía a
// mirar en cada píxel. 1x y 2x, los que se usan, con su propio bucle.
template <typename Convertir>
void CAmpliador::convertirFila(const uint16_t* origen, uint32_t* fila, int ancho, int factor, Convertir convertir)
{
    if (factor == 1) {
        for (int x = 0; x < ancho; ++x)
            fila[x] = convertir(origen[x]);
    } else if (factor == 2) {
        for (int x = 0; x < ancho; ++x)
            fila[2 * x] = fila[2 * x + 1] = convertir(origen[x]);
    } else {
        for (int x = 0; x < ancho; ++x)
            for (int k = 0; k < factor; ++k)
                *fila++ = convertir(origen[x]);
    }
}

// Cada fila de destino que sale de la misma de la página es copia de la anterior.
void CAmpliador::estirar(BITMAP* pagina, uint8_t* destino, int pasoFila, int ancho, int alto) const
{
    if (columnas.size() != static_cast<size_t>(ancho) || anchoPagina != pagina->w) {
        columnas.resize(static_cast<size_t>(ancho));
        for (int x = 0; x < ancho; ++x)
            columnas[x] = static_cast<int>(static_cast<long>(x) * pagina->w / ancho);
        anchoPagina = pagina->w;
    }
    int anterior = -1;
    for (int y = 0; y < alto; ++y) {
        uint8_t* fila = destino + static_cast<ptrdiff_t>(y) * pasoFila;
        const int origenY = static_cast<int>(static_cast<long>(y) * pagina->h / alto);
        if (origenY == anterior) {
            std::memcpy(fila, fila - pasoFila, sizeof(uint32_t) * ancho);
            continue;
        }
        const uint16_t* origen = reinterpret_cast<const uint16_t*>(pagina->line[origenY]);
        uint32_t* pixel = reinterpret_cast<uint32_t*>(fila);
        for (int x = 0; x < ancho; ++x)
            pixel[x] = convertir(origen[columnas[x]]);
        anterior = origenY;
    }
}

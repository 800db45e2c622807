#include "plataforma/CAmpliador.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// El desplazamiento de una máscara de 8 bits seguidos, o -1.
[[maybe_unused]] int desplazamientoDeOcho(uint32_t mascara)
{
    for (int d = 0; d <= 24; ++d)
        if (mascara == 0xFFu << d)
            return d;
    return -1;
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
    calculando = prepararCalculo(rojo, verde, azul);
}

// Solo si el cálculo da la tabla entera, color a color: así la ventana no
// puede ver nada distinto de lo que mostraría la tabla.
bool CAmpliador::prepararCalculo(uint32_t rojo, uint32_t verde, uint32_t azul)
{
#ifdef __SSE2__
    desplazamientos = { _rgb_r_shift_16,         _rgb_g_shift_16,          _rgb_b_shift_16,
                        desplazamientoDeOcho(rojo), desplazamientoDeOcho(verde), desplazamientoDeOcho(azul) };
    if (desplazamientos.salidaRojo < 0 || desplazamientos.salidaVerde < 0 || desplazamientos.salidaAzul < 0)
        return false;
    for (int c = 0; c < 65536; ++c)
        if (calcular(static_cast<uint16_t>(c)) != colores[c])
            return false;
    return true;
#else
    (void)rojo, (void)verde, (void)azul;
    return false;
#endif
}

// Rojo y azul de 5 bits a 8 repitiendo sus bits altos; el verde, como lo
// pasa Allegro (verdeComoAllegro), con sus tres bits altos y sus tres bajos.
uint32_t CAmpliador::calcular(uint16_t c) const
{
    const Desplazamientos& d = desplazamientos;
    const uint32_t r = c >> d.rojo & 31, b = c >> d.azul & 31, g = c >> d.verde & 63;
    const uint32_t alto = g >> 3, bajo = g & 7;
    const uint32_t verde8 = (alto << 5) + (alto >= 3) + (alto >= 5) + (bajo << 2) + (bajo == 7);
    return (r << 3 | r >> 2) << d.salidaRojo | verde8 << d.salidaVerde | (b << 3 | b >> 2) << d.salidaAzul;
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
        if (calculando)
            convertirFilaCalculando(origen, reinterpret_cast<uint32_t*>(primera), zona.ancho, factor);
        else if (porBytes)
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

// Lo mismo que calcular, de 8 en 8 píxeles; lo que sobra, con la tabla.
void CAmpliador::convertirFilaCalculando(const uint16_t* origen, uint32_t* fila, int ancho, int factor) const
{
    int x = 0;
#ifdef __SSE2__
    if (factor <= 2) {
        const Desplazamientos& d = desplazamientos;
        const __m128i cinco = _mm_set1_epi16(31), seis = _mm_set1_epi16(63), siete = _mm_set1_epi16(7);
        const __m128i dos = _mm_set1_epi16(2), cuatro = _mm_set1_epi16(4), cero = _mm_setzero_si128();
        const __m128i entraRojo = _mm_cvtsi32_si128(d.rojo), entraVerde = _mm_cvtsi32_si128(d.verde),
                      entraAzul = _mm_cvtsi32_si128(d.azul);
        const __m128i saleRojo = _mm_cvtsi32_si128(d.salidaRojo), saleVerde = _mm_cvtsi32_si128(d.salidaVerde),
                      saleAzul = _mm_cvtsi32_si128(d.salidaAzul);
        auto ocho = [](__m128i cinco) { return _mm_or_si128(_mm_slli_epi16(cinco, 3), _mm_srli_epi16(cinco, 2)); };
        auto juntar = [&](__m128i r, __m128i g, __m128i b) {
            return _mm_or_si128(_mm_or_si128(_mm_sll_epi32(r, saleRojo), _mm_sll_epi32(g, saleVerde)),
                                _mm_sll_epi32(b, saleAzul));
        };
        auto guardar = [&](uint32_t* destino, __m128i p) {
            if (factor == 1) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(destino), p);
            } else {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(destino), _mm_unpacklo_epi32(p, p));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(destino + 4), _mm_unpackhi_epi32(p, p));
            }
        };
        for (; x + 8 <= ancho; x += 8) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(origen + x));
            const __m128i r = ocho(_mm_and_si128(_mm_srl_epi16(c, entraRojo), cinco));
            const __m128i b = ocho(_mm_and_si128(_mm_srl_epi16(c, entraAzul), cinco));
            const __m128i g6 = _mm_and_si128(_mm_srl_epi16(c, entraVerde), seis);
            const __m128i alto = _mm_srli_epi16(g6, 3), bajo = _mm_and_si128(g6, siete);
            __m128i g = _mm_add_epi16(_mm_slli_epi16(alto, 5), _mm_slli_epi16(bajo, 2));
            // Cada comparación cierta vale -1: restarla suma el punto de más.
            g = _mm_sub_epi16(g, _mm_cmpgt_epi16(alto, dos));
            g = _mm_sub_epi16(g, _mm_cmpgt_epi16(alto, cuatro));
            g = _mm_sub_epi16(g, _mm_cmpeq_epi16(bajo, siete));
            guardar(fila + x * factor, juntar(_mm_unpacklo_epi16(r, cero), _mm_unpacklo_epi16(g, cero),
                                              _mm_unpacklo_epi16(b, cero)));
            guardar(fila + (x + 4) * factor, juntar(_mm_unpackhi_epi16(r, cero), _mm_unpackhi_epi16(g, cero),
                                                    _mm_unpackhi_epi16(b, cero)));
        }
    }
#endif
    convertirFila(origen + x, fila + x * factor, ancho - x, factor, [this](uint16_t c) { return convertir(c); });
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

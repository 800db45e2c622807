#include "plataforma/ImagenBmp.h"

#include <string>

#include "plataforma/Archivos.h"
#include "plataforma/Bytes.h"

namespace {

enum Compresion : uint32_t { SIN_COMPRIMIR = 0, RLE8 = 1, RLE4 = 2, CAMPOS_DE_BITS = 3 };

// Más que de sobra para cualquier dibujo del juego; un número mayor es basura.
constexpr int64_t LADO_MAXIMO = 1 << 15;

}

bool cabeceraBmpSana(const uint8_t* cabecera, size_t leidos, uint64_t tamanoArchivo)
{
    if (leidos < 14 + 12 || cabecera[0] != 'B' || cabecera[1] != 'M')
        return false;
    const uint32_t inicioPixeles = leer32(cabecera + 10);
    const uint32_t largoInfo = leer32(cabecera + 14);
    int64_t ancho, alto;
    uint16_t planos, bits;
    uint32_t compresion = SIN_COMPRIMIR;
    if (largoInfo == 12) {
        // Cabecera de OS/2: medidas de 16 bits y nunca comprimida.
        ancho = leer16(cabecera + 18);
        alto = leer16(cabecera + 20);
        planos = leer16(cabecera + 22);
        bits = leer16(cabecera + 24);
    } else if (largoInfo == 40 || largoInfo == 52 || largoInfo == 56 || largoInfo == 108 || largoInfo == 124) {
        if (leidos < 14 + 40)
            return false;
        ancho = int32_t(leer32(cabecera + 18));
        alto = int32_t(leer32(cabecera + 22));
        planos = leer16(cabecera + 26);
        bits = leer16(cabecera + 28);
        compresion = leer32(cabecera + 30);
    } else {
        return false;
    }
    // Con alto negativo (filas de arriba abajo) Allegro 4 no carga, y antes
    // pide memoria para un dibujo de alto negativo.
    if (ancho <= 0 || ancho > LADO_MAXIMO || alto <= 0 || alto > LADO_MAXIMO || planos != 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (inicioPixeles < 14 + largoInfo || inicioPixeles > tamanoArchivo)
        return false;

    uint64_t bytesPixeles;
    switch (compresion) {
    case SIN_COMPRIMIR:
    case CAMPOS_DE_BITS:
        if (compresion == CAMPOS_DE_BITS && bits != 16 && bits != 32)
            return false;
        // Cada fila se rellena hasta un múltiplo de 4 bytes.
        bytesPixeles = uint64_t((ancho * bits + 31) / 32 * 4) * uint64_t(alto);
        break;
    case RLE8:
    case RLE4:
        // El lector de Allegro escribe cada tramo donde digan los datos, sin
        // mirar si cae dentro del dibujo. Los del juego nunca van comprimidos.
        return false;
    default:
        return false;
    }
    return tamanoArchivo - inicioPixeles >= bytesPixeles;
}

bool archivoBmpSano(const char* ruta)
{
    std::string bytes;
    if (!leerArchivo(ruta, bytes))
        return false;
    const size_t leidos = bytes.size() < LARGO_CABECERA_BMP ? bytes.size() : LARGO_CABECERA_BMP;
    return cabeceraBmpSana(reinterpret_cast<const uint8_t*>(bytes.data()), leidos, bytes.size());
}

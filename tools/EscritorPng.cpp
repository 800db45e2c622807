#include "tools/EscritorPng.h"

#include <algorithm>
#include <stdexcept>

namespace {

void anadir32(std::string& s, uint32_t valor)
{
    for (int desplazamiento = 24; desplazamiento >= 0; desplazamiento -= 8)
        s += static_cast<char>((valor >> desplazamiento) & 0xFF);
}

const uint8_t* bytesDe(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

// Cada trozo: largo, tipo, datos y el CRC del tipo con los datos.
void anadirTrozo(std::string& png, const char tipo[5], const std::string& datos)
{
    anadir32(png, static_cast<uint32_t>(datos.size()));
    std::string cuerpo = std::string(tipo, 4) + datos;
    png += cuerpo;
    anadir32(png, crc32Png(bytesDe(cuerpo), cuerpo.size()));
}

// zlib con bloques "stored": cabecera, bloques de hasta 65535 bytes y Adler-32.
std::string zlibSinComprimir(const std::string& crudo)
{
    std::string z = "\x78\x01";
    size_t hecho = 0;
    do {
        const size_t largo = std::min<size_t>(crudo.size() - hecho, 65535);
        const bool ultimo = hecho + largo == crudo.size();
        z += static_cast<char>(ultimo ? 1 : 0);
        z += static_cast<char>(largo & 0xFF);
        z += static_cast<char>(largo >> 8);
        z += static_cast<char>(~largo & 0xFF);
        z += static_cast<char>((~largo >> 8) & 0xFF);
        z.append(crudo, hecho, largo);
        hecho += largo;
    } while (hecho < crudo.size());
    anadir32(z, adler32(bytesDe(crudo), crudo.size()));
    return z;
}

}

uint32_t crc32Png(const uint8_t* datos, size_t largo, uint32_t previo)
{
    uint32_t crc = ~previo;
    for (size_t i = 0; i < largo; ++i) {
        crc ^= datos[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t adler32(const uint8_t* datos, size_t largo)
{
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < largo; ++i) {
        a = (a + datos[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::string codificarPng(int ancho, int alto, const std::vector<uint8_t>& rgba)
{
    if (ancho <= 0 || alto <= 0 || rgba.size() != size_t(ancho) * size_t(alto) * 4)
        throw std::invalid_argument("píxeles que no cuadran con las medidas del PNG");
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string cabecera;
    anadir32(cabecera, static_cast<uint32_t>(ancho));
    anadir32(cabecera, static_cast<uint32_t>(alto));
    // 8 bits por canal, RGBA, deflate, filtros estándar, sin entrelazar.
    cabecera += std::string("\x08\x06\x00\x00\x00", 5);
    anadirTrozo(png, "IHDR", cabecera);
    // Cada fila empieza con su filtro: 0, ninguno.
    std::string filas;
    const size_t largoFila = size_t(ancho) * 4;
    for (int y = 0; y < alto; ++y) {
        filas += '\0';
        filas.append(reinterpret_cast<const char*>(rgba.data()) + y * largoFila, largoFila);
    }
    anadirTrozo(png, "IDAT", zlibSinComprimir(filas));
    anadirTrozo(png, "IEND", std::string());
    return png;
}

#include "plataforma/TextoUtf8.h"

#include <cstdint>

namespace {

// Cuántos bytes siguen a uno que empieza una letra, y lo que este aporta;
// -1 si no puede empezarla.
int bytesQueSiguen(uint8_t primero, uint32_t& valor)
{
    if (primero < 0x80) {
        valor = primero;
        return 0;
    }
    if (primero >= 0xC2 && primero <= 0xDF) {
        valor = primero & 0x1F;
        return 1;
    }
    if (primero >= 0xE0 && primero <= 0xEF) {
        valor = primero & 0x0F;
        return 2;
    }
    if (primero >= 0xF0 && primero <= 0xF4) {
        valor = primero & 0x07;
        return 3;
    }
    return -1;
}

}

bool esTextoUtf8(const std::string& bytes)
{
    const uint32_t MENOR_CON[] = { 0, 0x80, 0x800, 0x10000 };
    for (size_t i = 0; i < bytes.size();) {
        uint32_t valor;
        const int siguen = bytesQueSiguen(uint8_t(bytes[i++]), valor);
        if (siguen < 0 || bytes.size() - i < size_t(siguen))
            return false;
        for (int k = 0; k < siguen; ++k, ++i) {
            if ((uint8_t(bytes[i]) & 0xC0) != 0x80)
                return false;
            valor = valor << 6 | (uint8_t(bytes[i]) & 0x3F);
        }
        if (valor < MENOR_CON[siguen] || valor > 0x10FFFF || (valor >= 0xD800 && valor <= 0xDFFF))
            return false;
    }
    return true;
}

#include "repeticion/TeclasGrabadas.h"

#include <allegro.h>

#include "repeticion/CRepeticion.h"

namespace {

struct TeclaGrabada {
    int tecla;
    uint8_t bit;
    bool seRehace;
};
const TeclaGrabada TECLAS[] = {
    { KEY_UP, BIT_ARRIBA, true },       { KEY_DOWN, BIT_ABAJO, true },     { KEY_LEFT, BIT_IZQUIERDA, true },
    { KEY_RIGHT, BIT_DERECHA, true },   { KEY_SPACE, BIT_DISPARO, true },  { KEY_F8, BIT_CAPTURA, false },
};

}

uint8_t bitsDeTeclas(const volatile char* teclas)
{
    uint8_t bits = 0;
    for (const TeclaGrabada& t : TECLAS)
        if (teclas[t.tecla])
            bits |= t.bit;
    return bits;
}

void teclasDeBits(uint8_t bits, volatile char* teclas)
{
    for (const TeclaGrabada& t : TECLAS)
        if (t.seRehace)
            teclas[t.tecla] = (bits & t.bit) ? 1 : 0;
}

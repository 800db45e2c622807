#ifndef CGRABADORA_H
#define CGRABADORA_H

#include <cstdint>

#include "repeticion/CRepeticion.h"

// Anota, mientras se juega, lo que decide la partida: con qué empezó, los
// ticks y las teclas de cada cuadro, y cada cien cuadros la huella del estado.
class CGrabadora {
public:
    // Con el generador común y la memoria de columnas tal como están al empezar.
    void empezar(uint32_t tickInicio);
    // Al principio de cada cuadro, con el reloj y las teclas ya fijados.
    void anotarCuadro(uint32_t tick, const volatile char* teclas);
    // Verdadero si el cuadro que acaba de jugarse lleva control.
    bool tocaControl() const;
    void anotarControl(uint64_t huella);
    CRepeticion& terminar(uint64_t huellaFinal);

    // Las teclas de la partida de un arreglo de teclas, un bit cada una.
    static uint8_t bitsDe(const volatile char* teclas);

private:
    CRepeticion repeticion;
    uint32_t tickAnterior = 0;
};

#endif

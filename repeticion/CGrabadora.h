#ifndef CGRABADORA_H
#define CGRABADORA_H

#include <cstdint>

#include "repeticion/CRepeticion.h"
#include "world/COrigenCuadros.h"

// Da a la partida el reloj y el teclado, como siempre, y anota lo que la
// decide: con qué empezó, los ticks y las teclas de cada cuadro, y cada cien
// cuadros la huella del estado.
class CGrabadora : public COrigenCuadros {
public:
    // El resumen del mapa con que se juega y la memoria de columnas al empezar.
    CGrabadora(uint64_t resumenMapa, int32_t ultimaColumna);

    void fijarArranque() override;
    void fijarCuadro() override;
    void cuadroJugado() override;
    void partidaAcabada() override;

    const CRepeticion& grabada() const { return repeticion; }

    // Anotan lo que otro origen ya fijó en el contexto: el tick y las teclas.
    void anotarArranque();
    void anotarCuadro();

private:
    CRepeticion repeticion;
    uint32_t tickAnterior = 0;
};

#endif

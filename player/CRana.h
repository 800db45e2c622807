#ifndef CRANA_H
#define CRANA_H

#include <cstdint>

#include "world/CEntidad.h"

// La rana que lleva el jugador: se mueve con las flechas, dispara una
// andanada por pulsación de Espacio y se protege un rato tras cada golpe.
class CRana : public CEntidad {
public:
    // Lanza CExcepcion de archivos si no puede leer su hoja.
    CRana();
    ~CRana() override;

    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void resumir(CResumen& resumen) const override;
    bool colisiona(CEntidad* otra) override;

    uint32_t ultimoTick;
    uint8_t velocidad;
    uint8_t disparoPulsado;
    uint32_t tiempoInvulnerable;
    uint32_t ultimoImpacto;
    uint8_t maxDisparos;
    int32_t potencia;
    int32_t energia;
    uint8_t finPartida;

private:
    void mover(uint32_t transcurridos);
    void atenderDisparo();
    void disparar();
    void recibirGolpe();
    void capturarPantalla();
};

// La rana de la partida en curso; la leen los disparos curvos y los enemigos
// que apuntan. Nula fuera de una partida: al acabar, la lista la borra.
extern CRana* jugador;

// Número por el que empieza a buscar la próxima captura; dura todo el programa.
extern int32_t numeroCaptura;

#endif

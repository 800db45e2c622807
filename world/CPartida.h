#ifndef CPARTIDA_H
#define CPARTIDA_H

#include <allegro.h>

#include <cstdint>

#include "repeticion/CGrabadora.h"

class CFase;
class CRana;

// Una partida de la fase: crea la rana, corre los cuadros hasta Escape, el
// fin de la energía o el cierre de la ventana, y lo deshace todo al final.
class CPartida {
public:
    CPartida();
    // Si la partida no llegó a jugarse (la rana no se pudo cargar), la fase
    // sigue siendo suya y se borra aquí.
    ~CPartida();

    void jugarFase();
    // Rehace una partida grabada, cuadro a cuadro con sus ticks y sus
    // teclas, sin mirar el teclado de juego. Mostrándola, va al ritmo del
    // reloj (a 4x con Tab) con el rótulo de repetición, y Escape la deja;
    // sin mostrar, ni dibuja ni espera. Lo que sale queda en rehecha().
    // Como demo (el menú quieto), con su rótulo y la deja cualquier tecla.
    void repetir(const CRepeticion& grabada, bool mostrar, bool comoDemo = false);
    const CRepeticion& rehecha() { return grabadora.terminar(ultimaHuella); }
    void dibujarMarcador(CRana* rana);
    // Cifras de 16 píxeles de derecha a izquierda, desde la de las unidades
    // en xUnidades, mientras x quede por encima del límite.
    void dibujarNumero(int32_t valor, int xUnidades, int limite);
    // Las dos pasadas de choques de cada cuadro.
    void chocarConRana();
    void chocarDisparos();
    // La huella de todo lo que decide cómo sigue la partida: cada entidad
    // viva, el generador común, la memoria de columnas y los disparos vivos.
    uint64_t resumen() const;

    CFase* fase;

private:
    void empezar();
    void jugarCuadro();
    bool pidePausa();
    void pausar();
    void mostrarPausa();
    void medirCuadros();
    void voltear();
    bool terminada() const;
    void terminar();
    void fijarCuadroGrabado();
    void rotularRepeticion();

    uint32_t inicioFase;
    uint32_t ultimoVolteo;
    uint32_t cuadros;
    uint32_t inicioVentana;
    uint32_t cuadrosPorSegundo;
    CGrabadora grabadora;
    uint64_t ultimaHuella = 0;
    // La partida que se rehace, si es una repetición, y por dónde va.
    const CRepeticion* repeticion = nullptr;
    size_t siguiente = 0;
    uint32_t tickRepeticion = 0;
    bool mostrar = true;
    bool demo = false;
    volatile char teclasGrabadas[KEY_MAX] = {};
};

#endif

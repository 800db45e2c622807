#ifndef CPARTIDA_H
#define CPARTIDA_H

#include <cstdint>

#include "world/COrigenCuadros.h"

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

    // Con el reloj y el teclado, o con lo que dé el origen (que también
    // puede acabarla antes).
    void jugarFase();
    void jugarFase(COrigenCuadros& origen);
    void dibujarMarcador(CRana* rana);
    // Cifras de 16 píxeles de derecha a izquierda, desde la de las unidades
    // en xUnidades, mientras x quede por encima del límite.
    void dibujarNumero(int32_t valor, int xUnidades, int limite);

    CFase* fase;

private:
    void empezar();
    void jugarCuadro();
    bool atenderJugador();
    bool pidePausa();
    void pausar();
    void mostrarPausa();
    void mostrarCuadro();
    void medirCuadros();
    void voltear(bool esperar);
    bool terminada() const;
    void terminar();

    uint32_t inicioFase;
    uint32_t ultimoVolteo;
    uint32_t cuadros;
    uint32_t inicioVentana;
    uint32_t cuadrosPorSegundo;
    COrigenCuadros relojYTeclado;
    COrigenCuadros* origen;
};

#endif

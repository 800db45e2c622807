#ifndef CJUEGO_H
#define CJUEGO_H

#include <allegro.h>

#include <cstdint>

#include "ajustes/CAjustes.h"
#include "opciones/CLetras.h"
#include "repeticion/CRepeticion.h"

// Lleva el programa de la presentación al menú y del menú a la salida.
class CJuego {
public:
    CJuego();

    // Todo main: arranque, pantallas de título, menú y apagado, con los
    // ajustes que recuerdan lo que cambie el jugador (sin ellos, los de por
    // defecto). Devuelve 0 tras salir con la tecla 3 y 1 tras un error mostrado.
    // Con una repetición, en vez del menú se ve esa partida y se sale.
    int ejecutar(CAjustes* ajustes = nullptr, const CRepeticion* repeticion = nullptr);

    void presentacion();
    void esperaTitulo();
    // 0: jugar, 1: segunda opción, 2: salir, 3: el menú se quedó quieto y
    // toca la demo, 4: las opciones, 5: las repeticiones.
    int menuPrincipal();
    void jugar();
    void segundaOpcion();
    void opciones();
    void repeticiones();
    void verRepeticion(const CRepeticion& repeticion);
    // La demo del piloto, como la grabó la compilación; sin ella, el menú sigue quieto.
    void verDemo();
    void marcarSalida();
    bool debeSalir() const;

private:
    void bucleTitulo();
    BITMAP* mostrarPantalla(const char* nombre);

    uint8_t salir;
    // Las del menú, para escribir las opciones; se cargan al arrancar.
    CLetras letras;
    CRepeticion demo;
    // Sin leer todavía, leída, o que no se puede leer.
    enum { DEMO_SIN_LEER, DEMO_LISTA, DEMO_FALTA } estadoDemo;
};

#endif

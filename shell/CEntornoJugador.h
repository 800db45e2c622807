#ifndef CENTORNOJUGADOR_H
#define CENTORNOJUGADOR_H

#include "plataforma/CDispositivos.h"
#include "shell/CEntrada.h"

// Lo que el jugador eligió alrededor del contexto: el modo de la pantalla,
// el volumen, el mando y sus teclas, y las teclas que valen en todo el juego.
// El contexto solo le avisa en cada paso del arranque y una vez por vuelta
// de cada bucle; lo que las lee, las aplica y las guarda está en opciones/.
class CEntornoJugador {
public:
    virtual ~CEntornoJugador() {}

    // Con Allegro en marcha y la profundidad de color fijada: abre la pantalla.
    virtual void abrirPantalla(CDispositivos* dispositivos) = 0;
    // Con el teclado instalado, cuando ya se saben los nombres de las teclas.
    virtual void tecladoInstalado() = 0;
    // Con el temporizador instalado: qué hace la pantalla al perder el foco.
    virtual void temporizadorInstalado() = 0;
    virtual void sonidoInstalado() = 0;
    // Instala el mando con sus botones y da a la entrada las teclas elegidas.
    virtual void prepararEntrada(CEntrada& entrada) = 0;
    // M, - y +, F10 y F11.
    virtual void atenderTeclas(CEntrada& entrada) = 0;
};

#endif

#ifndef CENTRADA_H
#define CENTRADA_H

#include <allegro.h>

#include "plataforma/CDispositivos.h"
#include "shell/Teclas.h"

// Lo que pulsa el jugador, con el teclado o con el mando: el juego lee un
// solo arreglo de teclas y no sabe de qué aparato salió cada pulsación, ni
// qué tecla eligió el jugador para cada acción.
class CEntrada {
public:
    CEntrada();

    // Sin mando ni teclas cambiadas el juego lee el teclado tal cual, sin
    // copias por medio.
    void iniciar(volatile char* teclado, bool conMando);
    // La tecla elegida para cada acción, y fuera de qué margen (de 128)
    // cuenta la palanca: en reposo nunca marca cero del todo.
    void asignarTeclas(const int (&elegidas)[NUM_ACCIONES], int zonaMuerta);
    volatile char* teclas() { return propias() ? unidas : teclado; }
    // Las teclas elegidas solo valen en la partida: la presentación y el
    // título se pasan con Espacio, como dicen sus dibujos.
    void jugando(bool enPartida) { partida = enPartida; }
    bool hayMando() const { return conMando; }

    // Una vez por vuelta de cada bucle: lee el mando, si lo hay, y lo une al teclado.
    void actualizar(CDispositivos& dispositivos);
    // El arreglo que lee el juego: el teclado, con la tecla de cada acción
    // en el sitio que lee la partida, más lo que marca el mando.
    void unir(const EstadoMando& mando);
    // El botón del mando que ya viene pulsado no cuenta hasta que se suelte:
    // si no, la pulsación que pasa la presentación elegiría también en el menú.
    void retenerBoton();
    // Lo que ya viene pulsado (la tecla que acabó una partida, la que abrió
    // una pantalla) no es una pulsación nueva hasta que se suelte.
    void darPorAtendidas();
    // Verdadero una sola vez por pulsación, hasta que se suelte la tecla.
    bool pulsacion(int tecla);
    // Verdadero si hay alguna tecla pulsada, la que sea.
    bool algunaPulsada();
    // El botón del mando (contado desde 0) que se acaba de pulsar, una sola
    // vez por pulsación; -1 si ninguno.
    int botonNuevo();

private:
    bool propias() const { return conMando || cambiadas; }

    volatile char* teclado;
    bool conMando;
    bool cambiadas;
    bool partida;
    int elegidas[NUM_ACCIONES];
    int zonaMuerta;
    bool botonRetenido;
    int botonPulsado, botonVisto;
    volatile char unidas[KEY_MAX];
    bool atendida[KEY_MAX];
};

#endif

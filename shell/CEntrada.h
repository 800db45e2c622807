#ifndef CENTRADA_H
#define CENTRADA_H

#include <allegro.h>

#include "shell/CDispositivos.h"

// Lo que pulsa el jugador, con el teclado o con el mando: el juego lee un
// solo arreglo de teclas y no sabe de qué aparato salió cada pulsación.
class CEntrada {
public:
    // Fuera de este margen, de 128, la palanca no cuenta: en reposo nunca
    // marca cero del todo.
    static const int ZONA_MUERTA = 48;

    CEntrada();

    // Sin mando el juego lee el teclado tal cual, sin copias por medio.
    void iniciar(volatile char* teclado, bool conMando);
    volatile char* teclas() { return conMando ? unidas : teclado; }
    bool hayMando() const { return conMando; }

    // El arreglo que lee el juego: el teclado más lo que marca el mando.
    void unir(const EstadoMando& mando);
    // El botón del mando que ya viene pulsado no cuenta hasta que se suelte:
    // si no, la pulsación que pasa la presentación elegiría también en el menú.
    void retenerBoton();
    // Verdadero una sola vez por pulsación, hasta que se suelte la tecla.
    bool pulsacion(int tecla);

private:
    volatile char* teclado;
    bool conMando;
    bool botonRetenido;
    volatile char unidas[KEY_MAX];
    bool atendida[KEY_MAX];
};

#endif

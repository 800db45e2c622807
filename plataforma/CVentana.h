#ifndef CVENTANA_H
#define CVENTANA_H

#include "plataforma/CDispositivos.h"
#include "plataforma/Escala.h"

// Los modos de la pantalla: la ventana con su factor, la pantalla completa,
// y el paso de uno a otro con F10 y F11 sin perder el que había.
class CVentana {
public:
    CVentana();

    void usarDispositivos(CDispositivos* otros) { dispositivos = otros; }

    // Abre la pantalla con el primer driver que pueda: en ventana con el
    // factor pedido (0, o uno que no cabe: el mayor que cabe), o en pantalla
    // completa. Lanza el error gráfico si no abre ninguno.
    void abrir(int factor, bool completa, bool estirada);

    // El modo que sigue a F10 y a F11; el mismo que hay si no cambia nada.
    ModoPantalla siguienteTamano() const;
    ModoPantalla alternarCompleta() const;
    // El modo con esos ajustes, que queda como el de volver a la ventana o
    // a la pantalla completa: en ventana, con el factor (0, o uno que no
    // cabe: el mayor que cabe).
    ModoPantalla modoCon(int factor, bool completa, bool estiradaPedida);
    // El mayor factor con que la ventana cabe en el escritorio.
    int factorMaximo() const;

    // Abre el modo con el driver del arranque. Si no abre se vuelve al que
    // había, y si tampoco, es el error gráfico del arranque.
    void cambiar(const ModoPantalla& nuevo);

    // X11 solo acepta seguir en segundo plano; se prueba primero el modo
    // preferido para no perder nada donde sí existe.
    void fijarConmutacion();

    const ModoPantalla& modo() const { return actual; }
    // El factor de la ventana, también mientras se está en pantalla completa.
    int factorVentana() const { return factorEnVentana; }

private:
    CDispositivos* dispositivos;
    // El driver que abrió la pantalla al arrancar: los cambios de modo usan el mismo.
    int intentoGrafico;
    int anchoEscritorio, altoEscritorio;
    ModoPantalla actual;
    int factorEnVentana;
    bool estirada;
};

#endif

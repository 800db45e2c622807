#ifndef CAVISOTICK_H
#define CAVISOTICK_H

#include <condition_variable>
#include <functional>
#include <mutex>

// Despierta a quien espera en cuanto cambia algo que le importa (un tick
// nuevo del temporizador, el botón de cerrar), sin que tenga que mirar cada
// milisegundo: un despertar por tick en vez de diez.
class CAvisoTick {
public:
    // Desde el hilo del temporizador o el de la ventana, después de cambiar
    // lo que mira listo().
    void avisar();
    // Duerme hasta que listo() sea cierto o pase el plazo; listo() se mira
    // con cada aviso, así que un aviso que no cambia nada no lo despierta.
    // Verdadero si acabó por listo().
    bool esperar(const std::function<bool()>& listo, int milisegundosMaximo);

private:
    std::mutex cerrojo;
    std::condition_variable cambio;
};

#endif

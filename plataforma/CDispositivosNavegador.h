#ifndef CDISPOSITIVOSNAVEGADOR_H
#define CDISPOSITIVOSNAVEGADOR_H

#include <cstdint>
#include <vector>

#include "plataforma/CAmpliador.h"
#include "plataforma/CDispositivosConAllegro.h"

// Los dispositivos de la página: Allegro sin sistema para los dibujos, y el
// lienzo, el reloj, las teclas y el mando del navegador. El juego corre en
// un bucle que no vuelve nunca: cada espera le devuelve el turno a la página
// (emscripten_sleep, con ASYNCIFY), y los ticks salen de su reloj al volver;
// el sonido (SonidoPagina) se mezcla entonces también.
class CDispositivosNavegador : public CDispositivosConAllegro {
public:
    int iniciarAllegro() override;
    void fijarProfundidadColor() override;
    void tamanoEscritorio(int& ancho, int& alto) override;
    int fijarModoGrafico(int intento, const ModoPantalla& nuevo) override;
    int instalarTeclado() override;
    int instalarTemporizador() override { return 0; }
    int fijarModoConmutacion(int) override { return 0; }
    void presentar(BITMAP* pagina) override;
    void instalarContador(void (*contador)(), int milisegundos) override;
    volatile char* estadoTeclas() override { return teclas; }
    void instalarAvisoCierre(void (*)()) override {}
    void dormir(int milisegundos) override;
    void esperarTick(const std::function<bool()>& listo, int milisegundosMaximo) override;
    void instalarAvisoFoco(void (*perdido)()) override { avisoFoco = perdido; }
    bool focoEnOtraVentana() override;
    void reposo(bool) override {}
    bool instalarMando(int botonDisparo, int botonInicio) override;
    void leerMando(EstadoMando& estado) override;
    void fijarBotones(int botonDisparo, int botonInicio) override;
    const char* nombreTecla(int tecla) override;
    void mostrarMensaje(const char* texto) override;
    void quitarTeclado() override {}
    void quitarTemporizador() override {}
    void salirAllegro() override;
    void cederTurno() override;

private:
    // Da los ticks que tocan según el reloj de la página y atiende el foco.
    void ponerAlDia();
    void ceder(int milisegundos);

    // Las escriben los oyentes de teclado de la página, por su código físico.
    volatile char teclas[KEY_MAX] = {};
    void (*contador)() = nullptr;
    void (*avisoFoco)() = nullptr;
    double periodo = 10, proximoTick = 0, ultimoTurno = 0;
    int disparo = 0, inicio = 0;
    CAmpliador ampliador;
    // La página en RGBA, como la quiere el lienzo.
    std::vector<uint32_t> lienzo;
};

#endif

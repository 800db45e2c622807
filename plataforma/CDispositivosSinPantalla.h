#ifndef CDISPOSITIVOSSINPANTALLA_H
#define CDISPOSITIVOSSINPANTALLA_H

#include <functional>

#include "plataforma/CDispositivos.h"

// Allegro sin sistema: ni ventana, ni teclado, ni reloj, ni sonido. Los
// dibujos y la música se leen de verdad (un archivo malo sigue siendo un
// error), pero nada se muestra ni suena. Con ella se rehacen partidas
// grabadas tan deprisa como se pueda, también sin servidor X.
class CDispositivosSinPantalla : public CDispositivos {
public:
    int iniciarAllegro() override;
    void fijarProfundidadColor() override;
    void tamanoEscritorio(int& ancho, int& alto) override;
    int fijarModoGrafico(int, const ModoPantalla&) override { return 0; }
    int instalarTeclado() override { return 0; }
    int instalarTemporizador() override { return 0; }
    int fijarModoConmutacion(int) override { return 0; }
    int instalarSonido(bool) override { return 0; }
    MIDI* cargarMidi(const char* nombre) override;
    int tocarMidi(MIDI*) override { return 0; }
    void pararMidi() override {}
    void pausarMidi() override {}
    void reanudarMidi() override {}
    void liberarMidi(MIDI* musica) override;
    SAMPLE* cargarSonido(const char*) override { return nullptr; }
    void tocarSonido(SAMPLE*, int, int, int) override {}
    void pararSonido(SAMPLE*) override {}
    void liberarSonido(SAMPLE*) override {}
    BITMAP* crearPagina(int ancho, int alto) override;
    BITMAP* cargarImagen(const char* nombre) override;
    // Cada cuadro mostrado: quien juega sin pantalla (el piloto de la demo) decide ahí.
    void presentar(BITMAP*) override
    {
        if (alPresentar)
            alPresentar();
    }
    void instalarContador(void (*contadorDado)(), int) override { contador = contadorDado; }
    volatile char* estadoTeclas() override { return teclas; }
    void instalarAvisoCierre(void (*)()) override {}
    // Sin temporizador, cada siesta es un tick: una partida jugada así va
    // tan deprisa como se pueda, a un cuadro por tick.
    void dormir(int) override;
    void instalarAvisoFoco(void (*)()) override {}
    bool focoEnOtraVentana() override { return false; }
    void reposo(bool) override {}
    bool instalarMando(int, int) override { return false; }
    void leerMando(EstadoMando&) override {}
    void fijarBotones(int, int) override {}
    void fijarVolumen(int) override {}
    const char* nombreTecla(int) override { return ""; }
    void mostrarMensaje(const char* texto) override;
    void quitarTeclado() override {}
    void quitarTemporizador() override {}
    void salirAllegro() override;

    std::function<void()> alPresentar;
    volatile char teclas[KEY_MAX] = {};

private:
    void (*contador)() = nullptr;
};

#endif

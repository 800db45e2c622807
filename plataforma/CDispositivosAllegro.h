#ifndef CDISPOSITIVOSALLEGRO_H
#define CDISPOSITIVOSALLEGRO_H

#include "plataforma/CAmpliador.h"
#include "plataforma/CAvisoTick.h"
#include "plataforma/CDispositivosConAllegro.h"
#include "plataforma/CMandoAllegro.h"

// Los dispositivos de verdad: Allegro sobre X11 (o Windows).
class CDispositivosAllegro : public CDispositivosConAllegro {
public:
    int iniciarAllegro() override;
    void fijarProfundidadColor() override;
    void tamanoEscritorio(int& ancho, int& alto) override;
    int fijarModoGrafico(int intento, const ModoPantalla& nuevo) override;
    int instalarTeclado() override;
    int instalarTemporizador() override;
    int fijarModoConmutacion(int modo) override;
    void presentar(BITMAP* pagina) override;
    void instalarContador(void (*contador)(), int milisegundos) override;
    volatile char* estadoTeclas() override;
    void instalarAvisoCierre(void (*aviso)()) override;
    void dormir(int milisegundos) override;
    void esperarTick(const std::function<bool()>& listo, int milisegundosMaximo) override;
    void instalarAvisoFoco(void (*perdido)()) override;
    bool focoEnOtraVentana() override;
    void reposo(bool dormido) override;
    bool instalarMando(int botonDisparo, int botonInicio) override;
    void leerMando(EstadoMando& estado) override;
    void fijarBotones(int botonDisparo, int botonInicio) override { mando.fijarBotones(botonDisparo, botonInicio); }
    const char* nombreTecla(int tecla) override;
    void mostrarMensaje(const char* texto) override;
    void quitarTeclado() override;
    void quitarTemporizador() override;
    void salirAllegro() override;

private:
    static void contarYAvisar();
    static void cerrarYAvisar();
    void atenderVentanaEnReposo();

    // Lo que el contexto instala, llamado desde los envoltorios que además avisan.
    static inline void (*contadorDado)() = nullptr;
    static inline void (*cierreDado)() = nullptr;
    static inline CAvisoTick avisoTick;
    bool enReposo = false;
    CMandoAllegro mando;
    ModoPantalla modo;
    // Dónde va la esquina de la página ampliada: fuera de 0,0 solo en pantalla completa.
    int origenX = 0, origenY = 0;
    CAmpliador ampliador;
    // Lo que muestra la ventana, para mandarle solo lo que cambia.
    CCambiosPagina cambios;
    // Falso si la ventana no admite el volcado propio y amplía Allegro.
    bool ampliadorListo = false;
    // Nulo si faltaba o estaba roto: la ventana se queda sin icono.
    BITMAP* icono = nullptr;
};

#endif

#ifndef CDISPOSITIVOSSIMULADOS_H
#define CDISPOSITIVOSSIMULADOS_H

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "plataforma/CDispositivos.h"

// Plataforma de mentira: anota cada llamada en orden, falla donde se le
// pide y entrega bitmaps de memoria de verdad para dibujar en ellos.
class CDispositivosSimulados : public CDispositivos {
public:
    CDispositivosSimulados();
    ~CDispositivosSimulados() override;

    std::vector<std::string> llamadas;
    // Nombres de llamada (como se anotan) que deben fallar.
    std::set<std::string> fallos;
    volatile char teclas[KEY_MAX];
    // Se llama tras cada página presentada, con su número (desde 1).
    std::function<void(int)> alPresentar;
    int presentadas;
    void (*contador)();
    int periodoContador;
    std::vector<std::string> mensajes;
    void (*avisoCierre)();
    // Cada siesta del juego deja pasar un tick del reloj simulado.
    int siestas;
    // Se llama en cada siesta, antes de que pase el tick.
    std::function<void(int)> alDormir;
    // Pasadas tantas siestas, la prueba falla y se corta: una espera que no
    // ve la tecla ni el botón de cerrar no la cuelga. 0: sin tope.
    int topeSiestas;
    void (*avisoFoco)();
    // Lo que contesta focoEnOtraVentana.
    bool focoFuera;
    // El mando que encuentra el arranque y lo que marca en cada lectura.
    bool hayMando;
    EstadoMando mando;
    // Se llama en cada lectura del mando, con su número (desde 1).
    std::function<void(int)> alLeerMando;
    int lecturasMando;
    // El último volumen fijado; 255 si nadie lo ha tocado.
    int volumen;
    // El escritorio que ve el arranque y el modo que quedó abierto.
    int anchoEscritorio, altoEscritorio;
    ModoPantalla modo;
    // Se llama en cada fijarModoGrafico, tras anotarlo.
    std::function<void()> alFijarModo;
    // La última página presentada.
    BITMAP* presentada;
    // Dibujos que cargarImagen entrega (una copia) en vez del color liso.
    std::map<std::string, BITMAP*> imagenes;

    bool llamo(const std::string& nombre) const;
    // Color con que se pinta cada dibujo cargado, para reconocerlo en pantalla.
    static int colorDeImagen(const std::string& nombre);

    int iniciarAllegro() override;
    void fijarProfundidadColor() override;
    void tamanoEscritorio(int& ancho, int& alto) override;
    int fijarModoGrafico(int intento, const ModoPantalla& nuevo) override;
    int instalarTeclado() override;
    int instalarTemporizador() override;
    int fijarModoConmutacion(int modo) override;
    int instalarSonido(bool conMidi) override;
    MIDI* cargarMidi(const char* nombre) override;
    int tocarMidi(MIDI* musica) override;
    void pararMidi() override;
    void pausarMidi() override;
    void reanudarMidi() override;
    void liberarMidi(MIDI* musica) override;
    // Los efectos se anotan como "efecto sounds/x.wav pan P"; las paradas, como "parar sounds/x.wav".
    SAMPLE* cargarSonido(const char* nombre) override;
    void tocarSonido(SAMPLE* sonido, int volumen, int pan, int frecuencia) override;
    void pararSonido(SAMPLE* sonido) override;
    void liberarSonido(SAMPLE* sonido) override;
    BITMAP* crearPagina(int ancho, int alto) override;
    BITMAP* cargarImagen(const char* nombre) override;
    void presentar(BITMAP* pagina) override;
    void instalarContador(void (*contadorNuevo)(), int milisegundos) override;
    volatile char* estadoTeclas() override;
    void instalarAvisoCierre(void (*aviso)()) override;
    void dormir(int milisegundos) override;
    void instalarAvisoFoco(void (*perdido)()) override;
    bool focoEnOtraVentana() override { return focoFuera; }
    void reposo(bool dormido) override;
    bool instalarMando(int botonDisparo, int botonInicio) override;
    void leerMando(EstadoMando& estado) override;
    void fijarBotones(int botonDisparo, int botonInicio) override;
    void fijarVolumen(int volumenNuevo) override;
    // Las letras, "space", "Up"… como los da X; las demás, "tecla N".
    const char* nombreTecla(int tecla) override;
    void mostrarMensaje(const char* texto) override;
    void quitarTeclado() override;
    void quitarTemporizador() override;
    void salirAllegro() override;

private:
    int anotar(const std::string& nombre);
    std::vector<MIDI*> musicas;
    std::map<const SAMPLE*, std::string> sonidos;
};

#endif

#ifndef CSISTEMA_H
#define CSISTEMA_H

#include <allegro.h>

#include <atomic>
#include <cstdint>

#include "shell/CDispositivos.h"

// Contexto del motor: páginas, hojas, música, reloj y teclado de todo el juego.
class CSistema {
public:
    CSistema();
    ~CSistema();

    BITMAP* paginaDibujo;
    BITMAP* paginaVisible;
    // Lo incrementa el hilo del temporizador cada 10 ms mientras el hilo
    // principal lo lee: atómico, con orden relajado basta.
    std::atomic<uint32_t> ticks;
    MIDI* musicaMenu;
    MIDI* musicaFase;
    BITMAP* hojaEnemigos;
    BITMAP* hojaComunes;
    volatile char* teclas;
    uint8_t disparosVivos;

    static CSistema* instancia;

    // Puede lanzar CExcepcion; se detiene en el primer paso que falla.
    void inicializar();
    // Deshace solo lo que el arranque llegó a instalar.
    void finalizar();

    void mostrarError(const char* texto);
    void limpiarPagina();
    void voltearPaginas();

    MIDI* cargarMusica(const char* nombre);
    void tocarMusica(MIDI* musica);
    void pararMusica();
    void pausarMusica();
    void reanudarMusica();
    void liberarMusica(MIDI* musica);

    void escribirFormato(int x, int y, int color, const char* texto);
    void escribirTexto(BITMAP* destino, FONT* fuente, int x, int y, int color, const char* texto);

    uint32_t leerTicks() const { return ticks.load(std::memory_order_relaxed); }
    void fijarTicks(uint32_t valor) { ticks.store(valor, std::memory_order_relaxed); }

    static void contarTick();

    // El botón de cerrar de la ventana: se anota y cada espera lo mira.
    static void avisarCierre();
    bool cierrePedido() const { return cierre.load(std::memory_order_relaxed); }

    // Duerme hasta que el reloj deje de marcar ese tick.
    void esperarTickDistinto(uint32_t tick);

    // Carga una hoja de sprites con su paleta; si no se puede leer, error de archivos.
    BITMAP* cargarHoja(const char* nombre);

    // Cambia la plataforma (las pruebas usan una simulada); la de verdad es Allegro.
    void usarDispositivos(CDispositivos* otros);
    CDispositivos* dispositivosActuales() const { return dispositivos; }

private:
    void abrirModoGrafico();
    void fijarConmutacion();
    void instalarSonido();
    void crearPaginas();

    CDispositivos* dispositivos;
    bool allegroIniciado;
    bool tecladoInstalado;
    bool temporizadorInstalado;
    std::atomic<bool> cierre;
};

extern CSistema sistema;

#endif

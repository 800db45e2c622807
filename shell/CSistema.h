#ifndef CSISTEMA_H
#define CSISTEMA_H

#include <allegro.h>

#include <atomic>
#include <cstdint>

#include "plataforma/CDispositivos.h"
#include "shell/CEntornoJugador.h"
#include "shell/CEntrada.h"
#include "shell/CSpritesPreparados.h"

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
    // Lo que lee el juego: el teclado, o el teclado junto con el mando.
    volatile char* teclas;
    CEntrada entrada;
    uint8_t disparosVivos;

    static CSistema* instancia;

    // Puede lanzar CExcepcion; se detiene en el primer paso que falla. El
    // entorno abre la pantalla y prepara el sonido y la entrada a su gusto.
    void inicializar(CEntornoJugador& entornoDado);
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
    // Se conserva aunque el juego no la llama.
    void escribirTexto(BITMAP* destino, FONT* fuente, int x, int y, int color, const char* texto);

    // Un sprite de una hoja en la página de dibujo: los mismos píxeles que
    // un masked_blit de ese rectángulo, mucho más deprisa.
    void dibujarSprite(BITMAP* hoja, int origenX, int origenY, int x, int y, int ancho, int alto);
    // Quien destruye una hoja dibujada así la olvida antes.
    void olvidarHoja(BITMAP* hoja);
    // Si aún guarda sprites preparados de esa hoja.
    bool recuerdaHoja(const BITMAP* hoja) const { return sprites.guarda(hoja); }

    // Dentro de un cuadro de la partida, el tick en que empezó; fuera, el del reloj.
    uint32_t leerTicks() const { return cuadroFijado ? ticksCuadro : leerReloj(); }
    // El reloj tal como va, para medir esperas.
    uint32_t leerReloj() const { return ticks.load(std::memory_order_relaxed); }
    void fijarTicks(uint32_t valor) { ticks.store(valor, std::memory_order_relaxed); }

    // El temporizador y el teclado cambian el reloj y las teclas en sus hilos,
    // también a mitad de un cuadro. Entre fijarCuadro y soltarCuadro todo lo
    // que se lee por el contexto (leerTicks, teclas) es lo que había al
    // empezar el cuadro: dos entidades del mismo cuadro ven lo mismo, y una
    // repetición puede dar a cada cuadro exactamente lo que vio.
    void fijarCuadro();
    // Un cuadro con el tick y las teclas dados: los de una partida grabada.
    void fijarCuadro(uint32_t tick, const volatile char* teclasDadas);
    void soltarCuadro();

    static void contarTick();

    // El botón de cerrar de la ventana: se anota y cada espera lo mira.
    static void avisarCierre();
    bool cierrePedido() const { return cierre.load(std::memory_order_relaxed); }

    // Una vez por vuelta de cada bucle del juego: lee el mando y el entorno
    // atiende las teclas que valen en cualquier pantalla (M, F10, F11, - y
    // +), salvo mientras se espera una tecla cualquiera para darla a una acción.
    void atenderEntrada(bool teclasGlobales = true);
    // La entrada tiene otras teclas elegidas: el juego lee su arreglo.
    void entradaCambiada() { teclas = entrada.teclas(); }
    // La pantalla se abrió otra vez en otro modo: set_gfx_mode se lleva los
    // avisos de cierre y de foco, que vuelven, y se ve la página visible.
    void modoCambiado();
    void dormir(int milisegundos);
    // Mientras dura, el proceso solo se despierta en sus siestas.
    void reposo(bool dormido);

    // Con el reloj parado el temporizador sigue llamando, pero los ticks no
    // avanzan: todo lo que se mide con ellos se queda donde estaba.
    void pararReloj() { relojParado.store(true, std::memory_order_relaxed); }
    void reanudarReloj() { relojParado.store(false, std::memory_order_relaxed); }
    // Para el reloj mientras vive y al acabar, también con una excepción, lo
    // deja como estaba: parado si ya lo estaba, como en la pausa.
    class RelojParado {
    public:
        explicit RelojParado(CSistema& contexto)
            : parado(contexto.relojParado), antes(parado.exchange(true, std::memory_order_relaxed)) {}
        ~RelojParado() { parado.store(antes, std::memory_order_relaxed); }

    private:
        std::atomic<bool>& parado;
        const bool antes;
    };

    // Otra ventana se llevó el foco; se anota y la partida lo recoge. Solo
    // cuenta si el teclado sigue yendo a otra ventana cuando se recoge.
    static void avisarFocoPerdido();
    bool tomarFocoPerdido();

    // Duerme hasta que el reloj deje de marcar ese tick.
    void esperarTickDistinto(uint32_t tick);

    // Carga una hoja de sprites con su paleta; si no se puede leer, error de archivos.
    BITMAP* cargarHoja(const char* nombre);
    // Cambia la plataforma (las pruebas usan una simulada); la de verdad es Allegro.
    void usarDispositivos(CDispositivos* otros);
    CDispositivos* dispositivosActuales() const { return dispositivos; }

private:
    void instalarSonido();
    void crearPaginas();

    CDispositivos* dispositivos;
    bool allegroIniciado;
    bool tecladoInstalado;
    bool temporizadorInstalado;
    std::atomic<bool> cierre;
    std::atomic<bool> relojParado;
    std::atomic<bool> focoPerdido;
    bool cuadroFijado;
    uint32_t ticksCuadro;
    volatile char teclasCuadro[KEY_MAX];
    CEntornoJugador* entorno;
    CSpritesPreparados sprites;
};

extern CSistema sistema;

#endif

#ifndef CDISPOSITIVOS_H
#define CDISPOSITIVOS_H

#include <allegro.h>

#include <functional>

#include "plataforma/Escala.h"

// Lo que marca el mando en un momento: la palanca izquierda de -128 a 128,
// la cruceta, el primer botón y Start.
struct EstadoMando {
    int ejeX = 0, ejeY = 0;
    bool arriba = false, abajo = false, izquierda = false, derecha = false;
    bool boton = false, inicio = false;
    // El primer botón pulsado, sea cual sea, contado desde 0; -1 si ninguno.
    int pulsado = -1;
};

// Lo que el arranque y el apagado piden a la plataforma. El contexto del
// motor decide el orden y qué hacer con cada fallo; aquí solo se ejecuta.
class CDispositivos {
public:
    virtual ~CDispositivos() {}

    virtual int iniciarAllegro() = 0;
    virtual void fijarProfundidadColor() = 0;
    // Lo que mide el escritorio, antes de abrir ningún modo gráfico.
    virtual void tamanoEscritorio(int& ancho, int& alto) = 0;
    // intento 0: acelerado, 1: por software, 2: seguro. 0 si abrió la pantalla.
    // Vale también para cambiar de modo con la pantalla abierta; si falla, no
    // queda ninguno.
    virtual int fijarModoGrafico(int intento, const ModoPantalla& modo) = 0;
    virtual int instalarTeclado() = 0;
    virtual int instalarTemporizador() = 0;
    virtual int fijarModoConmutacion(int modo) = 0;
    // Con o sin sintetizador MIDI; 0 si el sonido quedó instalado.
    virtual int instalarSonido(bool conMidi) = 0;
    virtual MIDI* cargarMidi(const char* nombre) = 0;
    virtual int tocarMidi(MIDI* musica) = 0;
    virtual void pararMidi() = 0;
    virtual void pausarMidi() = 0;
    virtual void reanudarMidi() = 0;
    virtual void liberarMidi(MIDI* musica) = 0;
    // Un efecto: nulo si no se pudo leer, o si no es un WAV entero que se entienda.
    virtual SAMPLE* cargarSonido(const char* nombre) = 0;
    // Volumen y posición de 0 a 255 (0, a la izquierda); frecuencia en
    // milésimas de la original. Suena una vez, en una voz de efectos.
    virtual void tocarSonido(SAMPLE* sonido, int volumen, int pan, int frecuencia) = 0;
    // Corta todas las copias que estén sonando.
    virtual void pararSonido(SAMPLE* sonido) = 0;
    virtual void liberarSonido(SAMPLE* sonido) = 0;
    virtual BITMAP* crearPagina(int ancho, int alto) = 0;
    // Carga un dibujo y aplica su paleta; nulo si no se pudo leer.
    virtual BITMAP* cargarImagen(const char* nombre) = 0;
    // Muestra la página con el factor y en el sitio del modo actual.
    virtual void presentar(BITMAP* pagina) = 0;
    virtual void instalarContador(void (*contador)(), int milisegundos) = 0;
    virtual volatile char* estadoTeclas() = 0;
    // El aviso corre en otro hilo cuando el jugador pulsa el botón de cerrar.
    virtual void instalarAvisoCierre(void (*aviso)()) = 0;
    // Cede el procesador; sin temporizador instalado puede volver en el acto.
    virtual void dormir(int milisegundos) = 0;
    // Duerme hasta que listo() sea cierto, como mucho el plazo. La pantalla
    // de verdad despierta con cada tick y con el botón de cerrar; aquí, una
    // siesta de un milisegundo (sin pantalla, eso hace correr el reloj).
    virtual void esperarTick(const std::function<bool()>& listo, int milisegundosMaximo)
    {
        (void)milisegundosMaximo;
        if (!listo())
            dormir(1);
    }
    // El aviso corre en otro hilo cuando la ventana pierde el foco.
    virtual void instalarAvisoFoco(void (*perdido)()) = 0;
    // Verdadero si el teclado va ahora a otra ventana: hay avisos de foco
    // perdido que solo son un paso de ida y vuelta.
    virtual bool focoEnOtraVentana() = 0;
    // En reposo el proceso solo se despierta en cada siesta: nada más lo
    // hace cien veces por segundo. Las teclas y el cierre siguen llegando.
    virtual void reposo(bool dormido) = 0;
    // Verdadero si hay un mando conectado al arrancar. Los botones de
    // disparar y de Start, contados desde 0; si el mando no tiene el de
    // Start, hace de Start el último (si no es el de disparar).
    virtual bool instalarMando(int botonDisparo, int botonInicio) = 0;
    virtual void leerMando(EstadoMando& estado) = 0;
    // Otros botones de disparar y de Start para el mando ya instalado.
    virtual void fijarBotones(int botonDisparo, int botonInicio) = 0;
    // Todo el sonido, música incluida, de 0 (nada) a 255.
    virtual void fijarVolumen(int volumen) = 0;
    // El nombre de la tecla en esta plataforma, con el teclado instalado.
    virtual const char* nombreTecla(int tecla) = 0;
    virtual void mostrarMensaje(const char* texto) = 0;
    virtual void quitarTeclado() = 0;
    virtual void quitarTemporizador() = 0;
    virtual void salirAllegro() = 0;
    // Lo llama la entrada cada vez que mira el teclado. En el navegador, una
    // espera activa de la presentación o del menú tiene que devolverle el
    // turno de vez en cuando, o la página no recibe teclas ni se pinta.
    virtual void cederTurno() {}
};

// Los dispositivos de verdad del sistema para el que se compiló: los de
// Allegro en el escritorio, los de la página en el navegador.
CDispositivos& dispositivosDelSistema();

#endif

#include "plataforma/CDispositivosAllegro.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "plataforma/CHiloFondo.h"
#include "plataforma/Dialogo.h"
#include "plataforma/Escala.h"
#include "plataforma/ImagenBmp.h"
#include "plataforma/Recursos.h"
#include "plataforma/VentanaX11.h"

#ifdef _WIN32
#include "plataforma/PlataformaWindows.h"
#else
#include <allegro/internal/aintern.h>
#include <allegro/platform/aintunix.h>
#endif

namespace {

// En UTF-8, como todo texto que recibe Allegro.
const char* const TITULO = "Escuadrón Rana";

// Orden de intentos: acelerado, por software, seguro. En X11 nada está
// acelerado (gfx_capabilities solo trae GFX_CAN_SCROLL): se prefiere una
// ventana, que no cambia la resolución del escritorio, y se acaba en el
// modo seguro. En Windows esos tres son los de pantalla completa, a
// 640x480: la ventana de DirectX va antes que ellos (fijarModoGrafico).
#ifdef _WIN32
const int DRIVERS[3] = { GFX_DIRECTX_ACCEL, GFX_DIRECTX_SOFT, GFX_DIRECTX_SAFE };
#else
const int DRIVERS[3] = { GFX_AUTODETECT_WINDOWED, GFX_XWINDOWS, GFX_SAFE };
#endif

// Con los colores del archivo, sin bajarlos a los 16 bits de la pantalla.
BITMAP* cargarIcono()
{
    const std::string ruta = rutaRecurso("graphics/icono.bmp");
    if (!archivoBmpSano(ruta.c_str()))
        return nullptr;
    const int conversion = get_color_conversion();
    set_color_conversion(COLORCONV_NONE);
    BITMAP* icono = load_bitmap(ruta.c_str(), nullptr);
    set_color_conversion(conversion);
    return icono;
}

}

CDispositivos& dispositivosDelSistema()
{
    static CDispositivosAllegro dispositivos;
    return dispositivos;
}

int CDispositivosAllegro::iniciarAllegro()
{
    // La ventana que ve el gestor nace ya en install_allegro, con el nombre que haya.
    nombrarVentanaX11();
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
        return -1;
    // Antes del sonido y del mando, que se apuntan al hilo de fondo que haya.
    // Si no se puede, el juego sigue con el de Allegro, que gasta más: se
    // dice una vez, y la medida de CPU lo busca.
#ifndef _WIN32
    static bool avisado = false;
    if (!CHiloFondo::sustituir(atenderEventosX11) && !avisado) {
        avisado = true;
        std::fprintf(stderr, "escuadron-rana: sigue el hilo de fondo de Allegro, que despierta mil veces por segundo\n");
    }
#endif
    set_window_title(TITULO);
    icono = cargarIcono();
    return 0;
}

void CDispositivosAllegro::fijarProfundidadColor()
{
    set_color_depth(16);
}

void CDispositivosAllegro::tamanoEscritorio(int& ancho, int& alto)
{
    if (get_desktop_resolution(&ancho, &alto) != 0) {
        ancho = ANCHO_PAGINA;
        alto = ALTO_PAGINA;
    }
}

#ifdef _WIN32

// En Windows la pantalla completa es la del juego de siempre: DirectX a
// 640x480, sin ampliar, con el driver del intento. Una ventana se pide
// primero a DirectX en ventana, con cualquier intento (así vuelve también
// quien arrancó en pantalla completa con el segundo); si no abre, queda la
// pantalla completa del intento.
int CDispositivosAllegro::fijarModoGrafico(int intento, const ModoPantalla& nuevo)
{
    if (!nuevo.completa && set_gfx_mode(GFX_DIRECTX_WIN, nuevo.ancho, nuevo.alto, 0, 0) == 0) {
        modo = nuevo;
    } else {
        if (set_gfx_mode(DRIVERS[intento], ANCHO_PAGINA, ALTO_PAGINA, 0, 0) != 0)
            return -1;
        modo = ModoPantalla();
        modo.completa = true;
    }
    set_window_title(TITULO);
    origenX = origenY = 0;
    ampliadorListo = false;
    return 0;
}

#else

// La pantalla completa es una ventana más, del tamaño del escritorio: nunca
// se cambia la resolución. Se deja antes de cambiar el tamaño, para que el
// gestor de ventanas no devuelva luego la ventana al que tenía antes.
int CDispositivosAllegro::fijarModoGrafico(int intento, const ModoPantalla& nuevo)
{
    const bool conFoco = screen && tieneFocoX11();
    if (modo.completa && !nuevo.completa && screen)
        pedirPantallaCompletaX11(false);
    if (set_gfx_mode(DRIVERS[intento], nuevo.ancho, nuevo.alto, 0, 0) != 0)
        return -1;
    asentarVentanaX11(conFoco);
    rotularVentanaX11(TITULO);
    ponerIconoX11(icono);
    modo = nuevo;
    origenX = (modo.ancho - modo.anchoImagen) / 2;
    origenY = (modo.alto - modo.altoImagen) / 2;
    if (modo.completa)
        pedirPantallaCompletaX11(true);
    ampliadorListo = prepararAmpliadorX11(ampliador);
    cambios.olvidar();
    return 0;
}

#endif

int CDispositivosAllegro::instalarTeclado()
{
    return install_keyboard();
}

int CDispositivosAllegro::instalarTemporizador()
{
    return install_timer();
}

int CDispositivosAllegro::fijarModoConmutacion(int modo)
{
    return set_display_switch_mode(modo);
}

// El volcado propio a cualquier factor, también a 1x: el blit de Allegro a la
// ventana copia la página a su pantalla de 16 bits y luego la convierte
// píxel a píxel, y cuesta el doble. Si la ventana no lo admite, Allegro, y
// lo que muestra la ventana ya no es lo anotado.
void CDispositivosAllegro::presentar(BITMAP* pagina)
{
    if (ampliadorListo && volcarAmpliadaX11(pagina, ampliador, cambios, modo, origenX, origenY))
        return;
    cambios.olvidar();
    if (modo.factor == 1 && !modo.estirada)
        blit(pagina, screen, 0, 0, origenX, origenY, pagina->w, pagina->h);
    else
        stretch_blit(pagina, screen, 0, 0, pagina->w, pagina->h, origenX, origenY, modo.anchoImagen,
                     modo.altoImagen);
}

// El temporizador y el botón de cerrar corren en hilos de Allegro: después
// de lo suyo, despiertan a quien espera el tick.
void CDispositivosAllegro::contarYAvisar()
{
    contadorDado();
    avisoTick.avisar();
}

void CDispositivosAllegro::cerrarYAvisar()
{
    cierreDado();
    avisoTick.avisar();
}

void CDispositivosAllegro::instalarContador(void (*contador)(), int milisegundos)
{
    contadorDado = contador;
    install_int(contarYAvisar, milisegundos);
}

volatile char* CDispositivosAllegro::estadoTeclas()
{
    return key;
}

void CDispositivosAllegro::instalarAvisoCierre(void (*aviso)())
{
    cierreDado = aviso;
    set_close_button_callback(aviso ? cerrarYAvisar : nullptr);
}

// En reposo el hilo de fondo no llama a nada, ni al sonido ni a la ventana,
// y no despierta: los eventos de la ventana se atienden aquí, una vez por
// siesta.
void CDispositivosAllegro::reposo(bool dormido)
{
#ifndef _WIN32
    if (dormido == enReposo)
        return;
    if (dormido)
        _unix_bg_man->disable_interrupts();
    else
        _unix_bg_man->enable_interrupts();
    enReposo = dormido;
#else
    (void)dormido;
#endif
}

void CDispositivosAllegro::dormir(int milisegundos)
{
    rest(milisegundos);
    atenderVentanaEnReposo();
}

// Un despertar por tick, o por el botón de cerrar.
void CDispositivosAllegro::esperarTick(const std::function<bool()>& listo, int milisegundosMaximo)
{
    avisoTick.esperar(listo, milisegundosMaximo);
    atenderVentanaEnReposo();
}

void CDispositivosAllegro::atenderVentanaEnReposo()
{
#ifndef _WIN32
    if (enReposo)
        _xwin_handle_input();
#endif
}

// Solo llega en los modos de conmutación que siguen en segundo plano, que
// son los únicos que hay en X11.
void CDispositivosAllegro::instalarAvisoFoco(void (*perdido)())
{
    set_display_switch_callback(SWITCH_OUT, perdido);
}

// Quien fija el foco a mano (sin gestor de ventanas, desde el modo de foco
// que sigue al ratón) hace que la ventana lo pierda y lo recobre en el acto.
bool CDispositivosAllegro::focoEnOtraVentana()
{
#ifdef _WIN32
    return !ventanaEnPrimerPlano();
#else
    return !tieneFocoX11();
#endif
}

bool CDispositivosAllegro::instalarMando(int botonDisparo, int botonInicio)
{
    return mando.instalar(botonDisparo, botonInicio);
}

void CDispositivosAllegro::leerMando(EstadoMando& estado)
{
    mando.leer(estado);
}

const char* CDispositivosAllegro::nombreTecla(int tecla)
{
    return scancode_to_name(tecla);
}

void CDispositivosAllegro::mostrarMensaje(const char* texto)
{
    mostrarDialogo(texto);
}

void CDispositivosAllegro::quitarTeclado()
{
    remove_keyboard();
}

void CDispositivosAllegro::quitarTemporizador()
{
    remove_timer();
}

void CDispositivosAllegro::salirAllegro()
{
    if (icono)
        destroy_bitmap(icono);
    icono = nullptr;
    allegro_exit();
}

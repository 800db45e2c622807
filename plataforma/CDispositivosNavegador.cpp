#include "plataforma/CDispositivosNavegador.h"

#include <emscripten.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <allegro/internal/aintern.h>

#include "plataforma/SonidoPagina.h"

CDispositivos& dispositivosDelSistema()
{
    static CDispositivosNavegador dispositivos;
    return dispositivos;
}

namespace {

// El código físico de cada tecla del navegador (KeyboardEvent.code), el
// mismo sea cual sea la distribución: como los scancodes de Allegro.
struct TeclaPagina {
    const char* codigo;
    int tecla;
};

const TeclaPagina TECLAS_PAGINA[] = {
    { "KeyA", KEY_A }, { "KeyB", KEY_B }, { "KeyC", KEY_C }, { "KeyD", KEY_D }, { "KeyE", KEY_E },
    { "KeyF", KEY_F }, { "KeyG", KEY_G }, { "KeyH", KEY_H }, { "KeyI", KEY_I }, { "KeyJ", KEY_J },
    { "KeyK", KEY_K }, { "KeyL", KEY_L }, { "KeyM", KEY_M }, { "KeyN", KEY_N }, { "KeyO", KEY_O },
    { "KeyP", KEY_P }, { "KeyQ", KEY_Q }, { "KeyR", KEY_R }, { "KeyS", KEY_S }, { "KeyT", KEY_T },
    { "KeyU", KEY_U }, { "KeyV", KEY_V }, { "KeyW", KEY_W }, { "KeyX", KEY_X }, { "KeyY", KEY_Y },
    { "KeyZ", KEY_Z }, { "Digit0", KEY_0 }, { "Digit1", KEY_1 }, { "Digit2", KEY_2 }, { "Digit3", KEY_3 },
    { "Digit4", KEY_4 }, { "Digit5", KEY_5 }, { "Digit6", KEY_6 }, { "Digit7", KEY_7 }, { "Digit8", KEY_8 },
    { "Digit9", KEY_9 }, { "Numpad0", KEY_0_PAD }, { "Numpad1", KEY_1_PAD }, { "Numpad2", KEY_2_PAD },
    { "Numpad3", KEY_3_PAD }, { "Numpad4", KEY_4_PAD }, { "Numpad5", KEY_5_PAD }, { "Numpad6", KEY_6_PAD },
    { "Numpad7", KEY_7_PAD }, { "Numpad8", KEY_8_PAD }, { "Numpad9", KEY_9_PAD }, { "F1", KEY_F1 },
    { "F2", KEY_F2 }, { "F3", KEY_F3 }, { "F4", KEY_F4 }, { "F5", KEY_F5 }, { "F6", KEY_F6 }, { "F7", KEY_F7 },
    { "F8", KEY_F8 }, { "F9", KEY_F9 }, { "F10", KEY_F10 }, { "F11", KEY_F11 }, { "F12", KEY_F12 },
    { "Escape", KEY_ESC }, { "Backquote", KEY_TILDE }, { "Minus", KEY_MINUS }, { "Equal", KEY_EQUALS },
    { "Backspace", KEY_BACKSPACE }, { "Tab", KEY_TAB }, { "BracketLeft", KEY_OPENBRACE },
    { "BracketRight", KEY_CLOSEBRACE }, { "Enter", KEY_ENTER }, { "Semicolon", KEY_COLON },
    { "Quote", KEY_QUOTE }, { "Backslash", KEY_BACKSLASH }, { "IntlBackslash", KEY_BACKSLASH2 },
    { "Comma", KEY_COMMA }, { "Period", KEY_STOP }, { "Slash", KEY_SLASH }, { "Space", KEY_SPACE },
    { "Insert", KEY_INSERT }, { "Delete", KEY_DEL }, { "Home", KEY_HOME }, { "End", KEY_END },
    { "PageUp", KEY_PGUP }, { "PageDown", KEY_PGDN }, { "ArrowLeft", KEY_LEFT }, { "ArrowRight", KEY_RIGHT },
    { "ArrowUp", KEY_UP }, { "ArrowDown", KEY_DOWN }, { "NumpadDivide", KEY_SLASH_PAD },
    { "NumpadMultiply", KEY_ASTERISK }, { "NumpadSubtract", KEY_MINUS_PAD }, { "NumpadAdd", KEY_PLUS_PAD },
    { "NumpadDecimal", KEY_DEL_PAD }, { "NumpadEnter", KEY_ENTER_PAD }, { "PrintScreen", KEY_PRTSCR },
    { "Pause", KEY_PAUSE }, { "IntlRo", KEY_ABNT_C1 }, { "IntlYen", KEY_YEN }, { "KanaMode", KEY_KANA },
    { "Convert", KEY_CONVERT }, { "NonConvert", KEY_NOCONVERT }, { "NumpadEqual", KEY_EQUALS_PAD },
    { "ShiftLeft", KEY_LSHIFT }, { "ShiftRight", KEY_RSHIFT }, { "ControlLeft", KEY_LCONTROL },
    { "ControlRight", KEY_RCONTROL }, { "AltLeft", KEY_ALT }, { "AltRight", KEY_ALTGR },
    { "MetaLeft", KEY_LWIN }, { "MetaRight", KEY_RWIN }, { "ContextMenu", KEY_MENU },
    { "ScrollLock", KEY_SCRLOCK }, { "NumLock", KEY_NUMLOCK }, { "CapsLock", KEY_CAPSLOCK },
};

// Lo que ve la página del mando: la palanca de -128 a 128, la cruceta y el
// primer botón pulsado.
enum { EJE_X, EJE_Y, ARRIBA, ABAJO, IZQUIERDA, DERECHA, DISPARO, INICIO, PULSADO, NUM_DATOS_MANDO };

}

// Sin sistema, Allegro no trae ningún driver: el sonido pone los suyos.
int CDispositivosNavegador::iniciarAllegro()
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return -1;
    registrarSonidoPagina();
    return 0;
}

void CDispositivosNavegador::fijarProfundidadColor()
{
    set_color_depth(16);
}

// La página se amplía en el navegador, a cualquier tamaño de ventana: el
// juego solo conoce la de 640x480.
void CDispositivosNavegador::tamanoEscritorio(int& ancho, int& alto)
{
    ancho = ANCHO_PAGINA;
    alto = ALTO_PAGINA;
}

// La pantalla completa la pide la página al pulsar F11 o su botón: el
// navegador solo la concede dentro del gesto, no cuando el juego se entera.
// Aquí solo se prepara el paso a RGBA, con el rojo en el primer byte.
int CDispositivosNavegador::fijarModoGrafico(int, const ModoPantalla&)
{
    ampliador.preparar(0x000000ff, 0x0000ff00, 0x00ff0000);
    lienzo.assign(ANCHO_PAGINA * ALTO_PAGINA, 0);
    return 0;
}

// El navegador no repite teclas hacia el juego: solo cuenta si está abajo.
// Las que tiene el juego no mueven la página; las de función que no usa
// (recargar, las herramientas) siguen siendo del navegador.
int CDispositivosNavegador::instalarTeclado()
{
    EM_ASM({ Module.teclasRana = {}; });
    for (const TeclaPagina& t : TECLAS_PAGINA)
        EM_ASM({ Module.teclasRana[UTF8ToString($0)] = $1; }, t.codigo, t.tecla);
    EM_ASM({
        const teclas = $0;
        const propias = new Set(['F8', 'F10', 'F11']);
        const cambiar = (e, abajo) => {
            const tecla = Module.teclasRana[e.code];
            if (tecla === undefined)
                return;
            HEAP8[teclas + tecla] = abajo ? 1 : 0;
            if (!/^F[0-9]+$/.test(e.code) || propias.has(e.code))
                e.preventDefault();
        };
        window.addEventListener('keydown', e => cambiar(e, true));
        window.addEventListener('keyup', e => cambiar(e, false));
        // Sin foco no llega ningún keyup: nada se queda pulsado.
        window.addEventListener('blur', () => {
            HEAP8.fill(0, teclas, teclas + $1);
            Module.focoPerdidoRana = true;
        });
    }, teclas, KEY_MAX);
    return 0;
}

// Los mismos colores que la ventana de Linux: la misma tabla de 16 a 32
// bits. El alfa, opaco: el lienzo lo respeta.
void CDispositivosNavegador::presentar(BITMAP* pagina)
{
    if (lienzo.size() != static_cast<size_t>(pagina->w * pagina->h))
        lienzo.assign(pagina->w * pagina->h, 0);
    ampliador.ampliar(pagina, reinterpret_cast<uint8_t*>(lienzo.data()), pagina->w * 4, 1);
    for (uint32_t& pixel : lienzo)
        pixel |= 0xff000000u;
    EM_ASM({
        if (Module.pintarRana)
            Module.pintarRana(new Uint8ClampedArray(HEAPU8.buffer, $0, $1 * $2 * 4), $1, $2);
    }, lienzo.data(), pagina->w, pagina->h);
}

void CDispositivosNavegador::instalarContador(void (*contadorDado)(), int milisegundos)
{
    contador = contadorDado;
    periodo = milisegundos;
    proximoTick = emscripten_get_now() + periodo;
}

// Si la pestaña estuvo dormida (el navegador la para en segundo plano), no
// se recuperan de golpe más de medio segundo de ticks: el reloj sigue desde ahora.
void CDispositivosNavegador::ponerAlDia()
{
    const double ahora = emscripten_get_now();
    if (contador) {
        if (ahora - proximoTick > 50 * periodo)
            proximoTick = ahora - 50 * periodo;
        while (proximoTick <= ahora) {
            contador();
            proximoTick += periodo;
        }
    }
    avanzarSonidoPagina(ahora);
    if (avisoFoco && EM_ASM_INT({
            const perdido = Module.focoPerdidoRana === true;
            Module.focoPerdidoRana = false;
            return perdido;
        }))
        avisoFoco();
}

void CDispositivosNavegador::ceder(int milisegundos)
{
    emscripten_sleep(milisegundos);
    ultimoTurno = emscripten_get_now();
    ponerAlDia();
}

void CDispositivosNavegador::dormir(int milisegundos)
{
    ceder(milisegundos);
}

// Duerme hasta el próximo tick del reloj, sin pasar del plazo.
void CDispositivosNavegador::esperarTick(const std::function<bool()>& listo, int milisegundosMaximo)
{
    ponerAlDia();
    const double limite = emscripten_get_now() + milisegundosMaximo;
    while (!listo()) {
        const double ahora = emscripten_get_now();
        if (ahora >= limite)
            return;
        const double hasta = contador ? std::fmin(proximoTick, limite) : limite;
        ceder(static_cast<int>(std::ceil(std::fmax(0.0, hasta - ahora))));
    }
}

// Las esperas activas miran el teclado sin parar: cada tick, el turno a la
// página, que si no ni pinta ni recibe teclas. En la partida ya se cede en
// la espera del tick, y aquí no se duerme.
void CDispositivosNavegador::cederTurno()
{
    if (emscripten_get_now() - ultimoTurno >= periodo)
        ceder(0);
    else
        ponerAlDia();
}

bool CDispositivosNavegador::focoEnOtraVentana()
{
    return !EM_ASM_INT({ return typeof document === 'object' && document.hasFocus(); });
}

// El navegador solo enseña un mando cuando se ha tocado un botón: basta con
// que la página tenga la Gamepad API, y se lee el primero que haya.
bool CDispositivosNavegador::instalarMando(int botonDisparo, int botonInicio)
{
    fijarBotones(botonDisparo, botonInicio);
    return EM_ASM_INT({ return typeof navigator === 'object' && typeof navigator.getGamepads === 'function'; });
}

void CDispositivosNavegador::fijarBotones(int botonDisparo, int botonInicio)
{
    disparo = botonDisparo;
    inicio = botonInicio;
}

// Con la distribución estándar: la cruceta son los botones 12 a 15.
void CDispositivosNavegador::leerMando(EstadoMando& estado)
{
    int datos[NUM_DATOS_MANDO] = {};
    datos[PULSADO] = -1;
    EM_ASM({
        const mando = Array.from(navigator.getGamepads()).find(m => m && m.connected);
        if (!mando)
            return;
        const d = $0 >> 2;
        const eje = i => Math.round(Math.max(-1, Math.min(1, mando.axes[i] || 0)) * 128);
        const boton = i => mando.buttons[i] !== undefined && mando.buttons[i].pressed ? 1 : 0;
        HEAP32[d] = eje(0);
        HEAP32[d + 1] = eje(1);
        HEAP32[d + 2] = boton(12);
        HEAP32[d + 3] = boton(13);
        HEAP32[d + 4] = boton(14);
        HEAP32[d + 5] = boton(15);
        HEAP32[d + 6] = boton($1);
        HEAP32[d + 7] = boton($2);
        HEAP32[d + 8] = mando.buttons.findIndex(b => b.pressed);
    }, datos, disparo, inicio);
    estado.ejeX = datos[EJE_X];
    estado.ejeY = datos[EJE_Y];
    estado.arriba = datos[ARRIBA];
    estado.abajo = datos[ABAJO];
    estado.izquierda = datos[IZQUIERDA];
    estado.derecha = datos[DERECHA];
    estado.boton = datos[DISPARO];
    estado.inicio = datos[INICIO];
    estado.pulsado = datos[PULSADO];
}

// Sin controlador de teclado, los nombres de siempre de Allegro.
const char* CDispositivosNavegador::nombreTecla(int tecla)
{
    return _keyboard_common_names[tecla];
}

// En la página, sin ventana que la tape; fuera de ella (node), a stderr.
void CDispositivosNavegador::mostrarMensaje(const char* texto)
{
    std::fprintf(stderr, "%s\n", texto);
    EM_ASM({
        if (Module.mostrarMensajeRana)
            Module.mostrarMensajeRana(UTF8ToString($0));
    }, texto);
}

void CDispositivosNavegador::salirAllegro()
{
    allegro_exit();
}

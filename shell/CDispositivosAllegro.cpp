#include "shell/CDispositivosAllegro.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "shell/Dialogo.h"

const char* const RUTA_PARCHES = "musics/parches.cfg";

namespace {

// Orden de intentos: acelerado, por software, seguro. En X11 nada está
// acelerado (gfx_capabilities vale 0): se prefiere una ventana de 640x480,
// que no cambia la resolución del escritorio, y se acaba en el modo seguro.
#ifdef _WIN32
const int DRIVERS[3] = { GFX_DIRECTX_ACCEL, GFX_DIRECTX_SOFT, GFX_DIRECTX_SAFE };
#else
const int DRIVERS[3] = { GFX_AUTODETECT_WINDOWED, GFX_XWINDOWS, GFX_SAFE };
#endif

// El sintetizador por software solo suena si sabe dónde están los
// instrumentos; se le dice sin escribir ningún allegro.cfg.
void anunciarParches()
{
    if (!exists(RUTA_PARCHES))
        return;
    char ruta[1024];
    canonicalize_filename(ruta, RUTA_PARCHES, sizeof ruta);
    std::string config = std::string("[sound]\npatches = ") + ruta + "\n";
    override_config_data(config.c_str(), static_cast<int>(config.size()));
}

}

int CDispositivosAllegro::iniciarAllegro()
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
        return -1;
    set_window_title("Escuadrón Rana");
    return 0;
}

void CDispositivosAllegro::fijarProfundidadColor()
{
    set_color_depth(16);
}

int CDispositivosAllegro::fijarModoGrafico(int intento)
{
    return set_gfx_mode(DRIVERS[intento], 640, 480, 0, 0);
}

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

int CDispositivosAllegro::instalarSonido(bool conMidi)
{
    if (!conMidi)
        return install_sound(DIGI_NONE, MIDI_NONE, NULL);
    anunciarParches();
    return install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, NULL);
}

MIDI* CDispositivosAllegro::cargarMidi(const char* nombre)
{
    return load_midi(nombre);
}

int CDispositivosAllegro::tocarMidi(MIDI* musica)
{
    return play_midi(musica, TRUE);
}

void CDispositivosAllegro::pararMidi()
{
    stop_midi();
}

void CDispositivosAllegro::pausarMidi()
{
    midi_pause();
}

void CDispositivosAllegro::reanudarMidi()
{
    midi_resume();
}

void CDispositivosAllegro::liberarMidi(MIDI* musica)
{
    destroy_midi(musica);
}

// Páginas en memoria: en X11 cada dibujo sobre un bitmap de vídeo es un
// dibujo sobre la ventana, y un solo volcado por cuadro sale más barato.
BITMAP* CDispositivosAllegro::crearPagina(int ancho, int alto)
{
    return create_bitmap(ancho, alto);
}

BITMAP* CDispositivosAllegro::cargarImagen(const char* nombre)
{
    PALETTE paleta;
    BITMAP* imagen = load_bitmap(nombre, paleta);
    if (imagen)
        set_palette(paleta);
    return imagen;
}

void CDispositivosAllegro::presentar(BITMAP* pagina)
{
    blit(pagina, screen, 0, 0, 0, 0, pagina->w, pagina->h);
}

void CDispositivosAllegro::instalarContador(void (*contador)(), int milisegundos)
{
    install_int(contador, milisegundos);
}

volatile char* CDispositivosAllegro::estadoTeclas()
{
    return key;
}

void CDispositivosAllegro::instalarAvisoCierre(void (*aviso)())
{
    set_close_button_callback(aviso);
}

void CDispositivosAllegro::dormir(int milisegundos)
{
    rest(milisegundos);
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
    allegro_exit();
}

#include "plataforma/SonidoPagina.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <allegro.h>
#include <allegro/internal/aintern.h>

namespace {

// Cada mezcla de Allegro, en muestras por canal: a 48 kHz unos 11 ms, el
// paso con que empiezan las notas y los efectos.
const int MUESTRAS_MEZCLA = 512;
// Lo que la cola de la página va por delante de lo que suena: lo que tarda
// en oírse un disparo, y el margen para que una espera larga del bucle no
// deje la cola vacía.
const double ADELANTO = 0.12;
// Tras medio segundo sin turno (la pestaña dormida) la música no corre para
// alcanzar al reloj: sigue desde ahora, como los ticks del juego.
const double SALTO_MAXIMO = 500;
const int ID_DIGI_PAGINA = AL_ID('P', 'A', 'G', 'D');
const int ID_RELOJ_PAGINA = AL_ID('P', 'A', 'G', 'T');

int frecuencia = 0;
std::vector<int16_t> mezcla;
double ultimoAvance = 0, restoReloj = 0;

// Allegro está hecha con hilos: pide cerrojos al sistema aunque en la
// página todo corra en uno solo.
void* crearCerrojo()
{
    static int cerrojo;
    return &cerrojo;
}
void destruirCerrojo(void*) {}
void cerrar(void*) {}

// Hay salida si la página creó su AudioContext (en el gesto de empezar).
int detectarPagina(int entrada)
{
    if (entrada)
        return FALSE;
    frecuencia = EM_ASM_INT({ return Module.audioRana && Module.sonarRana ? Module.audioRana.sampleRate : 0; });
    return frecuencia > 0;
}

DIGI_DRIVER digiPagina;

int iniciarPagina(int entrada, int voces)
{
    if (entrada)
        return -1;
    digiPagina.voices = voces;
    if (_mixer_init(MUESTRAS_MEZCLA * 2, frecuencia, TRUE, TRUE, &digiPagina.voices) != 0)
        return -1;
    mezcla.clear();
    return 0;
}

void cerrarPagina(int)
{
    _mixer_exit();
}

int tamanoBufer()
{
    return MUESTRAS_MEZCLA;
}

int iniciarReloj()
{
    ultimoAvance = emscripten_get_now();
    restoReloj = 0;
    return 0;
}

void cerrarReloj() {}

TIMER_DRIVER relojPagina;

_DRIVER_INFO* listaDigi()
{
    static _DRIVER_INFO lista[] = { { ID_DIGI_PAGINA, &digiPagina, TRUE }, { 0, NULL, 0 } };
    return lista;
}

_DRIVER_INFO* listaMidi()
{
    static _DRIVER_INFO lista[] = { MIDI_DRIVER_DIGMID { 0, NULL, 0 } };
    return lista;
}

_DRIVER_INFO* listaRelojes()
{
    static _DRIVER_INFO lista[] = { { ID_RELOJ_PAGINA, &relojPagina, TRUE }, { 0, NULL, 0 } };
    return lista;
}

// Lo que la cola de la página lleva por delante de lo que suena, en segundos.
double adelantoPagina()
{
    return EM_ASM_DOUBLE({ return Module.adelantoRana(); });
}

}

void registrarSonidoPagina()
{
    digiPagina = DIGI_DRIVER{};
    digiPagina.id = ID_DIGI_PAGINA;
    digiPagina.name = digiPagina.desc = "";
    digiPagina.ascii_name = "Web Audio";
    digiPagina.max_voices = MIXER_MAX_SFX;
    digiPagina.def_voices = MIXER_DEF_SFX;
    digiPagina.detect = detectarPagina;
    digiPagina.init = iniciarPagina;
    digiPagina.exit = cerrarPagina;
    digiPagina.buffer_size = tamanoBufer;
    digiPagina.init_voice = _mixer_init_voice;
    digiPagina.release_voice = _mixer_release_voice;
    digiPagina.start_voice = _mixer_start_voice;
    digiPagina.stop_voice = _mixer_stop_voice;
    digiPagina.loop_voice = _mixer_loop_voice;
    digiPagina.get_position = _mixer_get_position;
    digiPagina.set_position = _mixer_set_position;
    digiPagina.get_volume = _mixer_get_volume;
    digiPagina.set_volume = _mixer_set_volume;
    digiPagina.ramp_volume = _mixer_ramp_volume;
    digiPagina.stop_volume_ramp = _mixer_stop_volume_ramp;
    digiPagina.get_frequency = _mixer_get_frequency;
    digiPagina.set_frequency = _mixer_set_frequency;
    digiPagina.sweep_frequency = _mixer_sweep_frequency;
    digiPagina.stop_frequency_sweep = _mixer_stop_frequency_sweep;
    digiPagina.get_pan = _mixer_get_pan;
    digiPagina.set_pan = _mixer_set_pan;
    digiPagina.sweep_pan = _mixer_sweep_pan;
    digiPagina.stop_pan_sweep = _mixer_stop_pan_sweep;
    digiPagina.set_echo = _mixer_set_echo;
    digiPagina.set_tremolo = _mixer_set_tremolo;
    digiPagina.set_vibrato = _mixer_set_vibrato;

    relojPagina = TIMER_DRIVER{};
    relojPagina.id = ID_RELOJ_PAGINA;
    relojPagina.name = relojPagina.desc = "";
    relojPagina.ascii_name = "Pagina";
    relojPagina.init = iniciarReloj;
    relojPagina.exit = cerrarReloj;

    system_driver->create_mutex = crearCerrojo;
    system_driver->destroy_mutex = destruirCerrojo;
    system_driver->lock_mutex = cerrar;
    system_driver->unlock_mutex = cerrar;
    system_driver->digi_drivers = listaDigi;
    system_driver->midi_drivers = listaMidi;
    system_driver->timer_drivers = listaRelojes;
}

void avanzarSonidoPagina(double ahora)
{
    if (_timer_installed) {
        restoReloj += std::min(ahora - ultimoAvance, SALTO_MAXIMO) * TIMERS_PER_SECOND / 1000;
        const int pasos = static_cast<int>(restoReloj);
        restoReloj -= pasos;
        if (pasos > 0)
            _handle_timer_tick(pasos);
        ultimoAvance = ahora;
    }
    if (digi_driver != &digiPagina)
        return;
    // Lo que falta para ir ADELANTO por delante, en mezclas enteras; tras
    // un corte largo, no más de lo que cabe en la cola.
    const double falta = ADELANTO - adelantoPagina();
    const int mezclas = std::min(static_cast<int>(std::ceil(falta * frecuencia / MUESTRAS_MEZCLA)),
                                 static_cast<int>(2 * ADELANTO * frecuencia / MUESTRAS_MEZCLA));
    if (mezclas <= 0)
        return;
    mezcla.resize(static_cast<size_t>(mezclas) * MUESTRAS_MEZCLA * 2);
    for (int i = 0; i < mezclas; ++i)
        _mix_some_samples(reinterpret_cast<uintptr_t>(mezcla.data() + i * MUESTRAS_MEZCLA * 2), 0, TRUE);
    EM_ASM({ Module.sonarRana($0, $1); }, mezcla.data(), mezclas * MUESTRAS_MEZCLA);
}

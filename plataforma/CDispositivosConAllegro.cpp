#include "plataforma/CDispositivosConAllegro.h"

#include "plataforma/CancionMidi.h"
#include "plataforma/ImagenBmp.h"
#include "plataforma/SonidoAllegro.h"
#include "plataforma/SonidoWav.h"

// El sintetizador toca la música con voces digitales: los efectos tienen las
// suyas aparte, y ni cortan notas de la música ni la música los calla.
int CDispositivosConAllegro::instalarSonido(bool conMidi)
{
    return instalarSonidoAllegro(conMidi);
}

// La música y los efectos se comprueban antes de que los lea Allegro: un
// archivo malo es el error de archivos, no un cuelgue.
MIDI* CDispositivosConAllegro::cargarMidi(const char* nombre)
{
    return archivoMidiSano(nombre) ? load_midi(nombre) : nullptr;
}

int CDispositivosConAllegro::tocarMidi(MIDI* musica)
{
    return play_midi(musica, TRUE);
}

void CDispositivosConAllegro::pararMidi()
{
    stop_midi();
}

void CDispositivosConAllegro::pausarMidi()
{
    midi_pause();
}

void CDispositivosConAllegro::reanudarMidi()
{
    midi_resume();
}

void CDispositivosConAllegro::liberarMidi(MIDI* musica)
{
    destroy_midi(musica);
}

SAMPLE* CDispositivosConAllegro::cargarSonido(const char* nombre)
{
    return archivoWavSano(nombre) ? load_sample(nombre) : nullptr;
}

void CDispositivosConAllegro::tocarSonido(SAMPLE* sonido, int volumen, int pan, int frecuencia)
{
    play_sample(sonido, volumen, pan, frecuencia, FALSE);
}

void CDispositivosConAllegro::pararSonido(SAMPLE* sonido)
{
    stop_sample(sonido);
}

void CDispositivosConAllegro::liberarSonido(SAMPLE* sonido)
{
    destroy_sample(sonido);
}

// Páginas en memoria: en X11 cada dibujo sobre un bitmap de vídeo es un
// dibujo sobre la ventana, y un solo volcado por cuadro sale más barato; en
// la página no hay otras.
BITMAP* CDispositivosConAllegro::crearPagina(int ancho, int alto)
{
    return create_bitmap(ancho, alto);
}

BITMAP* CDispositivosConAllegro::cargarImagen(const char* nombre)
{
    if (!archivoBmpSano(nombre))
        return nullptr;
    PALETTE paleta;
    BITMAP* imagen = load_bitmap(nombre, paleta);
    if (imagen)
        set_palette(paleta);
    return imagen;
}

void CDispositivosConAllegro::fijarVolumen(int volumen)
{
    fijarVolumenAllegro(volumen);
}

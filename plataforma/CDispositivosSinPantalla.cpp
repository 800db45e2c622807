#include "plataforma/CDispositivosSinPantalla.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "plataforma/CancionMidi.h"
#include "plataforma/ImagenBmp.h"

int CDispositivosSinPantalla::iniciarAllegro()
{
    return install_allegro(SYSTEM_NONE, &errno, atexit);
}

void CDispositivosSinPantalla::fijarProfundidadColor()
{
    set_color_depth(16);
}

void CDispositivosSinPantalla::tamanoEscritorio(int& ancho, int& alto)
{
    ancho = ANCHO_PAGINA;
    alto = ALTO_PAGINA;
}

MIDI* CDispositivosSinPantalla::cargarMidi(const char* nombre)
{
    return archivoMidiSano(nombre) ? load_midi(nombre) : nullptr;
}

void CDispositivosSinPantalla::liberarMidi(MIDI* musica)
{
    destroy_midi(musica);
}

BITMAP* CDispositivosSinPantalla::crearPagina(int ancho, int alto)
{
    return create_bitmap(ancho, alto);
}

BITMAP* CDispositivosSinPantalla::cargarImagen(const char* nombre)
{
    return archivoBmpSano(nombre) ? load_bitmap(nombre, nullptr) : nullptr;
}

// Sin pantalla, el aviso solo puede ir a stderr.
void CDispositivosSinPantalla::mostrarMensaje(const char* texto)
{
    std::fprintf(stderr, "%s\n", texto);
}

void CDispositivosSinPantalla::dormir(int)
{
    if (contador)
        contador();
}

void CDispositivosSinPantalla::salirAllegro()
{
    allegro_exit();
}

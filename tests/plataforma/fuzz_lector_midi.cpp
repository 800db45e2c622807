// Fuzzer de la música: bytes cualesquiera pasan por lo mismo que un MIDI del
// juego, nuestra comprobación y, si la pasa, el cargador de Allegro. Sin
// fallos de memoria, sin fugas, sin cuelgues; lo que la comprobación da por
// bueno Allegro lo carga.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "plataforma/CancionMidi.h"
#include "tests/plataforma/ArchivoEnMemoria.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (!midiSano(datos, largo))
        return 0;
    MIDI* musica;
    {
        ArchivoEnMemoria archivo(datos, largo);
        musica = load_midi_pf(archivo.archivo());
    }
    if (!musica) {
        std::fprintf(stderr, "lector de MIDI: la comprobación lo dio por bueno y Allegro no lo carga\n");
        std::abort();
    }
    destroy_midi(musica);
    return 0;
}

#include <gtest/gtest.h>

#include <allegro.h>

#include <filesystem>
#include <string>

#include "plataforma/CDispositivosAllegro.h"
#include "plataforma/CancionMidi.h"
#include "plataforma/ImagenBmp.h"
#include "plataforma/SonidoWav.h"

namespace fs = std::filesystem;

namespace {

// Carga por donde carga el juego y suelta lo cargado: falso si no carga.
bool carga(CDispositivosAllegro& allegro, const std::string& tipo, const std::string& ruta)
{
    if (tipo == "bmp") {
        BITMAP* imagen = allegro.cargarImagen(ruta.c_str());
        if (imagen)
            destroy_bitmap(imagen);
        return imagen;
    }
    if (tipo == "wav") {
        SAMPLE* sonido = allegro.cargarSonido(ruta.c_str());
        if (sonido)
            destroy_sample(sonido);
        return sonido;
    }
    MIDI* musica = allegro.cargarMidi(ruta.c_str());
    if (musica)
        destroy_midi(musica);
    return musica;
}

// Lo que encontraron los fuzzers de los dibujos, los efectos y la música
// (regresion/): nuestra comprobación los para antes de dárselos a Allegro,
// ninguno carga y el juego arranca con «Error en el sistema de archivos».
// Los recursos que genera la compilación pasan y cargan por el mismo camino.
TEST(PruebaArchivosRotos, LoQueHallaronLosFuzzersNoCargaYLosRecursosSi)
{
    struct Lector {
        const char* tipo;
        const char* recursos;
        const char* extension;
        bool (*sano)(const char*);
    };
    const Lector lectores[] = { { "bmp", "graphics", ".bmp", archivoBmpSano },
                                { "wav", "sounds", ".wav", archivoWavSano },
                                { "midi", "musics", ".mid", archivoMidiSano } };
    CDispositivosAllegro allegro;
    for (const Lector& l : lectores) {
        int rotos = 0, buenos = 0;
        for (const fs::directory_entry& e : fs::directory_iterator(fs::path(CARPETA_PRUEBAS) / "plataforma/regresion" / l.tipo)) {
            EXPECT_FALSE(l.sano(e.path().string().c_str())) << e.path();
            EXPECT_FALSE(carga(allegro, l.tipo, e.path().string())) << e.path();
            ++rotos;
        }
        for (const fs::directory_entry& e : fs::directory_iterator(fs::path(RECURSOS_PRUEBAS) / l.recursos))
            if (e.path().extension() == l.extension) {
                EXPECT_TRUE(l.sano(e.path().string().c_str()) && carga(allegro, l.tipo, e.path().string())) << e.path();
                ++buenos;
            }
        EXPECT_GT(rotos, 0) << l.tipo;
        EXPECT_GT(buenos, 0) << l.tipo;
    }
}

}

#ifndef CDISPOSITIVOSCONALLEGRO_H
#define CDISPOSITIVOSCONALLEGRO_H

#include "plataforma/CDispositivos.h"

// Lo que hacen igual el escritorio y la página, porque ahí todo es Allegro:
// el sonido (mezclador y sintetizador suyos) y los dibujos en memoria, con
// los archivos comprobados antes de dárselos.
class CDispositivosConAllegro : public CDispositivos {
public:
    int instalarSonido(bool conMidi) override;
    MIDI* cargarMidi(const char* nombre) override;
    int tocarMidi(MIDI* musica) override;
    void pararMidi() override;
    void pausarMidi() override;
    void reanudarMidi() override;
    void liberarMidi(MIDI* musica) override;
    SAMPLE* cargarSonido(const char* nombre) override;
    void tocarSonido(SAMPLE* sonido, int volumen, int pan, int frecuencia) override;
    void pararSonido(SAMPLE* sonido) override;
    void liberarSonido(SAMPLE* sonido) override;
    void fijarVolumen(int volumen) override;
    BITMAP* crearPagina(int ancho, int alto) override;
    BITMAP* cargarImagen(const char* nombre) override;
};

#endif

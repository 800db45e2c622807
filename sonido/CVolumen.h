#ifndef CVOLUMEN_H
#define CVOLUMEN_H

#include <functional>

#include "ajustes/TablaAjustes.h"
#include "ajustes/Preferencias.h"
#include "plataforma/CDispositivos.h"

// El silencio de M y el volumen de - y +, de todo lo que suena, sobre las
// preferencias de la partida.
class CVolumen {
public:
    explicit CVolumen(Preferencias& preferencias);

    void usarDispositivos(CDispositivos* otros) { dispositivos = otros; }
    // Con el sonido ya instalado. Un juego recién instalado suena a todo
    // volumen sin tocar el de Allegro.
    void arrancar();
    // M, y los - y + del teclado principal y del numérico, que se miran
    // siempre todos: cada uno anota cuándo se suelta. Verdadero si cambió
    // algo, y en cambio, qué.
    bool atender(const std::function<bool(int tecla)>& pulsacion, Ajuste& cambio);
    // Lleva a la salida el volumen y el silencio que digan las preferencias.
    void aplicar();

private:
    void alternarSilencio();
    // Un paso más alto o más bajo, entre 0 y el máximo; falso si ya estaba en el borde.
    bool cambiar(int paso);

    Preferencias& preferencias;
    CDispositivos* dispositivos;
};

#endif

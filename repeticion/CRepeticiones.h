#ifndef CREPETICIONES_H
#define CREPETICIONES_H

#include <string>

#include "repeticion/CRepeticion.h"

// La carpeta de las partidas grabadas: cada una con la fecha y la hora en el
// nombre, y solo las cincuenta escritas más tarde.
class CRepeticiones {
public:
    static constexpr int GUARDADAS = 50;

    // $XDG_DATA_HOME/escuadron-rana/repeticiones, o ~/.local/share/… si la variable no está.
    static std::string carpetaPorDefecto();
    // Sin carpeta no se guarda nada: así empiezan el juego y las pruebas.
    static void usarCarpeta(const std::string& carpeta);
    // Un fallo (el disco lleno) pierde solo esta repetición, con una línea en stderr.
    static void guardar(const CRepeticion& repeticion);

private:
    static void podar();
    static std::string carpeta;
};

#endif

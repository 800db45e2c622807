#ifndef CREPETICIONES_H
#define CREPETICIONES_H

#include <ctime>
#include <string>
#include <vector>

#include "repeticion/CRepeticion.h"

// La carpeta de las partidas grabadas: cada una con la fecha y la hora en el
// nombre, y solo las cincuenta escritas más tarde.
// Un archivo de la carpeta y cuándo se escribió.
struct RepeticionGuardada {
    std::string ruta;
    std::time_t escrita;
};

class CRepeticiones {
public:
    static constexpr int GUARDADAS = 50;

    // $XDG_DATA_HOME/escuadron-rana/repeticiones, o ~/.local/share/… si la variable no está.
    static std::string carpetaPorDefecto();
    // Sin carpeta no se guarda nada: así empiezan el juego y las pruebas.
    static void usarCarpeta(const std::string& carpeta);
    // Un fallo (el disco lleno) pierde solo esta repetición, con una línea en stderr.
    static void guardar(const CRepeticion& repeticion);
    // La carpeta en uso; vacía si no se guarda nada.
    static const std::string& carpetaActual() { return carpeta; }
    // Los .rep de una carpeta, de la escrita más tarde a la más temprana.
    static std::vector<RepeticionGuardada> guardadasEn(const std::string& carpeta);

private:
    static void podar();
    static std::string carpeta;
};

#endif

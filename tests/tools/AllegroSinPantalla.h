#ifndef ALLEGROSINPANTALLA_H
#define ALLEGROSINPANTALLA_H

#include <string>

// Arranca Allegro una sola vez, sin pantalla, temporizador ni teclado.
void arrancarAllegroSinPantalla();

// Carpeta temporal propia de cada prueba; se borra al destruirse.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    const std::string& ruta() const { return ruta_; }
    std::string archivo(const std::string& relativa) const;

private:
    std::string ruta_;
};

#endif

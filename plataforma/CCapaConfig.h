#ifndef CCAPACONFIG_H
#define CCAPACONFIG_H

#include <string>

// Allegro admite encima de su configuración una capa que manda sobre ella
// (override_config_data), y mientras la hay, todo lo que se escribe con
// set_config_* va a parar a esa capa y no al archivo. El juego la usa para
// decir al sintetizador dónde están sus instrumentos; quien lee o escribe
// un archivo propio la aparta mientras tanto.
class CCapaConfig {
public:
    // Pone la capa (o la quita, con un texto vacío) y la recuerda.
    static void poner(const std::string& datos);

    // Mientras vive no hay capa; al acabar vuelve la que hubiera.
    CCapaConfig();
    ~CCapaConfig();
    CCapaConfig(const CCapaConfig&) = delete;
    CCapaConfig& operator=(const CCapaConfig&) = delete;

private:
    static std::string capa;
};

#endif

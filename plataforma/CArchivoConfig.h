#ifndef CARCHIVOCONFIG_H
#define CARCHIVOCONFIG_H

#include <string>

#include "plataforma/CCapaConfig.h"

// Mientras vive, lo que se lee y se escribe con get_config_* y set_config_*
// de Allegro es ese archivo, sin la capa de los instrumentos encima; al
// acabar, la configuración vuelve a ser la que era.
class CArchivoConfig {
public:
    explicit CArchivoConfig(const std::string& ruta);
    ~CArchivoConfig();
    CArchivoConfig(const CArchivoConfig&) = delete;
    CArchivoConfig& operator=(const CArchivoConfig&) = delete;

private:
    CCapaConfig sinCapa;
};

#endif

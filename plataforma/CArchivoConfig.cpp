#include "plataforma/CArchivoConfig.h"

#include <allegro.h>

CArchivoConfig::CArchivoConfig(const std::string& ruta)
{
    push_config_state();
    set_config_file(ruta.c_str());
}

CArchivoConfig::~CArchivoConfig()
{
    pop_config_state();
}

#include "plataforma/CCapaConfig.h"

#include <allegro.h>

std::string CCapaConfig::capa;

namespace {

// override_config_data sin datos deja una capa vacía, que sigue quedándose
// con lo que se escribe; solo override_config_file(NULL) la quita de verdad.
void quitar()
{
    override_config_file(nullptr);
}

}

void CCapaConfig::poner(const std::string& datos)
{
    capa = datos;
    if (capa.empty())
        quitar();
    else
        override_config_data(capa.c_str(), static_cast<int>(capa.size()));
}

CCapaConfig::CCapaConfig()
{
    if (!capa.empty())
        quitar();
}

CCapaConfig::~CCapaConfig()
{
    if (!capa.empty())
        override_config_data(capa.c_str(), static_cast<int>(capa.size()));
}

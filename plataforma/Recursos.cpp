#include "plataforma/Recursos.h"

#include <filesystem>
#include <system_error>

#include <allegro.h>

#include "plataforma/Archivos.h"
#include "plataforma/CCapaConfig.h"
#ifdef _WIN32
#include "plataforma/PlataformaWindows.h"
#endif

namespace fs = std::filesystem;

namespace {

std::string carpeta;

// La ruta real del proceso aunque se le haya llamado por el PATH o por un enlace.
std::string rutaEjecutable()
{
#ifdef _WIN32
    return rutaEjecutableWindows();
#else
    std::error_code error;
    fs::path ruta = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : ruta.string();
#endif
}

}

std::string carpetaRecursos(bool hayGraficosAqui, const std::string& ejecutable)
{
    if (hayGraficosAqui || ejecutable.empty())
        return std::string();
#ifdef _WIN32
    // Lo que trae el zip está junto al ejecutable.
    return textoDe(rutaDe(ejecutable).parent_path()) + "/";
#else
    // Un prefijo que se mueve entero sigue valiendo: nada de rutas fijadas al compilar.
    fs::path prefijo = fs::path(ejecutable).parent_path().parent_path();
    return (prefijo / "share" / "games" / "escuadron-rana").string() + "/";
#endif
}

void localizarRecursos()
{
    std::error_code error;
    carpeta = carpetaRecursos(fs::is_directory("graphics", error), rutaEjecutable());
}

std::string rutaRecurso(const char* relativa)
{
    return carpeta + relativa;
}

const char* const RUTA_PARCHES = "musics/parches.cfg";

void anunciarParches()
{
    const std::string indice = rutaRecurso(RUTA_PARCHES);
    if (!exists(indice.c_str()))
        return;
    char ruta[1024];
    canonicalize_filename(ruta, indice.c_str(), sizeof ruta);
    CCapaConfig::poner(std::string("[sound]\npatches = ") + ruta + "\n");
}

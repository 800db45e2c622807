#include "shell/Recursos.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string carpeta;

// Linux da la ruta real del proceso aunque se le haya llamado por el PATH o
// por un enlace.
std::string rutaEjecutable()
{
    std::error_code error;
    fs::path ruta = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : ruta.string();
}

}

std::string carpetaRecursos(bool hayGraficosAqui, const std::string& ejecutable)
{
    if (hayGraficosAqui || ejecutable.empty())
        return std::string();
    // Un prefijo que se mueve entero sigue valiendo: nada de rutas fijadas al compilar.
    fs::path prefijo = fs::path(ejecutable).parent_path().parent_path();
    return (prefijo / "share" / "games" / "escuadron-rana").string() + "/";
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

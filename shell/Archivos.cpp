#include "shell/Archivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

bool escribirTodo(int descriptor, const char* datos, size_t tamano)
{
    while (tamano > 0) {
        const ssize_t escritos = ::write(descriptor, datos, tamano);
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            return false;
        datos += escritos;
        tamano -= static_cast<size_t>(escritos);
    }
    return true;
}

// Sin asentar la carpeta, un corte de luz justo después podría olvidar el
// cambio de nombre; si no se puede, el archivo ya está bien igualmente.
void asentarCarpeta(const std::string& ruta)
{
    const size_t barra = ruta.rfind('/');
    const std::string carpeta = barra == std::string::npos ? "." : barra == 0 ? "/" : ruta.substr(0, barra);
    const int descriptor = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}

bool escribirArchivoAtomico(const std::string& ruta, const std::string& bytes)
{
    // En la misma carpeta: renombrar entre discos no es atómico.
    std::string temporal = ruta + ".XXXXXX";
    const int descriptor = ::mkostemp(temporal.data(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    bool bien = escribirTodo(descriptor, bytes.data(), bytes.size()) && ::fsync(descriptor) == 0;
    // close también puede traer el error de una escritura diferida.
    bien = ::close(descriptor) == 0 && bien;
    if (bien && std::rename(temporal.c_str(), ruta.c_str()) == 0) {
        asentarCarpeta(ruta);
        return true;
    }
    ::unlink(temporal.c_str());
    return false;
}

bool leerArchivo(const std::string& ruta, std::string& bytes)
{
    bytes.clear();
    const int descriptor = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat datos;
    bool bien = ::fstat(descriptor, &datos) == 0 && S_ISREG(datos.st_mode) &&
                static_cast<unsigned long long>(datos.st_size) <= TAMANO_MAXIMO_ARCHIVO;
    if (bien)
        bytes.reserve(static_cast<size_t>(datos.st_size));
    // Se lee hasta el final aunque el tamaño cambie mientras, pero nunca más del tope.
    char trozo[65536];
    while (bien) {
        const ssize_t leidos = ::read(descriptor, trozo, sizeof trozo);
        if (leidos < 0 && errno == EINTR)
            continue;
        if (leidos == 0)
            break;
        bien = leidos > 0 && bytes.size() + static_cast<size_t>(leidos) <= TAMANO_MAXIMO_ARCHIVO;
        if (bien)
            bytes.append(trozo, static_cast<size_t>(leidos));
    }
    ::close(descriptor);
    if (!bien)
        bytes.clear();
    return bien;
}

std::string carpetaDelJuego(const char* variable, const char* relativa)
{
    const char* xdg = std::getenv(variable);
    std::filesystem::path base;
    if (xdg && *xdg)
        base = xdg;
    else if (const char* casa = std::getenv("HOME"))
        base = std::filesystem::path(casa) / relativa;
    else
        base = relativa;
    return (base / "escuadron-rana").string();
}

#include "plataforma/Archivos.h"

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "plataforma/PlataformaWindows.h"
#else
#include <unistd.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

#ifdef _WIN32

// Siempre binario: en modo texto Windows cambiaría los saltos de línea.
int abrir(const std::string& ruta, int modo, int permisos = 0)
{
    return ::_wopen(anchoDeUtf8(ruta).c_str(), modo | O_BINARY | O_NOINHERIT, permisos);
}

int asentarDescriptor(int descriptor)
{
    return ::_commit(descriptor);
}

// Windows no tiene mkstemp: el sufijo sale del proceso, la hora y una
// cuenta, y O_EXCL garantiza que el archivo es nuevo.
int crearUnico(const std::string& ruta, std::string& temporal)
{
    static unsigned cuenta = 0;
    for (int intento = 0; intento < 100; ++intento) {
        char sufijo[32];
        std::snprintf(sufijo, sizeof sufijo, ".%lx%llx%x", GetCurrentProcessId(),
                      static_cast<unsigned long long>(GetTickCount64()), ++cuenta);
        temporal = ruta + sufijo;
        const int descriptor = abrir(temporal, O_WRONLY | O_CREAT | O_EXCL, _S_IREAD | _S_IWRITE);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool renombrar(const std::string& desde, const std::string& hasta)
{
    return MoveFileExW(anchoDeUtf8(desde).c_str(), anchoDeUtf8(hasta).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// MOVEFILE_WRITE_THROUGH ya espera a que el cambio de nombre esté en el disco.
void asentarCarpeta(const std::string&)
{
}

#else

int abrir(const std::string& ruta, int modo, int permisos = 0)
{
    return ::open(ruta.c_str(), modo | O_CLOEXEC, permisos);
}

int asentarDescriptor(int descriptor)
{
    return ::fsync(descriptor);
}

int crearUnico(const std::string& ruta, std::string& temporal)
{
    temporal = ruta + ".XXXXXX";
    return ::mkostemp(temporal.data(), O_CLOEXEC);
}

// En el navegador el archivo queda en memoria hasta que la página lo pasa a
// IndexedDB: con cada archivo guardado, que una recarga no lo pierda.
bool renombrar(const std::string& desde, const std::string& hasta)
{
    const bool bien = std::rename(desde.c_str(), hasta.c_str()) == 0;
#ifdef __EMSCRIPTEN__
    if (bien)
        EM_ASM({
            if (Module.guardarArchivosRana)
                Module.guardarArchivosRana();
        });
#endif
    return bien;
}

// Sin asentar la carpeta, un corte de luz justo después podría olvidar el
// cambio de nombre; si no se puede, el archivo ya está bien igualmente.
void asentarCarpeta(const std::string& ruta)
{
    const size_t barra = ruta.rfind('/');
    const std::string carpeta = barra == std::string::npos ? "." : barra == 0 ? "/" : ruta.substr(0, barra);
    const int descriptor = abrir(carpeta, O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

#endif

bool escribirTodo(int descriptor, const char* datos, size_t tamano)
{
    while (tamano > 0) {
        // A trozos que caben en el unsigned que pide Windows.
        const auto escritos = ::write(descriptor, datos, static_cast<unsigned>(std::min<size_t>(tamano, 1u << 30)));
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            return false;
        datos += escritos;
        tamano -= static_cast<size_t>(escritos);
    }
    return true;
}

}

void borrarArchivo(const std::string& ruta)
{
    std::error_code error;
    std::filesystem::remove(rutaDe(ruta), error);
}

std::string reservarTemporal(const std::string& ruta)
{
    std::string temporal;
    const int descriptor = crearUnico(ruta, temporal);
    if (descriptor < 0)
        return std::string();
    ::close(descriptor);
    return temporal;
}

bool asentarArchivo(const std::string& ruta)
{
    const int descriptor = abrir(ruta, O_RDWR);
    if (descriptor < 0)
        return false;
    const bool asentado = asentarDescriptor(descriptor) == 0;
    ::close(descriptor);
    return asentado;
}

bool reemplazarArchivo(const std::string& desde, const std::string& hasta)
{
    return renombrar(desde, hasta);
}

bool archivoLegible(const std::string& ruta)
{
    const int descriptor = abrir(ruta, O_RDONLY);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

bool escribirArchivoAtomico(const std::string& ruta, const std::string& bytes)
{
    // En la misma carpeta: renombrar entre discos no es atómico.
    std::string temporal;
    const int descriptor = crearUnico(ruta, temporal);
    if (descriptor < 0)
        return false;
    bool bien = escribirTodo(descriptor, bytes.data(), bytes.size()) && asentarDescriptor(descriptor) == 0;
    // close también puede traer el error de una escritura diferida.
    bien = ::close(descriptor) == 0 && bien;
    if (bien && renombrar(temporal, ruta)) {
        asentarCarpeta(ruta);
        return true;
    }
    borrarArchivo(temporal);
    return false;
}

bool leerArchivo(const std::string& ruta, std::string& bytes)
{
    bytes.clear();
    const int descriptor = abrir(ruta, O_RDONLY);
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
        const auto leidos = ::read(descriptor, trozo, sizeof trozo);
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

std::filesystem::path rutaDe(const std::string& utf8)
{
    return std::filesystem::u8path(utf8);
}

std::string textoDe(const std::filesystem::path& ruta)
{
    return ruta.u8string();
}

#ifdef _WIN32

std::string carpetaDelJuego(CarpetaUsuario cual)
{
    std::string base = variableEntorno(cual == CarpetaUsuario::AJUSTES ? L"APPDATA" : L"LOCALAPPDATA");
    if (base.empty())
        base = variableEntorno(L"USERPROFILE");
    return textoDe(rutaDe(base) / "escuadron-rana");
}

#else

std::string carpetaDelJuego(CarpetaUsuario cual)
{
    const bool ajustes = cual == CarpetaUsuario::AJUSTES;
    const char* xdg = std::getenv(ajustes ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    const char* relativa = ajustes ? ".config" : ".local/share";
    std::filesystem::path base;
    if (xdg && *xdg)
        base = xdg;
    else if (const char* casa = std::getenv("HOME"))
        base = std::filesystem::path(casa) / relativa;
    else
        base = relativa;
    return (base / "escuadron-rana").string();
}

#endif

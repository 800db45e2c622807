// Un mando de mentira para el controlador de joystick de Linux de Allegro,
// donde no hay /dev/uinput: se carga con LD_PRELOAD y, cuando el juego abre
// /dev/input/js0, le da en su lugar la tubería con nombre de MANDO_TUBERIA,
// por la que la prueba escribe struct js_event. Contesta las preguntas que
// el controlador hace al abrir (versión, ejes, botones y nombre); el resto
// de archivos y llamadas pasan sin tocar.
// MANDO_EJES y MANDO_BOTONES: cuántos dice tener (8 y 11, como uno de Xbox).
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

const char* const DISPOSITIVO = "/dev/input/js0";
const char* const NOMBRE = "Mando de prueba por tuberia";
int descriptor = -1;

int numero(const char* variable, int porDefecto)
{
    const char* valor = std::getenv(variable);
    return valor && *valor ? std::atoi(valor) : porDefecto;
}

// Leer y escribir: así abrir no espera a nadie y la tubería nunca da fin de archivo.
int abrirTuberia(int banderas)
{
    const char* tuberia = std::getenv("MANDO_TUBERIA");
    if (!tuberia) {
        errno = ENOENT;
        return -1;
    }
    auto abrirDeVerdad = reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open"));
    descriptor = abrirDeVerdad(tuberia, O_RDWR | (banderas & O_NONBLOCK));
    return descriptor;
}

int modo(int banderas, va_list& argumentos)
{
    return (banderas & (O_CREAT | O_TMPFILE)) ? va_arg(argumentos, int) : 0;
}

// La tubería en vez del dispositivo; lo demás, a la función de verdad.
int abrirComo(const char* simbolo, const char* ruta, int banderas, int permisos)
{
    if (std::strcmp(ruta, DISPOSITIVO) == 0)
        return abrirTuberia(banderas);
    auto siguiente = reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, simbolo));
    return siguiente(ruta, banderas, permisos);
}

}

extern "C" {

int open(const char* ruta, int banderas, ...)
{
    va_list argumentos;
    va_start(argumentos, banderas);
    int permisos = modo(banderas, argumentos);
    va_end(argumentos);
    return abrirComo("open", ruta, banderas, permisos);
}

int open64(const char* ruta, int banderas, ...)
{
    va_list argumentos;
    va_start(argumentos, banderas);
    int permisos = modo(banderas, argumentos);
    va_end(argumentos);
    return abrirComo("open64", ruta, banderas, permisos);
}

int ioctl(int fd, unsigned long peticion, ...)
{
    va_list argumentos;
    va_start(argumentos, peticion);
    void* dato = va_arg(argumentos, void*);
    va_end(argumentos);
    if (fd == descriptor && _IOC_TYPE(peticion) == 'j') {
        switch (_IOC_NR(peticion)) {
        case _IOC_NR(JSIOCGVERSION): *static_cast<int*>(dato) = JS_VERSION; return 0;
        case _IOC_NR(JSIOCGAXES): *static_cast<unsigned char*>(dato) = numero("MANDO_EJES", 8); return 0;
        case _IOC_NR(JSIOCGBUTTONS): *static_cast<unsigned char*>(dato) = numero("MANDO_BOTONES", 11); return 0;
        case _IOC_NR(JSIOCGNAME(0)): {
            size_t largo = _IOC_SIZE(peticion);
            std::strncpy(static_cast<char*>(dato), NOMBRE, largo);
            return static_cast<int>(std::strlen(NOMBRE) < largo ? std::strlen(NOMBRE) : largo);
        }
        }
        errno = ENOTTY;
        return -1;
    }
    auto siguiente = reinterpret_cast<int (*)(int, unsigned long, ...)>(dlsym(RTLD_NEXT, "ioctl"));
    return siguiente(fd, peticion, dato);
}

int close(int fd)
{
    if (fd == descriptor)
        descriptor = -1;
    auto siguiente = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "close"));
    return siguiente(fd);
}
}

#include "ajustes/LineaOrdenes.h"

#include "ajustes/Preferencias.h"

#include <getopt.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifndef RANA_VERSION
#error "RANA_VERSION la pone CMake con la versión del proyecto"
#endif

namespace {

const int ESCALA_MAXIMA = Preferencias::ESCALA_MAXIMA;

// Las opciones sin letra llevan valores fuera de los caracteres, para que
// getopt_long no las confunda con una corta.
enum : int { VERSION = 256, VENTANA, PANTALLA_COMPLETA, ESCALA, SILENCIO, REPETICION, VERIFICAR };

const option OPCIONES[] = {
    { "help", no_argument, nullptr, 'h' },
    { "version", no_argument, nullptr, VERSION },
    { "ventana", no_argument, nullptr, VENTANA },
    { "pantalla-completa", no_argument, nullptr, PANTALLA_COMPLETA },
    { "escala", required_argument, nullptr, ESCALA },
    { "silencio", no_argument, nullptr, SILENCIO },
    { "repeticion", required_argument, nullptr, REPETICION },
    { "verificar", no_argument, nullptr, VERIFICAR },
    { nullptr, 0, nullptr, 0 },
};

// '-': lo que no es opción llega en orden (como 1), para decir cuál sobra sin
// que getopt reordene argv; ':': los mensajes los escribimos nosotros.
const char CORTAS[] = "-:h";

std::string nombreLargo(int valor)
{
    for (const option* o = OPCIONES; o->name; ++o)
        if (o->val == valor)
            return std::string("--") + o->name;
    return "-" + std::string(1, static_cast<char>(valor));
}

// Solo cifras: strtol aceptaría antes espacios y un signo.
bool leerEscala(const char* texto, int& escala)
{
    if (!*texto || std::strspn(texto, "0123456789") != std::strlen(texto))
        return false;
    errno = 0;
    const long valor = std::strtol(texto, nullptr, 10);
    if (errno == ERANGE || valor < 1 || valor > ESCALA_MAXIMA)
        return false;
    escala = static_cast<int>(valor);
    return true;
}

// getopt_long da lo mismo para una opción que no existe y para un principio
// que vale para varias ("--ve"): se distinguen aquí.
std::string opcionNoReconocida(const char* argumento)
{
    std::string nombre = argumento;
    nombre = nombre.substr(0, nombre.find('='));
    int coinciden = 0;
    for (const option* o = OPCIONES; o->name; ++o)
        coinciden += std::string("--").append(o->name).compare(0, nombre.size(), nombre) == 0;
    return (coinciden > 1 ? "opción ambigua: " : "opción desconocida: ") + nombre;
}

}

namespace {

// Lo que deja una opción: seguir leyendo, o acabar ya con una orden.
struct Paso {
    bool acaba;
    Orden orden;
};
const Paso SIGUE{ false, Orden::JUGAR };

Paso error(std::string& problema, const std::string& texto)
{
    problema = texto;
    return { true, Orden::ERROR };
}

// getopt_long da lo mismo ('?') para todo lo que no entiende; qué era se
// sabe por optopt.
Paso opcionRechazada(char** argv, std::string& problema)
{
    // Con optopt a 0 era una larga desconocida, ya saltada por optind. La
    // letra de una opción que sí existe solo llega así de "--help=x".
    if (optopt == 0)
        return error(problema, opcionNoReconocida(argv[optind - 1]));
    if (optopt >= VERSION || optopt == 'h')
        return error(problema, nombreLargo(optopt) + " no admite valor");
    return error(problema, "opción desconocida: -" + std::string(1, static_cast<char>(optopt)));
}

Paso tomarOpcion(int opcion, char** argv, OpcionesLinea& opciones, bool& verificando, std::string& problema)
{
    switch (opcion) {
    case 'h': return { true, Orden::AYUDA };
    case VERSION: return { true, Orden::VERSION };
    case VENTANA: opciones.completa = 0; return SIGUE;
    case PANTALLA_COMPLETA: opciones.completa = 1; return SIGUE;
    case SILENCIO: opciones.silencio = true; return SIGUE;
    case ESCALA:
        if (leerEscala(optarg, opciones.escala))
            return SIGUE;
        return error(problema, "valor no válido para --escala: «" + std::string(optarg) + "» (de 1 a " +
                                   std::to_string(ESCALA_MAXIMA) + ")");
    case REPETICION: opciones.repeticion = optarg; return SIGUE;
    case VERIFICAR: verificando = true; return SIGUE;
    case 1:
        // Tras --verificar, lo que no es opción son los archivos.
        if (!verificando)
            return error(problema, "argumento que sobra: «" + std::string(optarg) + "»");
        opciones.verificar.push_back(optarg);
        return SIGUE;
    case ':': return error(problema, nombreLargo(optopt) + " necesita un valor");
    default: return opcionRechazada(argv, problema);
    }
}

}

// Se lee en orden y manda lo primero que acaba la lectura: --help, --version
// o un error. Así "--help --foo" ayuda y "--foo --help" falla, como en las
// herramientas de GNU, y lo que venga detrás ya no se mira.
Orden analizarLinea(int argc, char** argv, OpcionesLinea& opciones, std::string& problema)
{
    opciones = OpcionesLinea();
    problema.clear();
    bool verificando = false;
    // Sin argv[0] (execve lo permite) no hay nada que leer.
    if (argc < 1)
        return Orden::JUGAR;
    opterr = 0;
    // 0 y no 1: glibc vuelve a empezar del todo, también lo que recuerda de la llamada anterior.
    optind = 0;
    for (int opcion; (opcion = getopt_long(argc, argv, CORTAS, OPCIONES, nullptr)) != -1;) {
        const Paso paso = tomarOpcion(opcion, argv, opciones, verificando, problema);
        if (paso.acaba)
            return paso.orden;
    }
    // Tras "--" getopt para y deja lo demás sin leer.
    for (; verificando && optind < argc; ++optind)
        opciones.verificar.push_back(argv[optind]);
    if (optind < argc) {
        problema = "argumento que sobra: «" + std::string(argv[optind]) + "»";
        return Orden::ERROR;
    }
    if (verificando && opciones.verificar.empty()) {
        problema = "--verificar necesita al menos un archivo";
        return Orden::ERROR;
    }
    return verificando ? Orden::VERIFICAR : Orden::JUGAR;
}

// Cada sistema guarda lo del usuario en su sitio: la ayuda lo dice con sus nombres.
#ifdef _WIN32
#define CARPETA_AJUSTES                                                                   \
    "%APPDATA%\\escuadron-rana\\escuadron-rana.cfg. Las partidas grabadas quedan en\n" \
    "%LOCALAPPDATA%\\escuadron-rana\\repeticiones.\n"
#else
#define CARPETA_AJUSTES                                                               \
    "$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg (sin XDG_CONFIG_HOME,\n"      \
    "~/.config/escuadron-rana/escuadron-rana.cfg).\n"
#endif

std::string textoAyuda()
{
    return "Uso: escuadron-rana [OPCIÓN]...\n"
           "Matamarcianos horizontal con una rana piloto.\n"
           "\n"
           "  -h, --help               muestra esta ayuda y sale\n"
           "      --version            muestra la versión y sale\n"
           "      --ventana            juega en una ventana\n"
           "      --pantalla-completa  juega en pantalla completa\n"
           "      --escala N           amplía la ventana N veces, de 1 a 16\n"
           "      --silencio           juega sin sonido\n"
           "      --repeticion ARCHIVO ve una partida grabada (Tab: a 4x; Escape: salir)\n"
           "      --verificar ARCHIVO...  rehace sin pantalla las partidas grabadas y dice\n"
           "                           si acaban igual (0: todas; 1: alguna no; 2: archivo malo)\n"
           "\n"
           "Las opciones valen solo para esta vez: no cambian los ajustes guardados en\n"
           CARPETA_AJUSTES
           "Entre --ventana y --pantalla-completa vale la última.\n";
}

std::string textoVersion()
{
    return "Escuadrón Rana " RANA_VERSION;
}

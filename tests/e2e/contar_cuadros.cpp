// Cuenta los cuadros que una ventana recibe en un tiempo de reloj de pared,
// mirando desde fuera lo que el servidor X pinta en ella (extensión DAMAGE).
// El juego presenta cada cuadro de una vez, con la página entera (ampliada o
// no): cuenta como cuadro cada pintada de 640x480 píxeles o más; las más
// pequeñas se cuentan aparte.
// Uso: contar-cuadros <id de ventana, decimal o 0x...> <segundos>
// Escribe: "cuadros N menores M ms T" y sale con 0.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace {

const long AREA_PAGINA = 640 * 480;

long leerEntero(const char* texto, int base)
{
    char* fin = nullptr;
    long valor = std::strtol(texto, &fin, base);
    return fin && *fin == '\0' ? valor : -1;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <id de ventana> <segundos>\n", argv[0]);
        return 2;
    }
    long id = leerEntero(argv[1], 0), segundos = leerEntero(argv[2], 10);
    if (id <= 0 || segundos <= 0) {
        std::fprintf(stderr, "argumentos no válidos\n");
        return 2;
    }
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) {
        std::fprintf(stderr, "no se puede abrir la pantalla\n");
        return 2;
    }
    int eventoBase = 0, errorBase = 0;
    if (!XDamageQueryExtension(pantalla, &eventoBase, &errorBase)) {
        std::fprintf(stderr, "el servidor no tiene la extensión DAMAGE\n");
        return 2;
    }
    // Un aviso por cada petición que pinta, no uno por racha.
    XDamageCreate(pantalla, static_cast<Drawable>(id), XDamageReportRawRectangles);
    XSync(pantalla, False);

    using Reloj = std::chrono::steady_clock;
    const auto inicio = Reloj::now(), fin = inicio + std::chrono::seconds(segundos);
    long cuadros = 0, menores = 0;
    pollfd conexion = { ConnectionNumber(pantalla), POLLIN, 0 };
    while (Reloj::now() < fin) {
        while (XPending(pantalla)) {
            XEvent evento;
            XNextEvent(pantalla, &evento);
            if (evento.type != eventoBase + XDamageNotify)
                continue;
            const auto* dano = reinterpret_cast<XDamageNotifyEvent*>(&evento);
            if (static_cast<long>(dano->area.width) * dano->area.height >= AREA_PAGINA)
                ++cuadros;
            else
                ++menores;
        }
        poll(&conexion, 1, 5);
    }
    const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count();
    std::printf("cuadros %ld menores %ld ms %ld\n", cuadros, menores, ms);
    XCloseDisplay(pantalla);
    return 0;
}

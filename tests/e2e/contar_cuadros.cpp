// Cuenta los cuadros que una ventana recibe en un tiempo de reloj de pared,
// mirando desde fuera lo que el servidor X pinta en ella (extensión DAMAGE).
// El juego presenta cada cuadro de una vez con la página entera, ampliada o
// no: cuenta como cuadro cada pintada de 640x480 o más, y aparte las menores.
// Uso: contar-cuadros <id de ventana> <segundos>
// Escribe: "cuadros N menores M ms T".
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

int main(int argc, char** argv)
{
    Display* pantalla = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    int eventoBase = 0, errorBase = 0;
    if (!pantalla || !XDamageQueryExtension(pantalla, &eventoBase, &errorBase)) {
        std::fprintf(stderr, "uso: contar-cuadros <id de ventana> <segundos>, con una pantalla con DAMAGE\n");
        return 2;
    }
    // Un aviso por cada petición que pinta, no uno por racha.
    XDamageCreate(pantalla, std::strtoul(argv[1], nullptr, 0), XDamageReportRawRectangles);
    XSync(pantalla, False);

    using Reloj = std::chrono::steady_clock;
    const auto inicio = Reloj::now(), fin = inicio + std::chrono::seconds(std::atoi(argv[2]));
    long cuadros = 0, menores = 0;
    pollfd conexion = { ConnectionNumber(pantalla), POLLIN, 0 };
    while (Reloj::now() < fin) {
        while (XPending(pantalla)) {
            XEvent evento;
            XNextEvent(pantalla, &evento);
            if (evento.type != eventoBase + XDamageNotify)
                continue;
            const auto* dano = reinterpret_cast<XDamageNotifyEvent*>(&evento);
            ++(dano->area.width * dano->area.height >= 640 * 480 ? cuadros : menores);
        }
        poll(&conexion, 1, 5);
    }
    const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count();
    std::printf("cuadros %ld menores %ld ms %ld\n", cuadros, menores, ms);
    XCloseDisplay(pantalla);
    return 0;
}

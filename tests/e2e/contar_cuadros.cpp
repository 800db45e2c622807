// Cuenta los cuadros que una ventana recibe en un tiempo de reloj de pared,
// mirando desde fuera lo que el servidor X pinta en ella (extensión DAMAGE).
// El juego manda de cada cuadro solo las zonas que cambiaron, de arriba abajo
// y de izquierda a derecha: empieza otro cuadro la zona que no va tras la
// anterior en ese orden, o la que llega 4 ms o más después (un cuadro se
// manda de una vez; entre dos hay 10 ms).
// Uso: contar-cuadros <id de ventana> <segundos>
// Escribe: "cuadros N zonas M ms T".
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
    long cuadros = 0, zonas = 0;
    XRectangle anterior = {};
    Time cuando = 0;
    pollfd conexion = { ConnectionNumber(pantalla), POLLIN, 0 };
    while (Reloj::now() < fin) {
        while (XPending(pantalla)) {
            XEvent evento;
            XNextEvent(pantalla, &evento);
            if (evento.type != eventoBase + XDamageNotify)
                continue;
            const auto* dano = reinterpret_cast<XDamageNotifyEvent*>(&evento);
            const XRectangle& zona = dano->area;
            const bool tras = zona.y > anterior.y || (zona.y == anterior.y && zona.x > anterior.x);
            if (zonas == 0 || !tras || dano->timestamp - cuando >= 4)
                ++cuadros;
            ++zonas;
            anterior = zona;
            cuando = dano->timestamp;
        }
        poll(&conexion, 1, 5);
    }
    const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count();
    std::printf("cuadros %ld zonas %ld ms %ld\n", cuadros, zonas, ms);
    XCloseDisplay(pantalla);
    return 0;
}

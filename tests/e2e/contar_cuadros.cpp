// Cuenta los cuadros que una ventana recibe en un tiempo de reloj de pared,
// mirando desde fuera lo que el servidor X pinta en ella (extensión DAMAGE).
// El juego manda de cada cuadro solo las zonas que cambiaron, de arriba abajo
// y de izquierda a derecha: empieza otro cuadro la zona que no va tras la
// anterior en ese orden. El tiempo entre zonas no sirve: con la máquina
// cargada el servidor parte un cuadro en varias tandas.
// A la vez, un hilo despierta cada 10 ms como el temporizador del juego y
// cuenta los ticks que pierde por despertar tarde: lo que la máquina por sí
// sola le quita a un bucle de 100 Hz en esos mismos segundos.
// Uso: contar-cuadros <id de ventana> <segundos>
// Escribe: "cuadros N zonas M ms T perdidos P peor Q" (Q: los perdidos en
// el peor segundo).
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <thread>
#include <vector>

namespace {

using Reloj = std::chrono::steady_clock;

// Ticks perdidos en cada segundo desde el inicio: un despertar que llega
// cuando ya pasó el plazo siguiente junta dos ticks en uno.
std::vector<long> ticksPerdidos(Reloj::time_point inicio, Reloj::time_point fin)
{
    const auto periodo = std::chrono::milliseconds(10);
    std::vector<long> porSegundo;
    auto plazo = inicio + periodo;
    while (plazo < fin) {
        std::this_thread::sleep_until(plazo);
        const auto ahora = Reloj::now();
        const long tarde = static_cast<long>((ahora - plazo) / periodo);
        const size_t segundo = static_cast<size_t>((plazo - inicio) / std::chrono::seconds(1));
        if (porSegundo.size() <= segundo)
            porSegundo.resize(segundo + 1, 0);
        porSegundo[segundo] += tarde;
        plazo += periodo * (tarde + 1);
    }
    return porSegundo;
}

}

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

    const auto inicio = Reloj::now(), fin = inicio + std::chrono::seconds(std::atoi(argv[2]));
    std::vector<long> perdidos;
    std::thread reloj([&] { perdidos = ticksPerdidos(inicio, fin); });
    long cuadros = 0, zonas = 0;
    XRectangle anterior = {};
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
            if (zonas == 0 || !tras)
                ++cuadros;
            ++zonas;
            anterior = zona;
        }
        poll(&conexion, 1, 5);
    }
    const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count();
    reloj.join();
    long total = 0, peor = 0;
    for (long n : perdidos) {
        total += n;
        peor = std::max(peor, n);
    }
    std::printf("cuadros %ld zonas %ld ms %ld perdidos %ld peor %ld\n", cuadros, zonas, ms, total, peor);
    XCloseDisplay(pantalla);
    return 0;
}

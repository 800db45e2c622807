// Pulsa el botón de cerrar de una ventana como lo haría un gestor de
// ventanas: un ClientMessage WM_PROTOCOLS/WM_DELETE_WINDOW con XSendEvent.
// Bajo Xvfb no corre ningún gestor, y el xdotool de Debian no trae windowclose.
// Uso: cerrar-ventana <id de ventana, decimal o 0x...>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s <id de ventana>\n", argv[0]);
        return 2;
    }
    char* fin = nullptr;
    unsigned long id = std::strtoul(argv[1], &fin, 0);
    if (!fin || *fin != '\0' || id == 0) {
        std::fprintf(stderr, "id de ventana no válido: %s\n", argv[1]);
        return 2;
    }
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) {
        std::fprintf(stderr, "no se puede abrir la pantalla\n");
        return 2;
    }
    Window ventana = static_cast<Window>(id);
    Atom protocolos = XInternAtom(pantalla, "WM_PROTOCOLS", False);
    Atom borrar = XInternAtom(pantalla, "WM_DELETE_WINDOW", False);

    // Un gestor de verdad solo lo manda si la ventana lo pide; si no lo
    // pide, el botón no haría nada y la prueba debe enterarse.
    Atom* pedidos = nullptr;
    int cuantos = 0;
    bool loPide = false;
    if (XGetWMProtocols(pantalla, ventana, &pedidos, &cuantos)) {
        for (int i = 0; i < cuantos; ++i)
            if (pedidos[i] == borrar)
                loPide = true;
        XFree(pedidos);
    }
    if (!loPide) {
        std::fprintf(stderr, "la ventana 0x%lx no pide WM_DELETE_WINDOW\n", id);
        XCloseDisplay(pantalla);
        return 3;
    }

    XEvent evento = {};
    evento.xclient.type = ClientMessage;
    evento.xclient.window = ventana;
    evento.xclient.message_type = protocolos;
    evento.xclient.format = 32;
    evento.xclient.data.l[0] = static_cast<long>(borrar);
    evento.xclient.data.l[1] = CurrentTime;
    // Máscara vacía: el evento va al cliente que creó la ventana.
    Status enviado = XSendEvent(pantalla, ventana, False, NoEventMask, &evento);
    XSync(pantalla, False);
    XCloseDisplay(pantalla);
    if (!enviado) {
        std::fprintf(stderr, "XSendEvent falló\n");
        return 1;
    }
    return 0;
}

#include "plataforma/VentanaX11.h"

#ifdef ALLEGRO_WITH_XWINDOWS

#include <X11/Xatom.h>
#include <xalleg.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// _NET_WM_STATE_REMOVE y _NET_WM_STATE_ADD; la petición viene de una aplicación normal.
const long QUITAR = 0, PONER = 1, FUENTE_APLICACION = 1;

// Solo la ventana de X de Allegro, con su imagen de 32 bits en el orden de la máquina.
bool imagenUtil()
{
    if (!gfx_driver || gfx_driver->id != GFX_XWINDOWS || _xwin.in_dga_mode || !_xwin.ximage)
        return false;
    const uint16_t prueba = 1;
    const int ordenMaquina = *reinterpret_cast<const uint8_t*>(&prueba) ? LSBFirst : MSBFirst;
    return _xwin.ximage->bits_per_pixel == 32 && _xwin.ximage->byte_order == ordenMaquina;
}

Window ventanaExterior()
{
    return _xwin.wm_window ? _xwin.wm_window : _xwin.window;
}

}

void nombrarVentanaX11()
{
    xwin_set_window_name("escuadron-rana", "Escuadron-rana");
}

void rotularVentanaX11(const char* tituloUtf8)
{
    if (!gfx_driver || gfx_driver->id != GFX_XWINDOWS || !_xwin.display)
        return;
    XLOCK();
    Display* pantalla = _xwin.display;
    XChangeProperty(pantalla, ventanaExterior(), XInternAtom(pantalla, "_NET_WM_NAME", False),
                    XInternAtom(pantalla, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(tituloUtf8), static_cast<int>(std::strlen(tituloUtf8)));
    XFlush(pantalla);
    XUNLOCK();
}

// Ancho, alto y un píxel ARGB por long: así lo quiere Xlib para el formato
// 32, aunque al servidor solo lleguen 32 bits de cada uno.
void ponerIconoX11(BITMAP* icono)
{
    if (!icono || !gfx_driver || gfx_driver->id != GFX_XWINDOWS || !_xwin.display)
        return;
    const int profundidad = bitmap_color_depth(icono);
    std::vector<unsigned long> datos;
    datos.reserve(2 + size_t(icono->w) * icono->h);
    datos.push_back(static_cast<unsigned long>(icono->w));
    datos.push_back(static_cast<unsigned long>(icono->h));
    for (int y = 0; y < icono->h; ++y)
        for (int x = 0; x < icono->w; ++x) {
            const int p = getpixel(icono, x, y);
            const unsigned long r = getr_depth(profundidad, p), g = getg_depth(profundidad, p),
                                b = getb_depth(profundidad, p);
            const bool mascara = r == 255 && g == 0 && b == 255;
            datos.push_back(mascara ? 0 : 0xFF000000ul | r << 16 | g << 8 | b);
        }
    XLOCK();
    Display* pantalla = _xwin.display;
    // Lo que no cabe en una petición haría caer al juego con un error de X.
    long cabe = XExtendedMaxRequestSize(pantalla);
    if (!cabe)
        cabe = XMaxRequestSize(pantalla);
    if (static_cast<long>(datos.size()) + 16 <= cabe) {
        XChangeProperty(pantalla, ventanaExterior(), XInternAtom(pantalla, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(datos.data()),
                        static_cast<int>(datos.size()));
        XFlush(pantalla);
    }
    XUNLOCK();
}

void pedirPantallaCompletaX11(bool completa)
{
    if (!gfx_driver || gfx_driver->id != GFX_XWINDOWS || !_xwin.display)
        return;
    XLOCK();
    Display* pantalla = _xwin.display;
    // El gestor de ventanas solo conoce la de fuera; la de Allegro va dentro.
    Window ventana = ventanaExterior();
    if (completa)
        XMoveWindow(pantalla, ventana, 0, 0);
    XEvent aviso = {};
    aviso.xclient.type = ClientMessage;
    aviso.xclient.window = ventana;
    aviso.xclient.message_type = XInternAtom(pantalla, "_NET_WM_STATE", False);
    aviso.xclient.format = 32;
    aviso.xclient.data.l[0] = completa ? PONER : QUITAR;
    aviso.xclient.data.l[1] = static_cast<long>(XInternAtom(pantalla, "_NET_WM_STATE_FULLSCREEN", False));
    aviso.xclient.data.l[3] = FUENTE_APLICACION;
    XSendEvent(pantalla, DefaultRootWindow(pantalla), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &aviso);
    XSync(pantalla, False);
    XUNLOCK();
}

bool tieneFocoX11()
{
    if (!gfx_driver || gfx_driver->id != GFX_XWINDOWS || !_xwin.display)
        return false;
    XLOCK();
    Window foco;
    int vuelta;
    XGetInputFocus(_xwin.display, &foco, &vuelta);
    XUNLOCK();
    return foco != None && (foco == _xwin.window || foco == ventanaExterior());
}

void asentarVentanaX11(bool conFoco)
{
    if (!gfx_driver || gfx_driver->id != GFX_XWINDOWS || !_xwin.display)
        return;
    XLOCK();
    XWindowAttributes atributos;
    // Solo se puede dar el foco a una ventana a la vista.
    if (conFoco && XGetWindowAttributes(_xwin.display, ventanaExterior(), &atributos) &&
        atributos.map_state == IsViewable)
        XSetInputFocus(_xwin.display, ventanaExterior(), RevertToParent, CurrentTime);
    XSync(_xwin.display, False);
    XUNLOCK();
    _xwin_handle_input();
}

// Lo que Allegro dibuja en su ventana (al destaparse, o si el volcado es el
// suyo) espera en el búfer de Xlib a que alguien lo mande.
void atenderEventosX11()
{
    XLOCK();
    if (_xwin.display && XEventsQueued(_xwin.display, QueuedAfterFlush) > 0)
        _xwin_handle_input();
    XUNLOCK();
}

bool prepararAmpliadorX11(CAmpliador& ampliador)
{
    if (!imagenUtil())
        return false;
    XImage* imagen = _xwin.ximage;
    ampliador.preparar(static_cast<uint32_t>(imagen->red_mask), static_cast<uint32_t>(imagen->green_mask),
                       static_cast<uint32_t>(imagen->blue_mask));
    return true;
}

namespace {

void mandarZona(XImage* imagen, int x, int y, int ancho, int alto)
{
#ifdef ALLEGRO_XWINDOWS_WITH_SHM
    if (_xwin.use_shm)
        XShmPutImage(_xwin.display, _xwin.window, _xwin.gc, imagen, x, y, x, y, ancho, alto, False);
    else
#endif
        XPutImage(_xwin.display, _xwin.window, _xwin.gc, imagen, x, y, x, y, ancho, alto);
}

}

// Con memoria compartida el servidor lee la imagen sin copia; no se espera
// a que acabe: a lo sumo, un cuadro mezclado con el siguiente. Cada zona se
// manda después de escribirla, así que lo último que el servidor lee de
// ella es siempre lo último que se escribió.
bool volcarAmpliadaX11(BITMAP* pagina, const CAmpliador& ampliador, CCambiosPagina& cambios, const ModoPantalla& modo,
                       int x, int y)
{
    if (!imagenUtil())
        return false;
    XImage* imagen = _xwin.ximage;
    const int ancho = modo.anchoImagen, alto = modo.altoImagen;
    if (x < 0 || y < 0 || x + ancho > imagen->width || y + alto > imagen->height)
        return false;
    XLOCK();
    uint8_t* esquina = reinterpret_cast<uint8_t*>(imagen->data) + y * imagen->bytes_per_line + x * 4;
    if (modo.estirada) {
        ampliador.estirar(pagina, esquina, imagen->bytes_per_line, ancho, alto);
        mandarZona(imagen, x, y, ancho, alto);
        cambios.olvidar();
    } else {
        const int f = modo.factor;
        const std::vector<Zona>& zonas = cambios.cambios(pagina);
        for (const Zona& trozo : cambios.trozos())
            ampliador.ampliar(pagina, esquina, imagen->bytes_per_line, f, trozo);
        for (const Zona& zona : zonas)
            mandarZona(imagen, x + zona.x * f, y + zona.y * f, zona.ancho * f, zona.alto * f);
    }
    XFlush(_xwin.display);
    XUNLOCK();
    return true;
}

#else

void nombrarVentanaX11()
{
}

void rotularVentanaX11(const char*)
{
}

void ponerIconoX11(BITMAP*)
{
}

void pedirPantallaCompletaX11(bool)
{
}

bool tieneFocoX11()
{
    return false;
}

void asentarVentanaX11(bool)
{
}

void atenderEventosX11()
{
}

bool prepararAmpliadorX11(CAmpliador&)
{
    return false;
}

bool volcarAmpliadaX11(BITMAP*, const CAmpliador&, CCambiosPagina&, const ModoPantalla&, int, int)
{
    return false;
}

#endif

#include "shell/CJuego.h"

#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "shell/Teclas.h"

namespace {
// 5 segundos de espera en el título, a 100 ticks por segundo.
const uint32_t DURACION_TITULO = 500;
}

CJuego::CJuego() : salir(0)
{
}

int CJuego::ejecutar()
{
    bool huboError = false;
    try {
        sistema.inicializar();
        sistema.limpiarPagina();
        presentacion();
        esperaTitulo();
        bucleTitulo();
        sistema.limpiarPagina();
    } catch (CExcepcion error) {
        sistema.mostrarError(mensajeDeError(error.codigo));
        huboError = true;
    }
    sistema.finalizar();
    return huboError ? 1 : 0;
}

// Copia una pantalla completa a la página de dibujo y la muestra.
BITMAP* CJuego::mostrarPantalla(const char* nombre)
{
    BITMAP* imagen = sistema.dispositivosActuales()->cargarImagen(nombre);
    if (!imagen)
        throw CExcepcion(ERROR_ARCHIVOS);
    blit(imagen, sistema.paginaDibujo, 0, 0, 0, 0, 640, 480);
    sistema.voltearPaginas();
    return imagen;
}

// Espera activa, sin límite, hasta que se pulse Espacio.
void CJuego::presentacion()
{
    BITMAP* imagen = mostrarPantalla("graphics/pelmora.bmp");
    while (!sistema.teclas[KEY_SPACE]) {
    }
    destroy_bitmap(imagen);
}

// Un Espacio todavía pulsado desde la presentación acaba la espera al instante.
void CJuego::esperaTitulo()
{
    sistema.tocarMusica(sistema.musicaMenu);
    sistema.fijarTicks(0);
    while (!sistema.teclas[KEY_SPACE] && sistema.leerTicks() < DURACION_TITULO) {
    }
    sistema.limpiarPagina();
}

int CJuego::menuPrincipal()
{
    sistema.pararMusica();
    BITMAP* imagen = mostrarPantalla("graphics/main.bmp");
    int opcion = 0;
    while (!sistema.teclas[KEY_1]) {
        if (sistema.teclas[KEY_2]) {
            opcion = 1;
            break;
        }
        if (sistema.teclas[KEY_3]) {
            opcion = 2;
            break;
        }
    }
    destroy_bitmap(imagen);
    sistema.limpiarPagina();
    return opcion;
}

void CJuego::bucleTitulo()
{
    do {
        switch (menuPrincipal()) {
        case 0: jugar(); break;
        case 1: segundaOpcion(); break;
        default: marcarSalida(); break;
        }
    } while (!debeSalir());
}

// Todavía no hay fase que jugar: se vuelve al menú sin más.
void CJuego::jugar()
{
    sistema.limpiarPagina();
}

void CJuego::segundaOpcion()
{
    sistema.limpiarPagina();
}

void CJuego::marcarSalida()
{
    salir = 1;
}

bool CJuego::debeSalir() const
{
    return salir != 0;
}

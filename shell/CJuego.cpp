#include "shell/CJuego.h"

#include "opciones/CPantallaOpciones.h"
#include "plataforma/Recursos.h"
#include "repeticion/CGrabadora.h"
#include "repeticion/CPantallaRepeticiones.h"
#include "repeticion/CRepeticiones.h"
#include "repeticion/PartidaGrabada.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "shell/Teclas.h"
#include "sonido/CEfectos.h"
#include "stage/CFase1.h"
#include "world/CPartida.h"
#include "opciones/CPreferenciasActivas.h"

namespace {
// 5 segundos de espera en el título, a 100 ticks por segundo.
const uint32_t DURACION_TITULO = 500;
// 30 segundos de menú sin tocar nada y empieza la demo.
const uint32_t ESPERA_DEMO = 3000;
}

CJuego::CJuego() : salir(0), estadoDemo(DEMO_SIN_LEER)
{
}

int CJuego::ejecutar(CAjustes* ajustes, const CRepeticion* repeticion)
{
    bool huboError = false;
    try {
        preferenciasActivas.usarAjustes(ajustes);
        sistema.inicializar(preferenciasActivas);
        efectos.cargar(sistema.dispositivosActuales(), [] { return sistema.leerTicks(); });
        letras.cargar(sistema.dispositivosActuales(), rutaRecurso("graphics/letras.bmp"));
        sistema.limpiarPagina();
        if (repeticion) {
            verRepeticion(*repeticion);
        } else {
            presentacion();
            // Cerrar la ventana en la presentación acaba como la tecla 3.
            if (!sistema.cierrePedido()) {
                esperaTitulo();
                bucleTitulo();
            }
        }
        sistema.limpiarPagina();
    } catch (CExcepcion error) {
        sistema.mostrarError(mensajeDeError(error.codigo));
        huboError = true;
    }
    // Los efectos y las letras antes que Allegro, que se va con el apagado.
    efectos.liberar();
    letras.liberar();
    sistema.finalizar();
    preferenciasActivas.usarAjustes(nullptr);
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
    BITMAP* imagen = mostrarPantalla(rutaRecurso("graphics/pelmora.bmp").c_str());
    while (!sistema.teclas[KEY_SPACE] && !sistema.cierrePedido())
        sistema.atenderEntrada();
    destroy_bitmap(imagen);
}

// Un Espacio todavía pulsado desde la presentación acaba la espera al instante.
void CJuego::esperaTitulo()
{
    sistema.tocarMusica(sistema.musicaMenu);
    sistema.fijarTicks(0);
    while (!sistema.teclas[KEY_SPACE] && sistema.leerTicks() < DURACION_TITULO && !sistema.cierrePedido())
        sistema.atenderEntrada();
    sistema.limpiarPagina();
}

int CJuego::menuPrincipal()
{
    sistema.pararMusica();
    BITMAP* imagen = mostrarPantalla(rutaRecurso("graphics/main.bmp").c_str());
    sistema.entrada.retenerBoton();
    // La flecha que venía pulsada de la partida no abre las repeticiones.
    sistema.atenderEntrada();
    sistema.entrada.darPorAtendidas();
    int opcion = 0;
    uint32_t quietoDesde = sistema.leerTicks();
    while (!sistema.teclas[KEY_1]) {
        sistema.atenderEntrada();
        if (sistema.entrada.algunaPulsada())
            quietoDesde = sistema.leerTicks();
        if (sistema.leerTicks() - quietoDesde > ESPERA_DEMO && estadoDemo != DEMO_FALTA) {
            opcion = 3;
            break;
        }
        if (sistema.cierrePedido()) {
            opcion = 2;
            break;
        }
        if (sistema.teclas[KEY_2]) {
            opcion = 1;
            break;
        }
        if (sistema.teclas[KEY_3]) {
            opcion = 2;
            break;
        }
        if (sistema.teclas[KEY_4]) {
            opcion = 4;
            break;
        }
        // En el mando, la cruceta o la palanca a la derecha.
        if (sistema.teclas[KEY_5] || sistema.entrada.pulsacion(KEY_RIGHT)) {
            opcion = 5;
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
        case 3: verDemo(); break;
        case 4: opciones(); break;
        case 5: repeticiones(); break;
        default: marcarSalida(); break;
        }
        // Si se cerró la ventana durante la partida, se sale sin volver al menú.
        if (sistema.cierrePedido())
            marcarSalida();
    } while (!debeSalir());
}

// Si la fase no se puede cargar, la excepción sale hacia ejecutar.
void CJuego::jugar()
{
    CPartida partida;
    CFase1* fase = new CFase1();
    partida.fase = fase;
    CGrabadora grabadora(fase->resumenMapa, ultimaColumna);
    sistema.entrada.jugando(true);
    partida.jugarFase(grabadora);
    sistema.entrada.jugando(false);
    // Acabe como acabe (Escape, sin energía, el botón de cerrar), queda grabada.
    CRepeticiones::guardar(grabadora.grabada());
    sistema.limpiarPagina();
}

// La partida grabada, en la ventana y a su ritmo; al acabar, o con Escape, se sale.
void CJuego::verRepeticion(const CRepeticion& repeticion)
{
    rehacerPartida(repeticion, CReproductor::REPETICION);
}

void CJuego::verDemo()
{
    if (estadoDemo == DEMO_SIN_LEER) {
        std::string problema;
        const bool leida = abrirRepeticion(rutaDemo(), demo, problema) == Apertura::BIEN;
        estadoDemo = leida ? DEMO_LISTA : DEMO_FALTA;
    }
    if (estadoDemo != DEMO_LISTA)
        return;
    rehacerPartida(demo, CReproductor::DEMO);
    // La tecla que acabó la demo no cuenta en el menú: un 1 no empieza a jugar.
    while (sistema.entrada.algunaPulsada() && !sistema.cierrePedido())
        sistema.atenderEntrada();
    sistema.limpiarPagina();
}

void CJuego::segundaOpcion()
{
    sistema.limpiarPagina();
}

void CJuego::opciones()
{
    CPantallaOpciones pantalla(letras);
    pantalla.ejecutar();
}

void CJuego::repeticiones()
{
    CPantallaRepeticiones pantalla(letras);
    pantalla.ejecutar();
}

void CJuego::marcarSalida()
{
    salir = 1;
}

bool CJuego::debeSalir() const
{
    return salir != 0;
}

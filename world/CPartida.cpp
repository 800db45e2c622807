#include "world/CPartida.h"

#include "player/CRana.h"
#include "shell/CSistema.h"
#include "shell/Teclas.h"
#include "sonido/CEfectos.h"
#include "stage/CFase.h"
#include "world/CListaEntidades.h"
#include "world/Choques.h"

namespace {
const int32_t ENERGIA_INICIAL = 74;
const int32_t POTENCIA_INICIAL = 74;
const int Y_CIFRAS = 455;
const int LADO_CIFRA = 16;
// El rótulo de la pausa en la hoja común, centrado sobre la zona de juego.
const int X_PAUSA = 192, Y_PAUSA = 40, ANCHO_PAUSA = 256, ALTO_PAUSA = 60;
const int X_ROTULO = (640 - ANCHO_PAUSA) / 2, Y_ROTULO = (448 - ALTO_PAUSA) / 2;
// Lo que duerme el proceso en pausa entre vistazo y vistazo al teclado.
const int SIESTA_PAUSA = 20;
}

CPartida::CPartida()
    : fase(nullptr), inicioFase(0), ultimoVolteo(0), cuadros(0), inicioVentana(0), cuadrosPorSegundo(0),
      origen(&relojYTeclado)
{
}

CPartida::~CPartida()
{
    delete fase;
}

void CPartida::jugarFase()
{
    jugarFase(relojYTeclado);
}

void CPartida::jugarFase(COrigenCuadros& origenDado)
{
    origen = &origenDado;
    empezar();
    do
        jugarCuadro();
    while (!terminada());
    terminar();
    origen = &relojYTeclado;
}

// Todo lo que nace al empezar ve el mismo tick, el del arranque que fija el origen.
void CPartida::empezar()
{
    origen->fijarArranque();
    inicioFase = sistema.leerTicks();
    jugador = new CRana();
    listaEntidades.agregar(jugador);
    jugador->energia = ENERGIA_INICIAL;
    jugador->potencia = POTENCIA_INICIAL;
    fase->iniciar();
    cuadros = 0;
    inicioVentana = inicioFase;
    cuadrosPorSegundo = 0;
    // Un foco perdido en el menú no pausa la partida que empieza.
    sistema.tomarFocoPerdido();
    // El primer cuadro no espera a nadie.
    ultimoVolteo = sistema.leerReloj() - 1;
    sistema.soltarCuadro();
}

// Los pasos de un cuadro, con el tick y las teclas de su comienzo.
void CPartida::jugarCuadro()
{
    if (atenderJugador()) {
        pausar();
        return;
    }
    origen->fijarCuadro();
    fase->avanzar(sistema.leerTicks() - inicioFase);
    fase->actualizarEntidades();
    chocarConRana();
    chocarDisparos();
    if (origen->seMuestra())
        mostrarCuadro();
    origen->cuadroJugado();
    sistema.soltarCuadro();
}

// Entre cuadro y cuadro, las teclas de todo el juego; verdadero si toca pausar.
bool CPartida::atenderJugador()
{
    if (!origen->seMuestra())
        return false;
    sistema.atenderEntrada();
    return origen->admitePausa() && pidePausa();
}

// P, Start en el mando, o que otra ventana se lleve el foco.
bool CPartida::pidePausa()
{
    bool focoPerdido = sistema.tomarFocoPerdido();
    return sistema.entrada.pulsacion(KEY_P) || focoPerdido;
}

// Con el reloj parado, al volver todo sigue donde estaba: el desplazamiento,
// las protecciones, las cargas y el tiempo del gigante. Escape y el botón de
// cerrar siguen valiendo.
void CPartida::pausar()
{
    sistema.pararReloj();
    sistema.pausarMusica();
    efectos.parar();
    mostrarPausa();
    sistema.reposo(true);
    while (!terminada()) {
        sistema.dormir(SIESTA_PAUSA);
        sistema.atenderEntrada();
        if (sistema.entrada.pulsacion(KEY_P))
            break;
    }
    sistema.reposo(false);
    // Lo que llegue durante la pausa no pausa otra vez al volver.
    sistema.tomarFocoPerdido();
    sistema.reanudarMusica();
    sistema.reanudarReloj();
}

// El último cuadro se queda en pantalla con el rótulo encima.
void CPartida::mostrarPausa()
{
    blit(sistema.paginaVisible, sistema.paginaDibujo, 0, 0, 0, 0, 640, 480);
    sistema.dibujarSprite(sistema.hojaComunes, X_PAUSA, Y_PAUSA, X_ROTULO, Y_ROTULO, ANCHO_PAUSA, ALTO_PAUSA);
    sistema.voltearPaginas();
}

// Escape, el fin de la energía, el botón de cerrar, o lo que decida el origen.
bool CPartida::terminada() const
{
    return origen->acabada() || sistema.teclas[KEY_ESC] || jugador->finPartida || sistema.cierrePedido();
}

void CPartida::terminar()
{
    origen->partidaAcabada();
    listaEntidades.vaciar();
    // La lista ha borrado la rana.
    jugador = nullptr;
    delete fase;
    fase = nullptr;
}

void CPartida::dibujarMarcador(CRana* rana)
{
    blit(sistema.hojaComunes, sistema.paginaDibujo, 0, 0, 0, 448, 640, 32);
    dibujarNumero(rana->potencia, 312, 264);
    dibujarNumero(rana->energia, 100, 52);
}

void CPartida::dibujarNumero(int32_t valor, int xUnidades, int limite)
{
    for (int x = xUnidades; x > limite; x -= LADO_CIFRA) {
        int cifra = valor % 10;
        blit(sistema.hojaComunes, sistema.paginaDibujo, LADO_CIFRA * cifra, 102, x, Y_CIFRAS, LADO_CIFRA, LADO_CIFRA);
        valor /= 10;
    }
}

// La fase, el marcador y el medidor, lo que ponga encima el origen, y a la pantalla.
void CPartida::mostrarCuadro()
{
    fase->dibujar();
    dibujarMarcador(jugador);
    medirCuadros();
    origen->rotularCuadro();
    voltear(origen->esperaAlTick());
}

// Cuadros por segundo: se recalcula cuando ha pasado algo más de un segundo.
void CPartida::medirCuadros()
{
    cuadros += 1;
    uint32_t ahora = sistema.leerTicks();
    if (ahora - inicioVentana > 100) {
        cuadrosPorSegundo = cuadros * 100 / (ahora - inicioVentana);
        inicioVentana = ahora;
        cuadros = 0;
    }
    dibujarNumero(static_cast<int32_t>(cuadrosPorSegundo), 400, 352);
}

// Como mucho un cuadro por tick: sin esto, en X11 el bucle daría miles de
// vueltas por segundo y lo que se mueve a golpe de llamada iría desbocado.
void CPartida::voltear(bool esperar)
{
    if (esperar)
        sistema.esperarTickDistinto(ultimoVolteo);
    ultimoVolteo = sistema.leerReloj();
    sistema.voltearPaginas();
}

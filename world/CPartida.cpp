#include "world/CPartida.h"

#include "player/CRana.h"
#include "shell/Azar.h"
#include "sonido/CEfectos.h"
#include "repeticion/CRepeticiones.h"
#include "shell/CSistema.h"
#include "shell/Teclas.h"
#include "stage/CFase.h"
#include "stage/CFase1.h"
#include "world/CListaEntidades.h"

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
    : fase(nullptr), inicioFase(0), ultimoVolteo(0), cuadros(0), inicioVentana(0), cuadrosPorSegundo(0)
{
}

CPartida::~CPartida()
{
    delete fase;
}

void CPartida::jugarFase()
{
    empezar();
    do
        jugarCuadro();
    while (!terminada());
    terminar();
}

// Todo lo que nace al empezar ve el mismo tick, el de la cabecera si es
// una repetición.
void CPartida::empezar()
{
    if (repeticion)
        sistema.fijarCuadro(repeticion->cabecera.tickInicial, teclasGrabadas);
    else
        sistema.fijarCuadro();
    inicioFase = sistema.leerTicks();
    tickRepeticion = inicioFase;
    grabadora.empezar(inicioFase);
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

void CPartida::repetir(const CRepeticion& grabada, bool mostrarla, bool comoDemo)
{
    repeticion = &grabada;
    mostrar = mostrarla;
    demo = comoDemo;
    siguiente = 0;
    fijarEstadoAzar(grabada.cabecera.azarInicial);
    ultimaColumna = grabada.cabecera.ultimaColumna;
    jugarFase();
    repeticion = nullptr;
    mostrar = true;
    demo = false;
}

// La captura de F8 no se repite: no cambia la partida, y no es del que mira.
void CPartida::fijarCuadroGrabado()
{
    const CuadroJugado& cuadro = repeticion->cuadros[siguiente++];
    tickRepeticion += cuadro.ticks;
    const int teclas[] = { KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE };
    const uint8_t bits[] = { BIT_ARRIBA, BIT_ABAJO, BIT_IZQUIERDA, BIT_DERECHA, BIT_DISPARO };
    for (int i = 0; i < 5; ++i)
        teclasGrabadas[teclas[i]] = (cuadro.teclas & bits[i]) ? 1 : 0;
    sistema.fijarCuadro(tickRepeticion, teclasGrabadas);
}

void CPartida::jugarCuadro()
{
    if (mostrar) {
        sistema.atenderEntrada();
        if (!demo && pidePausa()) {
            pausar();
            return;
        }
    }
    if (repeticion)
        fijarCuadroGrabado();
    else
        sistema.fijarCuadro();
    grabadora.anotarCuadro(sistema.leerTicks(), sistema.teclas);
    fase->avanzar(sistema.leerTicks() - inicioFase);
    fase->actualizarEntidades();
    chocarConRana();
    chocarDisparos();
    if (mostrar) {
        fase->dibujar();
        dibujarMarcador(jugador);
        medirCuadros();
        rotularRepeticion();
        voltear();
    }
    if (grabadora.tocaControl())
        grabadora.anotarControl(resumen());
    sistema.soltarCuadro();
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

uint64_t CPartida::resumen() const
{
    CResumen huella;
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = nodo == listaEntidades.cola ? nullptr : nodo->siguiente)
        nodo->entidad->resumir(huella);
    huella << leerEstadoAzar() << ultimaColumna << sistema.disparosVivos;
    return huella.valor();
}

// Una repetición acaba con su último cuadro; mientras se ve, también con
// Escape o el botón de cerrar.
bool CPartida::terminada() const
{
    if (repeticion)
        return siguiente >= repeticion->cuadros.size() ||
               (mostrar && (sistema.teclas[KEY_ESC] || sistema.cierrePedido() || (demo && sistema.entrada.algunaPulsada())));
    return sistema.teclas[KEY_ESC] || jugador->finPartida || sistema.cierrePedido();
}

void CPartida::rotularRepeticion()
{
    if (repeticion)
        sistema.escribirFormato(8, 8, makecol(255, 255, 255), demo ? "DEMO" : "REPETICIÓN");
}


// Acabe como acabe (Escape, sin energía, el botón de cerrar), queda grabada;
// lo que se rehace de una repetición, no.
void CPartida::terminar()
{
    ultimaHuella = resumen();
    if (!repeticion)
        CRepeticiones::guardar(grabadora.terminar(ultimaHuella));
    listaEntidades.vaciar();
    delete fase;
    fase = nullptr;
}

// La rana contra todo lo que no es ella, en el orden de la lista.
void CPartida::chocarConRana()
{
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = nodo == listaEntidades.cola ? nullptr : nodo->siguiente) {
        CEntidad* otra = nodo->entidad;
        if (otra->tipo != TIPO_RANA && jugador->colisiona(otra))
            jugador->alImpactar(otra);
    }
}

// Cada enemigo solo contra los disparos que van detrás de él en la lista:
// un disparo que ya volaba cuando el enemigo apareció no le da nunca.
void CPartida::chocarDisparos()
{
    for (NodoEntidad* i = listaEntidades.cabeza; i; i = i == listaEntidades.cola ? nullptr : i->siguiente) {
        CEntidad* enemigo = i->entidad;
        if (enemigo->tipo != TIPO_ENEMIGO)
            continue;
        for (NodoEntidad* j = i; j; j = j == listaEntidades.cola ? nullptr : j->siguiente) {
            CEntidad* disparo = j->entidad;
            // Un enemigo que muere en esta pasada deja de ser blanco en el acto.
            if (enemigo->tipo != TIPO_ENEMIGO)
                break;
            if (disparo != enemigo && disparo->tipo == TIPO_DISPARO && enemigo->colisiona(disparo))
                enemigo->alImpactar(disparo);
        }
    }
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
// Una repetición con Tab pulsado va a 4x: solo uno de cada cuatro cuadros espera.
void CPartida::voltear()
{
    const bool deprisa = repeticion && sistema.entrada.teclas()[KEY_TAB] && siguiente % 4 != 0;
    if (!deprisa)
        sistema.esperarTickDistinto(ultimoVolteo);
    ultimoVolteo = sistema.leerReloj();
    sistema.voltearPaginas();
}

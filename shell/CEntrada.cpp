#include "shell/CEntrada.h"

#include "ajustes/Preferencias.h"

CEntrada::CEntrada()
    : teclado(nullptr), conMando(false), cambiadas(false), partida(false), elegidas(), zonaMuerta(Preferencias().zonaMuerta),
      botonRetenido(false), botonPulsado(-1), botonVisto(-1), unidas(), atendida()
{
    asignarTeclas(TECLAS_JUEGO, zonaMuerta);
}

void CEntrada::asignarTeclas(const int (&nuevas)[NUM_ACCIONES], int zonaNueva)
{
    cambiadas = false;
    for (int a = 0; a < NUM_ACCIONES; ++a) {
        elegidas[a] = nuevas[a];
        cambiadas = cambiadas || nuevas[a] != TECLAS_JUEGO[a];
    }
    zonaMuerta = zonaNueva;
}

void CEntrada::iniciar(volatile char* tecladoNuevo, bool conMandoNuevo)
{
    teclado = tecladoNuevo;
    conMando = conMandoNuevo;
    botonRetenido = false;
    for (int tecla = 0; tecla < KEY_MAX; ++tecla) {
        unidas[tecla] = 0;
        atendida[tecla] = false;
    }
}

// El botón hace de Espacio y de 1: dispara en la fase y sigue adelante en
// la presentación y el menú. Start hace de P, y fuera de la partida también
// de 4: en el menú abre las opciones.
void CEntrada::actualizar(CDispositivos& dispositivos)
{
    dispositivos.cederTurno();
    EstadoMando mando;
    if (conMando)
        dispositivos.leerMando(mando);
    unir(mando);
}

void CEntrada::unir(const EstadoMando& mando)
{
    botonPulsado = mando.pulsado;
    if (!propias())
        return;
    for (int tecla = 0; tecla < KEY_MAX; ++tecla)
        unidas[tecla] = teclado[tecla];
    // En la partida la tecla de siempre no hace nada si la acción tiene otra.
    for (int a = 0; partida && a < NUM_ACCIONES; ++a)
        unidas[TECLAS_JUEGO[a]] = teclado[elegidas[a]];
    unidas[KEY_UP] |= mando.arriba || mando.ejeY < -zonaMuerta;
    unidas[KEY_DOWN] |= mando.abajo || mando.ejeY > zonaMuerta;
    unidas[KEY_LEFT] |= mando.izquierda || mando.ejeX < -zonaMuerta;
    unidas[KEY_RIGHT] |= mando.derecha || mando.ejeX > zonaMuerta;
    botonRetenido = botonRetenido && mando.boton;
    const bool boton = mando.boton && !botonRetenido;
    unidas[KEY_SPACE] |= boton;
    unidas[KEY_1] |= boton;
    unidas[KEY_P] |= mando.inicio;
    unidas[KEY_4] |= mando.inicio && !partida;
}

int CEntrada::botonNuevo()
{
    const bool nuevo = botonPulsado >= 0 && botonPulsado != botonVisto;
    botonVisto = botonPulsado;
    return nuevo ? botonPulsado : -1;
}

void CEntrada::retenerBoton()
{
    botonRetenido = true;
    if (!propias())
        return;
    unidas[KEY_SPACE] = teclado[KEY_SPACE];
    unidas[KEY_1] = teclado[KEY_1];
}

void CEntrada::darPorAtendidas()
{
    for (int tecla = 0; tecla < KEY_MAX; ++tecla)
        pulsacion(tecla);
    botonNuevo();
}

bool CEntrada::algunaPulsada()
{
    volatile char* arreglo = teclas();
    for (int tecla = 0; tecla < KEY_MAX; ++tecla)
        if (arreglo[tecla])
            return true;
    return false;
}

bool CEntrada::pulsacion(int tecla)
{
    if (!teclas()[tecla]) {
        atendida[tecla] = false;
        return false;
    }
    if (atendida[tecla])
        return false;
    atendida[tecla] = true;
    return true;
}

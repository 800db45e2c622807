#include "shell/CEntrada.h"

CEntrada::CEntrada() : teclado(nullptr), conMando(false), botonRetenido(false), unidas(), atendida()
{
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
// la presentación y el menú. Start hace de P.
void CEntrada::unir(const EstadoMando& mando)
{
    if (!conMando)
        return;
    for (int tecla = 0; tecla < KEY_MAX; ++tecla)
        unidas[tecla] = teclado[tecla];
    unidas[KEY_UP] |= mando.arriba || mando.ejeY < -ZONA_MUERTA;
    unidas[KEY_DOWN] |= mando.abajo || mando.ejeY > ZONA_MUERTA;
    unidas[KEY_LEFT] |= mando.izquierda || mando.ejeX < -ZONA_MUERTA;
    unidas[KEY_RIGHT] |= mando.derecha || mando.ejeX > ZONA_MUERTA;
    botonRetenido = botonRetenido && mando.boton;
    const bool boton = mando.boton && !botonRetenido;
    unidas[KEY_SPACE] |= boton;
    unidas[KEY_1] |= boton;
    unidas[KEY_P] |= mando.inicio;
}

void CEntrada::retenerBoton()
{
    botonRetenido = true;
    if (!conMando)
        return;
    unidas[KEY_SPACE] = teclado[KEY_SPACE];
    unidas[KEY_1] = teclado[KEY_1];
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

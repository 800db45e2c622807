#include "plataforma/CMandoAllegro.h"

namespace {

bool esPalanca(const JOYSTICK_STICK_INFO& palanca)
{
    return palanca.num_axis >= 2 && (palanca.flags & JOYFLAG_SIGNED);
}

bool centrada(const JOYSTICK_STICK_INFO& palanca)
{
    return !palanca.axis[0].d1 && !palanca.axis[0].d2 && !palanca.axis[1].d1 && !palanca.axis[1].d2;
}

}

// En Linux cada par de ejes es una palanca: tras la izquierda vienen los
// gatillos y la derecha revueltos, y la cruceta al final, de todo o nada.
// Un gatillo suelto ya marca un extremo (el de Xbox reposa en -32767): solo
// hacen de cruceta las palancas que al arrancar están en el centro.
bool CMandoAllegro::instalar(int botonDisparo, int botonInicio)
{
    fijarBotones(botonDisparo, botonInicio);
    crucetas = 0;
    if (install_joystick(JOY_TYPE_AUTODETECT) != 0 || num_joysticks < 1 || poll_joystick() != 0)
        return false;
    for (int s = 1; s < joy[0].num_sticks; ++s)
        if (esPalanca(joy[0].stick[s]) && centrada(joy[0].stick[s]))
            crucetas |= 1 << s;
    return true;
}

void CMandoAllegro::leer(EstadoMando& estado)
{
    estado = EstadoMando();
    if (num_joysticks < 1 || poll_joystick() != 0)
        return;
    const JOYSTICK_INFO& mando = joy[0];
    if (mando.num_sticks > 0 && esPalanca(mando.stick[0])) {
        estado.ejeX = mando.stick[0].axis[0].pos;
        estado.ejeY = mando.stick[0].axis[1].pos;
    }
    for (int s = 1; s < mando.num_sticks; ++s) {
        if (!(crucetas & (1 << s)))
            continue;
        const JOYSTICK_AXIS_INFO* ejes = mando.stick[s].axis;
        estado.izquierda |= ejes[0].d1 != 0;
        estado.derecha |= ejes[0].d2 != 0;
        estado.arriba |= ejes[1].d1 != 0;
        estado.abajo |= ejes[1].d2 != 0;
    }
    for (int b = mando.num_buttons - 1; b >= 0; --b)
        if (mando.button[b].b)
            estado.pulsado = b;
    if (mando.num_buttons > disparo)
        estado.boton = mando.button[disparo].b != 0;
    // Start es el octavo botón en los mandos de tipo Xbox; en los de menos
    // botones, el último, si no es el de disparar.
    const int cual = mando.num_buttons > inicio ? inicio : mando.num_buttons - 1;
    if (cual >= 0 && cual != disparo)
        estado.inicio = mando.button[cual].b != 0;
}

void CMandoAllegro::fijarBotones(int botonDisparo, int botonInicio)
{
    disparo = botonDisparo;
    inicio = botonInicio;
}

#include "sonido/CEfectos.h"

#include <string>

#include "plataforma/Escala.h"
#include "plataforma/Recursos.h"
#include "shell/CExcepcion.h"

CEfectos efectos;

namespace {

struct Datos {
    const char* archivo;
    // De 255: por debajo de la música, y lo que se repite mucho, más bajo.
    // Medidos con la muerte del gigante, premios y disparos encima de la
    // música de la fase: la salida no llega al tope.
    int volumen;
};
const Datos DATOS[NUM_EFECTOS] = {
    { "sounds/disparo.wav", 94 },          { "sounds/perforante.wav", 94 },
    { "sounds/curvo.wav", 94 },            { "sounds/estallido.wav", 102 },
    { "sounds/impacto.wav", 77 },          { "sounds/explosion.wav", 128 },
    { "sounds/explosion_metal.wav", 145 }, { "sounds/explosion_gigante.wav", 162 },
    { "sounds/bala.wav", 51 },             { "sounds/herida.wav", 136 },
    { "sounds/premio.wav", 102 },          { "sounds/aviso_gigante.wav", 128 },
};

// Frecuencia de reproducción en milésimas de la original: un 4 % arriba o abajo.
const int VARIACION = 40;

}

CEfectos::CEfectos() : dispositivos(nullptr), reloj(nullptr), muestras(), tickDe(), copias(), semilla(12345)
{
}

const char* CEfectos::archivo(Efecto efecto)
{
    return DATOS[efecto].archivo;
}

// Si uno falla, los ya cargados se sueltan: nada queda a medias.
void CEfectos::cargar(CDispositivos* dispositivosDados, uint32_t (*relojDado)())
{
    dispositivos = dispositivosDados;
    reloj = relojDado;
    for (int e = 0; e < NUM_EFECTOS; ++e) {
        const std::string ruta = rutaRecurso(DATOS[e].archivo);
        muestras[e] = dispositivos->cargarSonido(ruta.c_str());
        if (!muestras[e]) {
            liberar();
            throw CExcepcion(ERROR_ARCHIVOS);
        }
    }
}

void CEfectos::liberar()
{
    for (SAMPLE*& muestra : muestras) {
        if (muestra)
            dispositivos->liberarSonido(muestra);
        muestra = nullptr;
    }
}

void CEfectos::sonar(Efecto efecto, int x)
{
    if (!muestras[efecto])
        return;
    const uint32_t tick = reloj();
    if (tickDe[efecto] != tick) {
        tickDe[efecto] = tick;
        copias[efecto] = 0;
    }
    if (copias[efecto] >= COPIAS_POR_TICK)
        return;
    ++copias[efecto];
    const int pan = x < 0 ? 0 : x >= ANCHO_PAGINA ? 255 : x * 256 / ANCHO_PAGINA;
    dispositivos->tocarSonido(muestras[efecto], DATOS[efecto].volumen, pan, 1000 + variacionTono());
}

void CEfectos::parar()
{
    for (SAMPLE* muestra : muestras)
        if (muestra)
            dispositivos->pararSonido(muestra);
}

int CEfectos::variacionTono()
{
    semilla = semilla * 1103515245u + 12345u;
    return static_cast<int>((semilla >> 16) % (2 * VARIACION + 1)) - VARIACION;
}

#include "tools/Sonidos.h"

#include "tools/CarpetaSalida.h"
#include "tools/EscritorWav.h"

namespace {
struct Efecto {
    const char* ruta;
    Senal (*sintetizar)();
};

const Efecto EFECTOS[] = {
    {"sounds/disparo.wav", sonidoDisparo},
    {"sounds/perforante.wav", sonidoPerforante},
    {"sounds/curvo.wav", sonidoCurvo},
    {"sounds/estallido.wav", sonidoEstallido},
    {"sounds/impacto.wav", sonidoImpacto},
    {"sounds/explosion.wav", sonidoExplosion},
    {"sounds/explosion_metal.wav", sonidoExplosionMetal},
    {"sounds/explosion_gigante.wav", sonidoExplosionGigante},
    {"sounds/bala.wav", sonidoBala},
    {"sounds/herida.wav", sonidoHerida},
    {"sounds/premio.wav", sonidoPremio},
    {"sounds/aviso_gigante.wav", sonidoAvisoGigante},
};
}

void generarSonidos(const CarpetaSalida& salida)
{
    for (const Efecto& efecto : EFECTOS)
        salida.escribir(efecto.ruta, codificarWav(rematar(efecto.sintetizar()), FRECUENCIA_MUESTREO));
}

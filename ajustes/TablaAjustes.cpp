#include "ajustes/TablaAjustes.h"

#include <cstring>
#include <iterator>

namespace {

using P = Preferencias;

constexpr DescripcionAjuste numero(Ajuste ajuste, const char* seccion, const char* clave, int P::*campo, int deSerie,
                                   int minimo, int maximo, VistaAjuste vista)
{
    return { ajuste, seccion, clave, campo, nullptr, -1, deSerie, minimo, maximo, vista };
}

constexpr DescripcionAjuste siNo(Ajuste ajuste, const char* seccion, const char* clave, bool P::*campo,
                                 VistaAjuste vista)
{
    return { ajuste, seccion, clave, nullptr, campo, -1, 0, 0, 1, vista };
}

// La de serie es la tecla que lee la partida: sin cambiar nada, ninguna se traduce.
constexpr DescripcionAjuste tecla(int accion, const char* clave, const char* rotulo)
{
    return { Ajuste::TECLAS, "teclas", clave, nullptr, nullptr, accion, TECLAS_JUEGO[accion], 1, KEY_MAX - 1,
             { Control::TECLA, Cuando::SIEMPRE, rotulo, 1, 1 + accion } };
}

// En el orden del archivo; las opciones las ordenan por su columna y su fila.
const DescripcionAjuste FILAS[] = {
    numero(Ajuste::ESCALA, "pantalla", "escala", &P::escala, 0, 0, P::ESCALA_MAXIMA,
           { Control::FACTOR, Cuando::EN_VENTANA, "Escala", 0, 5 }),
    siNo(Ajuste::COMPLETA, "pantalla", "completa", &P::completa,
         { Control::ALTERNAR, Cuando::SIEMPRE, "Modo", 0, 4, 1, "completa", "ventana" }),
    siNo(Ajuste::ESTIRADA, "pantalla", "estirada", &P::estirada,
         { Control::ALTERNAR, Cuando::EN_COMPLETA, "Imagen", 0, 5, 1, "estirada", "entera" }),
    siNo(Ajuste::SILENCIO, "sonido", "silencio", &P::silencio,
         { Control::ALTERNAR, Cuando::SIEMPRE, "Silencio", 0, 2, 1, "sí", "no" }),
    numero(Ajuste::VOLUMEN, "sonido", "volumen", &P::volumen, P::VOLUMEN_MAXIMO, 0, P::VOLUMEN_MAXIMO,
           { Control::PASOS, Cuando::SIEMPRE, "Volumen", 0, 1 }),
    numero(Ajuste::BOTONES, "mando", "boton_disparo", &P::botonDisparo, 1, 1, P::BOTONES_MAXIMOS,
           { Control::BOTON, Cuando::CON_MANDO, "Disparo", 0, 7 }),
    // Si el mando no tiene tantos, el último.
    numero(Ajuste::BOTONES, "mando", "boton_inicio", &P::botonInicio, 8, 1, P::BOTONES_MAXIMOS,
           { Control::BOTON, Cuando::CON_MANDO, "Inicio", 0, 8 }),
    // De 128: lo que hay que mover la palanca para que cuente.
    numero(Ajuste::ZONA_MUERTA, "mando", "zona_muerta", &P::zonaMuerta, 48, 0, 127,
           { Control::PASOS, Cuando::CON_MANDO, "Zona muerta", 0, 9, 8 }),
    tecla(ARRIBA, "arriba", "Arriba"),
    tecla(ABAJO, "abajo", "Abajo"),
    tecla(IZQUIERDA, "izquierda", "Izquierda"),
    tecla(DERECHA, "derecha", "Derecha"),
    tecla(DISPARO, "disparo", "Disparo"),
    tecla(PAUSA, "pausa", "Pausa"),
};

}

const TablaAjustes TABLA_AJUSTES;

const DescripcionAjuste* TablaAjustes::begin() const
{
    return std::begin(FILAS);
}

const DescripcionAjuste* TablaAjustes::end() const
{
    return std::end(FILAS);
}

const DescripcionAjuste* TablaAjustes::buscar(const char* clave) const
{
    for (const DescripcionAjuste& d : FILAS)
        if (!std::strcmp(d.clave, clave))
            return &d;
    return nullptr;
}

const DescripcionAjuste& TablaAjustes::deTecla(int accion) const
{
    const DescripcionAjuste* d = begin();
    while (d->accion != accion)
        ++d;
    return *d;
}

// Las preferencias se construyen con los valores de serie de la tabla.
Preferencias::Preferencias()
{
    for (const DescripcionAjuste& d : TABLA_AJUSTES) {
        if (d.numero)
            this->*d.numero = d.deSerie;
        else if (d.siNo)
            this->*d.siNo = d.deSerie != 0;
        else
            teclas[d.accion] = d.deSerie;
    }
}

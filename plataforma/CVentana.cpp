#include "plataforma/CVentana.h"

#include "shell/CExcepcion.h"

#include <cstdio>

CVentana::CVentana()
    : dispositivos(nullptr), intentoGrafico(0), anchoEscritorio(ANCHO_PAGINA), altoEscritorio(ALTO_PAGINA),
      factorEnVentana(1), estirada(false)
{
}

// Sin factor pedido, la ventana se abre tan grande como quepa holgada en el escritorio.
void CVentana::abrir(int factor, bool completa, bool estiradaPedida)
{
    dispositivos->tamanoEscritorio(anchoEscritorio, altoEscritorio);
    if (factor > factorMaximo())
        std::fprintf(stderr, "escuadron-rana: la escala %d no cabe en este escritorio; se usa %d\n", factor,
                     factorMaximo());
    actual = modoCon(factor, completa, estiradaPedida);
    for (intentoGrafico = 0; intentoGrafico < 3; ++intentoGrafico)
        if (dispositivos->fijarModoGrafico(intentoGrafico, actual) == 0)
            return;
    throw CExcepcion(ERROR_GRAFICOS);
}

// En pantalla completa no hay ventana que cambiar de tamaño.
ModoPantalla CVentana::siguienteTamano() const
{
    if (actual.completa)
        return actual;
    return modoVentana(siguienteFactor(actual.factor, anchoEscritorio, altoEscritorio));
}

ModoPantalla CVentana::alternarCompleta() const
{
    return actual.completa ? modoVentana(factorEnVentana)
                           : modoPantallaCompleta(anchoEscritorio, altoEscritorio, estirada);
}

ModoPantalla CVentana::modoCon(int factor, bool completa, bool estiradaPedida)
{
    factorEnVentana = factor >= 1 && factor <= factorMaximo() ? factor : factorMaximo();
    estirada = estiradaPedida;
    return completa ? modoPantallaCompleta(anchoEscritorio, altoEscritorio, estirada) : modoVentana(factorEnVentana);
}

int CVentana::factorMaximo() const
{
    return ::factorVentana(anchoEscritorio, altoEscritorio);
}

void CVentana::cambiar(const ModoPantalla& nuevo)
{
    if (dispositivos->fijarModoGrafico(intentoGrafico, nuevo) == 0)
        actual = nuevo;
    else if (dispositivos->fijarModoGrafico(intentoGrafico, actual) != 0)
        throw CExcepcion(ERROR_GRAFICOS);
    if (!actual.completa)
        factorEnVentana = actual.factor;
}

void CVentana::fijarConmutacion()
{
    if (dispositivos->fijarModoConmutacion(SWITCH_AMNESIA) != -1)
        return;
    if (dispositivos->fijarModoConmutacion(SWITCH_BACKGROUND) != -1)
        return;
    throw CExcepcion(ERROR_GRAFICOS);
}

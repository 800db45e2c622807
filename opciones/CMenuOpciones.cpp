#include "opciones/CMenuOpciones.h"

#include <algorithm>

CMenuOpciones::CMenuOpciones(const Preferencias& actuales, int factorMaximoDado, bool hayMandoDado)
    : prefs(actuales), factorMaximo(std::max(1, factorMaximoDado)), conMando(hayMandoDado), actual(0),
      esperando(Espera::NADA), si(false), ultimoAviso(Aviso::NINGUNO), dato(0)
{
    construir();
}

// El orden es el de la pantalla: la columna del sonido, la pantalla y el
// mando, y la de las teclas con las dos últimas.
void CMenuOpciones::construir()
{
    lista = { { Entrada::VOLUMEN, 0 }, { Entrada::SILENCIO, 0 }, { Entrada::MODO, 0 },
              { prefs.completa ? Entrada::IMAGEN : Entrada::ESCALA, 0 } };
    if (conMando)
        for (Entrada e : { Entrada::BOTON_DISPARO, Entrada::BOTON_INICIO, Entrada::ZONA_MUERTA })
            lista.push_back({ e, 0 });
    for (int a = 0; a < NUM_ACCIONES; ++a)
        lista.push_back({ Entrada::TECLA, a });
    lista.push_back({ Entrada::SERIE, 0 });
    lista.push_back({ Entrada::VOLVER, 0 });
    actual = std::min(actual, static_cast<int>(lista.size()) - 1);
}

void CMenuOpciones::actualizar(const Preferencias& actuales)
{
    const bool otroModo = actuales.completa != prefs.completa;
    prefs = actuales;
    if (otroModo)
        construir();
}

int CMenuOpciones::factor() const
{
    return prefs.escala >= 1 && prefs.escala <= factorMaximo ? prefs.escala : factorMaximo;
}

void CMenuOpciones::mover(int paso)
{
    const int n = static_cast<int>(lista.size());
    actual = ((actual + paso) % n + n) % n;
    ultimoAviso = Aviso::NINGUNO;
}

Resultado CMenuOpciones::cambiado(Ajuste cual)
{
    Resultado r;
    r.cambio = true;
    r.cual = cual;
    return r;
}

Resultado CMenuOpciones::alternar(Entrada entrada)
{
    switch (entrada) {
    case Entrada::SILENCIO: prefs.silencio = !prefs.silencio; return cambiado(Ajuste::SILENCIO);
    case Entrada::MODO:
        prefs.completa = !prefs.completa;
        construir();
        return cambiado(Ajuste::COMPLETA);
    case Entrada::IMAGEN: prefs.estirada = !prefs.estirada; return cambiado(Ajuste::ESTIRADA);
    default: return Resultado();
    }
}

// Un valor en su borde no cambia: ni se aplica ni se guarda otra vez.
Resultado CMenuOpciones::cambiar(int paso)
{
    if (esperando == Espera::PREGUNTA) {
        si = !si;
        return Resultado();
    }
    if (esperando != Espera::NADA)
        return Resultado();
    ultimoAviso = Aviso::NINGUNO;
    auto pasar = [paso](int& valor, int minimo, int maximo, int tamano) {
        const int antes = valor;
        valor = std::clamp(valor + paso * tamano, minimo, maximo);
        return valor != antes;
    };
    const LineaOpciones linea = lineaElegida();
    int escala = factor();
    switch (linea.entrada) {
    case Entrada::VOLUMEN:
        return pasar(prefs.volumen, 0, Preferencias::VOLUMEN_MAXIMO, 1) ? cambiado(Ajuste::VOLUMEN) : Resultado();
    case Entrada::ESCALA:
        if (!pasar(escala, 1, factorMaximo, 1))
            return Resultado();
        prefs.escala = escala;
        return cambiado(Ajuste::ESCALA);
    case Entrada::BOTON_DISPARO:
        return pasar(prefs.botonDisparo, 1, Preferencias::BOTONES_MAXIMOS, 1) ? cambiado(Ajuste::BOTONES) : Resultado();
    case Entrada::BOTON_INICIO:
        return pasar(prefs.botonInicio, 1, Preferencias::BOTONES_MAXIMOS, 1) ? cambiado(Ajuste::BOTONES) : Resultado();
    case Entrada::ZONA_MUERTA:
        return pasar(prefs.zonaMuerta, 0, 127, PASO_ZONA_MUERTA) ? cambiado(Ajuste::ZONA_MUERTA) : Resultado();
    default: return alternar(linea.entrada);
    }
}

Resultado CMenuOpciones::elegir()
{
    if (esperando == Espera::PREGUNTA) {
        esperando = Espera::NADA;
        if (!si)
            return Resultado();
        prefs = Preferencias();
        construir();
        ultimoAviso = Aviso::DE_SERIE;
        return cambiado(Ajuste::TODOS);
    }
    if (esperando != Espera::NADA)
        return Resultado();
    ultimoAviso = Aviso::NINGUNO;
    switch (lineaElegida().entrada) {
    case Entrada::TECLA: esperando = Espera::TECLA; return Resultado();
    case Entrada::BOTON_DISPARO:
    case Entrada::BOTON_INICIO: esperando = Espera::BOTON; return Resultado();
    case Entrada::SERIE:
        esperando = Espera::PREGUNTA;
        si = false;
        return Resultado();
    case Entrada::VOLVER: return cancelar();
    default: return alternar(lineaElegida().entrada);
    }
}

Resultado CMenuOpciones::cancelar()
{
    Resultado r;
    r.volver = esperando == Espera::NADA;
    esperando = Espera::NADA;
    return r;
}

// Una tecla fija no se da; una que ya tiene otra acción, se cambian las dos.
Resultado CMenuOpciones::tecla(int codigo)
{
    if (esperando != Espera::TECLA)
        return Resultado();
    esperando = Espera::NADA;
    const int accion = lineaElegida().accion;
    if (CAjustes::teclaFija(codigo)) {
        ultimoAviso = Aviso::FIJA;
        dato = codigo;
        return Resultado();
    }
    ultimoAviso = Aviso::NINGUNO;
    for (int otra = 0; otra < NUM_ACCIONES; ++otra)
        if (otra != accion && prefs.teclas[otra] == codigo) {
            prefs.teclas[otra] = prefs.teclas[accion];
            ultimoAviso = Aviso::CAMBIADAS;
            dato = otra;
        }
    prefs.teclas[accion] = codigo;
    return cambiado(Ajuste::TECLAS);
}

Resultado CMenuOpciones::boton(int numero)
{
    if (esperando != Espera::BOTON || numero < 1 || numero > Preferencias::BOTONES_MAXIMOS)
        return Resultado();
    esperando = Espera::NADA;
    const bool disparo = lineaElegida().entrada == Entrada::BOTON_DISPARO;
    int& elegido = disparo ? prefs.botonDisparo : prefs.botonInicio;
    int& otro = disparo ? prefs.botonInicio : prefs.botonDisparo;
    if (otro == numero)
        otro = elegido;
    elegido = numero;
    return cambiado(Ajuste::BOTONES);
}

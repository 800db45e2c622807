#include "opciones/CMenuOpciones.h"

#include <algorithm>

CMenuOpciones::CMenuOpciones(const Preferencias& actuales, int factorMaximoDado, bool hayMandoDado)
    : prefs(actuales), factorMaximo(std::max(1, factorMaximoDado)), conMando(hayMandoDado), actual(0),
      esperando(Espera::NADA), si(false), ultimoAviso(Aviso::NINGUNO), dato(0)
{
    construir();
}

// En el orden de la pantalla, por columna y fila: la columna del sonido, la
// pantalla y el mando, y la de las teclas con las dos últimas.
void CMenuOpciones::construir()
{
    lista.clear();
    for (const DescripcionAjuste& d : TABLA_AJUSTES)
        if (sale(d))
            lista.push_back({ Opcion::AJUSTE, &d });
    std::stable_sort(lista.begin(), lista.end(), [](const LineaOpciones& a, const LineaOpciones& b) {
        const VistaAjuste &va = a.ajuste->vista, &vb = b.ajuste->vista;
        return va.columna != vb.columna ? va.columna < vb.columna : va.fila < vb.fila;
    });
    lista.push_back({ Opcion::SERIE, nullptr });
    lista.push_back({ Opcion::VOLVER, nullptr });
    actual = std::min(actual, static_cast<int>(lista.size()) - 1);
}

bool CMenuOpciones::sale(const DescripcionAjuste& d) const
{
    switch (d.vista.cuando) {
    case Cuando::EN_VENTANA: return !prefs.completa;
    case Cuando::EN_COMPLETA: return prefs.completa;
    case Cuando::CON_MANDO: return conMando;
    case Cuando::SIEMPRE: break;
    }
    return true;
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

// Un sí o un no; el modo cambia además qué líneas salen.
Resultado CMenuOpciones::alternar(const DescripcionAjuste& d)
{
    prefs.*d.siNo = !(prefs.*d.siNo);
    construir();
    return cambiado(d.ajuste);
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
    const LineaOpciones linea = lineaElegida();
    if (!linea.ajuste)
        return Resultado();
    const DescripcionAjuste& d = *linea.ajuste;
    switch (d.vista.control) {
    case Control::ALTERNAR: return alternar(d);
    case Control::TECLA: return Resultado();
    case Control::FACTOR: {
        const int escala = std::clamp(factor() + paso, 1, factorMaximo);
        if (escala == factor())
            return Resultado();
        prefs.escala = escala;
        return cambiado(d.ajuste);
    }
    case Control::PASOS:
    case Control::BOTON: break;
    }
    int& valor = prefs.*d.numero;
    const int antes = valor;
    valor = std::clamp(valor + paso * d.vista.paso, d.minimo, d.maximo);
    return valor != antes ? cambiado(d.ajuste) : Resultado();
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
    const LineaOpciones& linea = lineaElegida();
    switch (linea.opcion) {
    case Opcion::SERIE:
        esperando = Espera::PREGUNTA;
        si = false;
        return Resultado();
    case Opcion::VOLVER: return cancelar();
    case Opcion::AJUSTE: break;
    }
    switch (linea.control()) {
    case Control::TECLA: esperando = Espera::TECLA; return Resultado();
    case Control::BOTON: esperando = Espera::BOTON; return Resultado();
    case Control::ALTERNAR: return alternar(*linea.ajuste);
    case Control::PASOS:
    case Control::FACTOR: break;
    }
    return Resultado();
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
    const int accion = lineaElegida().ajuste->accion;
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
    const DescripcionAjuste& d = *lineaElegida().ajuste;
    if (esperando != Espera::BOTON || numero < d.minimo || numero > d.maximo)
        return Resultado();
    esperando = Espera::NADA;
    // Los dos botones no pueden ser el mismo: el otro toma el que tenía este.
    const bool disparo = d.numero == &Preferencias::botonDisparo;
    int& elegido = prefs.*d.numero;
    int& otro = disparo ? prefs.botonInicio : prefs.botonDisparo;
    if (otro == numero)
        otro = elegido;
    elegido = numero;
    return cambiado(Ajuste::BOTONES);
}

#include "world/CListaEntidades.h"

#include "world/CEntidad.h"

// Al salir del programa la lista ya está vacía (cada partida la vacía),
// así que su destructor no toca nada del contexto del motor.
CListaEntidades listaEntidades;

CListaEntidades::CListaEntidades() : cabeza(nullptr), cola(nullptr)
{
}

CListaEntidades::~CListaEntidades()
{
    vaciar();
}

void CListaEntidades::agregar(CEntidad* entidad)
{
    NodoEntidad* nodo = new NodoEntidad{ entidad, nullptr };
    if (cola)
        cola->siguiente = nodo;
    else
        cabeza = nodo;
    cola = nodo;
}

void CListaEntidades::quitarYBorrar(CEntidad* entidad)
{
    NodoEntidad* quitado = cabeza;
    if (cabeza->entidad == entidad) {
        if (cabeza == cola)
            cabeza = cola = nullptr;
        else
            cabeza = cabeza->siguiente;
    } else {
        NodoEntidad* anterior = cabeza;
        quitado = cabeza->siguiente;
        while (quitado->entidad != entidad) {
            anterior = quitado;
            quitado = quitado->siguiente;
        }
        if (quitado == cola) {
            cola = anterior;
            cola->siguiente = nullptr;
        } else {
            anterior->siguiente = quitado->siguiente;
        }
    }
    delete quitado->entidad;
    delete quitado;
}

void CListaEntidades::vaciar()
{
    NodoEntidad* nodo = cabeza;
    while (nodo) {
        NodoEntidad* despues = siguiente(nodo);
        delete nodo->entidad;
        delete nodo;
        nodo = despues;
    }
    cabeza = cola = nullptr;
}

// Se guarda el nodo anterior al que se actualiza: si este se quita, el
// anterior sigue valiendo, y el recorrido salta adrede a su nuevo siguiente.
void CListaEntidades::actualizarTodas()
{
    if (!cabeza)
        return;
    cabeza->entidad->actualizar();
    NodoEntidad* nodo = cabeza;
    if (!nodo || nodo == cola)
        return;
    for (;;) {
        nodo->siguiente->entidad->actualizar();
        if (nodo == cola)
            return;
        nodo = nodo->siguiente;
        if (nodo == cola)
            return;
    }
}

void CListaEntidades::dibujarTodas()
{
    paraCada([](CEntidad* entidad) { entidad->dibujar(); });
}

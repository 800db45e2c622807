#ifndef CLISTAENTIDADES_H
#define CLISTAENTIDADES_H

class CEntidad;

struct NodoEntidad {
    CEntidad* entidad;
    NodoEntidad* siguiente;
};

// La lista de todo lo vivo, en orden de creación: la rana, que se crea
// primero, va siempre en cabeza. Es dueña de sus entidades.
class CListaEntidades {
public:
    CListaEntidades();
    virtual ~CListaEntidades();

    void agregar(CEntidad* entidad);
    // Desengancha el nodo de la entidad y borra ambos. La entidad está en la lista.
    void quitarYBorrar(CEntidad* entidad);
    // Borra todo, de la más vieja a la más nueva.
    void vaciar();

    // Un actualizar para cada entidad. Una entidad puede quitarse durante
    // el suyo; la que la sigue se pierde entonces este cuadro (queda para
    // el siguiente, con todo el tiempo pasado). Las que se añaden durante
    // el recorrido se actualizan en el mismo cuadro.
    void actualizarTodas();
    void dibujarTodas();
    bool vacia() const { return cabeza == nullptr; }

    // Para recorrer la lista sin quitar nada: el nodo que sigue, o nulo tras
    // la cola. Llega también a las entidades que se añadan por el camino.
    NodoEntidad* siguiente(const NodoEntidad* nodo) const { return nodo == cola ? nullptr : nodo->siguiente; }
    // Cada entidad, en orden, con ese mismo recorrido.
    template <class F> void paraCada(F hacer)
    {
        for (NodoEntidad* nodo = cabeza; nodo; nodo = siguiente(nodo))
            hacer(nodo->entidad);
    }

    NodoEntidad* cabeza;
    NodoEntidad* cola;
};

extern CListaEntidades listaEntidades;

#endif

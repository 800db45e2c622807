#ifndef CMENUOPCIONES_H
#define CMENUOPCIONES_H

#include <vector>

#include "ajustes/CAjustes.h"
#include "ajustes/Preferencias.h"
#include "ajustes/TablaAjustes.h"

// Una línea de las opciones: un ajuste de la tabla (los que tocan según el
// modo y el mando), y al final volver a los de serie y volver al menú.
enum class Opcion { AJUSTE, SERIE, VOLVER };

struct LineaOpciones {
    Opcion opcion;
    // El de una línea AJUSTE; nulo en las otras.
    const DescripcionAjuste* ajuste;

    Control control() const { return ajuste ? ajuste->vista.control : Control::PASOS; }
};

// Lo que se está esperando del jugador, aparte de moverse por las entradas.
enum class Espera { NADA, TECLA, BOTON, PREGUNTA };

// Lo que hay que contarle al jugador en la línea de avisos.
enum class Aviso { NINGUNO, FIJA, CAMBIADAS, DE_SERIE };

// Qué hizo una pulsación: un ajuste cambiado, que hay que aplicar y
// guardar, o la vuelta al menú.
struct Resultado {
    bool cambio = false;
    Ajuste cual = Ajuste::TODOS;
    bool volver = false;
};

// Las entradas de las opciones y sus valores, sin pantalla ni teclado: cada
// operación es lo que hace una tecla o un botón.
class CMenuOpciones {
public:
    CMenuOpciones(const Preferencias& actuales, int factorMaximo, bool hayMando);

    // Lo que cambió fuera (F10, F11, M, - y +) mientras se miraban las opciones.
    void actualizar(const Preferencias& actuales);

    // Arriba y abajo: la entrada anterior o la siguiente, dando la vuelta.
    void mover(int paso);
    // Izquierda y derecha: el valor un paso abajo o arriba, o el sí y el no de la pregunta.
    Resultado cambiar(int paso);
    // Espacio, Intro o el botón.
    Resultado elegir();
    // Escape: deja la espera o la pregunta, o vuelve al menú.
    Resultado cancelar();
    // La tecla pulsada mientras se espera una para la acción elegida.
    Resultado tecla(int codigo);
    // El botón pulsado (desde 1) mientras se espera uno.
    Resultado boton(int numero);

    const std::vector<LineaOpciones>& lineas() const { return lista; }
    int elegida() const { return actual; }
    const LineaOpciones& lineaElegida() const { return lista[actual]; }
    const Preferencias& valores() const { return prefs; }
    // El factor de la ventana que se ve: 0, o uno que no cabe, es el mayor.
    int factor() const;
    bool hayMando() const { return conMando; }
    Espera espera() const { return esperando; }
    bool respuestaSi() const { return si; }
    Aviso aviso() const { return ultimoAviso; }
    // La tecla rechazada o la otra acción de un cambio, según el aviso.
    int datoAviso() const { return dato; }

private:
    void construir();
    bool sale(const DescripcionAjuste& d) const;
    Resultado cambiado(Ajuste cual);
    Resultado alternar(const DescripcionAjuste& d);

    Preferencias prefs;
    int factorMaximo;
    bool conMando;
    std::vector<LineaOpciones> lista;
    int actual;
    Espera esperando;
    bool si;
    Aviso ultimoAviso;
    int dato;
};

#endif

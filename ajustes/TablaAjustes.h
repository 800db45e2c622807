#ifndef TABLAAJUSTES_H
#define TABLAAJUSTES_H

#include "ajustes/Preferencias.h"

// Lo que el jugador puede cambiar desde el juego; cada cambio se guarda en el acto.
// TODOS: las opciones volvieron a los valores de serie.
enum class Ajuste { ESCALA, COMPLETA, SILENCIO, VOLUMEN, ESTIRADA, TECLAS, BOTONES, ZONA_MUERTA, TODOS };

// Cómo se cambia en la pantalla de opciones: a pasos con las flechas, el
// factor de la ventana (hasta el mayor que cabe), un sí o un no, un botón
// del mando que se pulsa (o se elige a pasos), o una tecla que se pulsa.
enum class Control { PASOS, FACTOR, ALTERNAR, BOTON, TECLA };
// Cuándo sale en esa pantalla.
enum class Cuando { SIEMPRE, EN_VENTANA, EN_COMPLETA, CON_MANDO };

// Su línea en la pantalla de opciones: columna 0 o 1, y fila dentro de ella.
struct VistaAjuste {
    Control control;
    Cuando cuando;
    const char* rotulo;
    int columna, fila;
    // Lo que avanza con cada flecha, en PASOS.
    int paso = 1;
    // Lo que se escribe para el sí y para el no, en ALTERNAR.
    const char* textoSi = nullptr;
    const char* textoNo = nullptr;
};

// Un ajuste del juego: dónde va en el archivo, dónde vive en las
// preferencias, su valor de serie, lo que puede valer y cómo sale en las
// opciones. Leer, escribir, los valores de serie, los rangos, las líneas de
// las opciones y los nombres de las acciones salen todos de esta tabla.
struct DescripcionAjuste {
    Ajuste ajuste;
    const char* seccion;
    const char* clave;
    // Uno de los tres: un número, un sí o no, o la tecla de una acción (o -1).
    int Preferencias::*numero;
    bool Preferencias::*siNo;
    int accion;
    int deSerie;
    int minimo, maximo;
    VistaAjuste vista;

    bool esTecla() const { return accion >= 0; }
};

// Todos los ajustes, en el orden del archivo: for (const DescripcionAjuste& d : TABLA_AJUSTES).
class TablaAjustes {
public:
    const DescripcionAjuste* begin() const;
    const DescripcionAjuste* end() const;
    // El de esa clave, o nulo.
    const DescripcionAjuste* buscar(const char* clave) const;
    // El de la tecla de esa acción.
    const DescripcionAjuste& deTecla(int accion) const;
};

extern const TablaAjustes TABLA_AJUSTES;

#endif

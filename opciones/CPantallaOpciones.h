#ifndef CPANTALLAOPCIONES_H
#define CPANTALLAOPCIONES_H

#include <allegro.h>

#include <string>

#include "opciones/CLetras.h"
#include "opciones/CMenuOpciones.h"

// La pantalla de opciones: el fondo del generador con las entradas escritas
// encima. Cada cambio vale y se guarda en el acto; Escape o «Volver» llevan
// al menú, y el botón de cerrar sale del juego como en las demás pantallas.
class CPantallaOpciones {
public:
    explicit CPantallaOpciones(const CLetras& letras);

    // Lanza el error de archivos si falta el fondo.
    void ejecutar();

private:
    // Lo pulsado en esta vuelta; verdadero si toca volver al menú.
    bool atender(CMenuOpciones& menu);
    int teclaNueva();
    void aplicar(const CMenuOpciones& menu, const Resultado& resultado);

    void dibujar(const CMenuOpciones& menu, BITMAP* fondo);
    void dibujarLinea(const CMenuOpciones& menu, int indice, int x, int y, int ancho);
    void dibujarAvisos(const CMenuOpciones& menu);
    void encabezado(const char* texto, int x, int y);
    // A 2x si cabe en el ancho; si no, a 1x.
    void escribirAjustado(const std::string& texto, int x, int y, int ancho, int color, bool aLaDerecha);

    std::string etiqueta(const LineaOpciones& linea) const;
    std::string valor(const CMenuOpciones& menu, const LineaOpciones& linea) const;
    std::string nombreTecla(int tecla) const;

    const CLetras& letras;
};

#endif

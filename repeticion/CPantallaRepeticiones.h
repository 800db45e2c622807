#ifndef CPANTALLAREPETICIONES_H
#define CPANTALLAREPETICIONES_H

#include <allegro.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "opciones/CLetras.h"
#include "repeticion/CListaRepeticiones.h"

// La pantalla de las repeticiones: las partidas guardadas, de la más nueva a
// la más vieja, y la demo. Intro la ve con el reproductor y vuelve a la
// misma línea; Supr la borra tras preguntar; Escape lleva al menú, y el
// botón de cerrar sale del juego como en las demás pantallas.
class CPantallaRepeticiones {
public:
    static constexpr int FILAS = 12;

    explicit CPantallaRepeticiones(const CLetras& letras);

    // Lanza el error de archivos si falta el fondo o la fase de una que se ve.
    void ejecutar();

private:
    enum class Orden { NADA, VER, VOLVER };

    // Lo pulsado en esta vuelta.
    Orden atender(CListaRepeticiones& lista);
    Orden atenderPregunta(CListaRepeticiones& lista, bool elegir, bool volver);
    void ver(const LineaRepeticion& linea);

    void dibujar(const CListaRepeticiones& lista, BITMAP* fondo);
    void dibujarLinea(const LineaRepeticion& linea, int y, bool elegida);
    void dibujarPie(const CListaRepeticiones& lista);

    const CLetras& letras;
    // La línea de avisos: por qué no se vio o no se borró.
    std::string aviso;
};

// Cuándo se escribió, como lo dice la lista: 09/12/26 21:03.
std::string fechaCorta(std::time_t escrita);
// Lo que duró, en minutos y segundos: 2:37.
std::string duracion(uint64_t ticks);

#endif

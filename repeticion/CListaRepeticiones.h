#ifndef CLISTAREPETICIONES_H
#define CLISTAREPETICIONES_H

#include <ctime>
#include <string>
#include <vector>

#include "repeticion/CRepeticion.h"

// Una línea de la lista: una partida guardada, o la demo, que va la última.
struct LineaRepeticion {
    enum Estado { VALIDA, AJENA, DANADA };

    std::string ruta;
    std::string nombre; // el del archivo, sin carpeta
    bool demo = false;
    std::time_t escrita = 0;
    Estado estado = DANADA;
    // Leída solo si es VALIDA o AJENA.
    FichaRepeticion ficha;
    // AJENA: las reglas con que se grabó; DANADA: por qué no se lee.
    std::string problema;
};

// Las repeticiones que se pueden ver, sin pantalla ni teclado: cada
// operación es lo que hace una tecla o un botón.
class CListaRepeticiones {
public:
    explicit CListaRepeticiones(int filasVisibles);

    // Lee la carpeta, las escritas más tarde primero, y pone la demo al final.
    // De cada archivo, solo lo que se enseña. El cursor, en la primera.
    void leer(const std::string& carpeta, const std::string& rutaDemo);

    const std::vector<LineaRepeticion>& lineas() const { return lista; }
    // Sin partidas guardadas: solo queda la demo.
    bool sinPartidas() const { return lista.size() <= 1; }
    int elegida() const { return actual; }
    const LineaRepeticion& lineaElegida() const { return lista[actual]; }
    // La primera línea que cabe a la vista: sigue al cursor.
    int primeraVisible() const { return primera; }
    int filasVisibles() const { return filas; }

    // Arriba y abajo, dando la vuelta.
    void mover(int paso);

    // Supr: pregunta si borrar la elegida, «no» primero. La demo no se borra.
    bool preguntarBorrar();
    bool preguntando() const { return pregunta; }
    bool respuestaSi() const { return si; }
    // Izquierda y derecha, entre el sí y el no.
    void cambiarRespuesta() { si = !si; }
    // Escape.
    void dejarPregunta() { pregunta = false; }
    // Intro: con «sí» borra el archivo y el cursor se queda en su sitio, en
    // la que venía detrás. Falso si no se pudo borrar.
    bool responder();

private:
    void seguirCursor();

    int filas;
    std::vector<LineaRepeticion> lista;
    int actual = 0;
    int primera = 0;
    bool pregunta = false;
    bool si = false;
};

// Cómo acabó, como lo dice la lista.
const char* textoFin(FinPartida fin);

#endif

#ifndef LINEAORDENES_H
#define LINEAORDENES_H

#include <string>
#include <vector>

// Lo que pide la línea de órdenes para esta partida; no se guarda.
struct OpcionesLinea {
    int escala = 0;      // 0: la de los ajustes; 1..16 si se dio --escala
    int completa = -1;   // -1: la de los ajustes; 0: --ventana; 1: --pantalla-completa (gana la última)
    bool silencio = false;
    // --repeticion ARCHIVO: ver esa partida grabada.
    std::string repeticion;
    // --verificar ARCHIVO...: rehacer esas partidas sin pantalla.
    std::vector<std::string> verificar;
};

enum class Orden { JUGAR, AYUDA, VERSION, ERROR, VERIFICAR };

// No imprime nada: en ERROR, `problema` dice en una línea qué falla.
// Se puede llamar tantas veces como se quiera: cada vez empieza de cero.
Orden analizarLinea(int argc, char** argv, OpcionesLinea& opciones, std::string& problema);

// El uso, en español, con todas las opciones.
std::string textoAyuda();

// "Escuadrón Rana" y la versión del proyecto.
std::string textoVersion();

#endif

#ifndef MAPA_H
#define MAPA_H

#include "tools/Baldosas.h"

#include <array>
#include <map>
#include <string>
#include <vector>

class CarpetaSalida;

constexpr int COLUMNAS_CERCANAS = 256;
constexpr int COLUMNAS_LEJANAS = 72;
// El avance se para con la columna 246 a la izquierda: lo que aparezca
// después no llega a salir nunca.
constexpr int ULTIMA_COLUMNA_ALCANZADA = 246;

// Códigos de aparición del mapa, tal como los lee el juego.
enum class Enemigo { Nada = 0, Errante = 1, Acorazado = 2, Volador = 3, Gigante = 4 };

// El errante entra por el borde derecho; el acorazado, de 128 de alto,
// camina con los pies en la orilla.
constexpr int X_ENTRADA_ERRANTE = 640;
constexpr int ALTO_ACORAZADO = 128;
constexpr int Y_ACORAZADO = Y_SUELO - ALTO_ACORAZADO;

struct Oleada {
    int columna;
    Enemigo enemigo;
    int x, y;
};

// Formas de escribir las oleadas: se lee qué entra y en qué columna.
Oleada errante(int columna);
Oleada acorazado(int columna);
Oleada volador(int columna, int yCentro);
Oleada gigante(int columna);

// Qué baldosa da un carácter en cada fila; -1 donde no puede ir.
using BaldosaPorFila = std::array<int, FILAS_CAPA>;
using Leyenda = std::map<char, BaldosaPorFila>;
BaldosaPorFila enCualquierFila(int baldosa);
BaldosaPorFila enFilas(int desde, int hasta, int baldosa);
// Una baldosa distinta por fila, seguidas desde primera (cielo y agua).
BaldosaPorFila unaPorFila(int desde, int hasta, int primera);

// Trozo de una capa de arriba abajo, una cadena por fila.
using Tramo = std::array<const char*, FILAS_CAPA>;

struct DescripcionMapa {
    Leyenda leyendaCercana;
    std::vector<Tramo> cercana;
    Leyenda leyendaLejana;
    std::vector<Tramo> lejana;
    std::vector<Oleada> oleadas;
};

// Los números del mapa, por bloques como los lee el juego.
struct Mapa {
    std::vector<int> cercana; // fila a fila
    std::vector<int> lejana;
    std::array<int, COLUMNAS_CERCANAS> aparicion{}, aparicionX{}, aparicionY{};
};

// Lanza std::runtime_error diciendo dónde está la errata de la descripción.
Mapa traducirMapa(const DescripcionMapa& descripcion);
std::string textoDelMapa(const Mapa& mapa);

const DescripcionMapa& descripcionFase1();
void generarMapas(const CarpetaSalida& salida);

#endif

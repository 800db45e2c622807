#include "tools/Mapa.h"

#include "tools/CarpetaSalida.h"

#include <cstring>
#include <sstream>
#include <stdexcept>

Oleada errante(int columna)
{
    return {columna, Enemigo::Errante, X_ENTRADA_ERRANTE, 0};
}

Oleada acorazado(int columna)
{
    return {columna, Enemigo::Acorazado, 0, Y_ACORAZADO};
}

Oleada volador(int columna, int yCentro)
{
    return {columna, Enemigo::Volador, 0, yCentro};
}

Oleada gigante(int columna)
{
    return {columna, Enemigo::Gigante, 0, 0};
}

BaldosaPorFila enFilas(int desde, int hasta, int baldosa)
{
    BaldosaPorFila r;
    for (int fila = 0; fila < FILAS_CAPA; ++fila)
        r[fila] = fila >= desde && fila <= hasta ? baldosa : -1;
    return r;
}

BaldosaPorFila enCualquierFila(int baldosa)
{
    return enFilas(0, FILAS_CAPA - 1, baldosa);
}

BaldosaPorFila unaPorFila(int desde, int hasta, int primera)
{
    BaldosaPorFila r = enFilas(desde, hasta, 0);
    for (int fila = desde; fila <= hasta; ++fila)
        r[fila] = primera + fila - desde;
    return r;
}

namespace {
[[noreturn]] void errata(const std::string& capa, int fila, int columna, const std::string& que)
{
    throw std::runtime_error("mapa, capa " + capa + ", fila " + std::to_string(fila) + ", columna " +
                             std::to_string(columna) + ": " + que);
}

[[noreturn]] void errataDeOleada(int columna, const std::string& que)
{
    throw std::runtime_error("mapa, oleada de la columna " + std::to_string(columna) + ": " + que);
}

// Pega los tramos de una capa y cambia cada carácter por su baldosa.
std::vector<int> traducirCapa(const std::string& capa, const Leyenda& leyenda, const std::vector<Tramo>& tramos,
                              int columnas)
{
    std::vector<int> baldosas(FILAS_CAPA * columnas);
    int inicio = 0;
    for (const Tramo& tramo : tramos) {
        int ancho = static_cast<int>(std::strlen(tramo[0]));
        for (int fila = 0; fila < FILAS_CAPA; ++fila) {
            if (static_cast<int>(std::strlen(tramo[fila])) != ancho)
                errata(capa, fila, inicio, "las filas del tramo no miden lo mismo");
            if (inicio + ancho > columnas)
                errata(capa, fila, inicio, "la capa pasa de " + std::to_string(columnas) + " columnas");
            for (int i = 0; i < ancho; ++i) {
                char c = tramo[fila][i];
                auto it = leyenda.find(c);
                if (it == leyenda.end())
                    errata(capa, fila, inicio + i, std::string("el carácter '") + c + "' no está en la leyenda");
                if (it->second[fila] < 0)
                    errata(capa, fila, inicio + i, std::string("el carácter '") + c + "' no va en esta fila");
                baldosas[fila * columnas + inicio + i] = it->second[fila];
            }
        }
        inicio += ancho;
    }
    if (inicio != columnas)
        errata(capa, 0, inicio, "la capa mide " + std::to_string(inicio) + " columnas y no " + std::to_string(columnas));
    return baldosas;
}

void escribirFila(std::ostringstream& texto, const int* valores, int cuantos)
{
    for (int i = 0; i < cuantos; ++i)
        texto << (i ? "," : "") << valores[i];
}
}

Mapa traducirMapa(const DescripcionMapa& descripcion)
{
    Mapa mapa;
    mapa.cercana = traducirCapa("cercana", descripcion.leyendaCercana, descripcion.cercana, COLUMNAS_CERCANAS);
    mapa.lejana = traducirCapa("lejana", descripcion.leyendaLejana, descripcion.lejana, COLUMNAS_LEJANAS);
    for (const Oleada& o : descripcion.oleadas) {
        // La columna 0 solo sale en la primera partida del programa.
        if (o.columna < 1 || o.columna > ULTIMA_COLUMNA_ALCANZADA)
            errataDeOleada(o.columna, "fuera de las columnas 1 a " + std::to_string(ULTIMA_COLUMNA_ALCANZADA));
        if (mapa.aparicion[o.columna] != 0)
            errataDeOleada(o.columna, "ya hay otra en esa columna");
        mapa.aparicion[o.columna] = static_cast<int>(o.enemigo);
        mapa.aparicionX[o.columna] = o.x;
        mapa.aparicionY[o.columna] = o.y;
    }
    return mapa;
}

// Decimal sin ceros delante (el juego lee con %i: 010 sería un ocho),
// una fila de capa o un bloque de apariciones por línea.
std::string textoDelMapa(const Mapa& mapa)
{
    std::ostringstream texto;
    auto capa = [&texto](const std::vector<int>& baldosas, int columnas) {
        for (int fila = 0; fila < FILAS_CAPA; ++fila) {
            escribirFila(texto, &baldosas[fila * columnas], columnas);
            texto << ",\n";
        }
    };
    capa(mapa.cercana, COLUMNAS_CERCANAS);
    capa(mapa.lejana, COLUMNAS_LEJANAS);
    for (const auto* bloque : {&mapa.aparicion, &mapa.aparicionX, &mapa.aparicionY}) {
        escribirFila(texto, bloque->data(), COLUMNAS_CERCANAS);
        texto << (bloque == &mapa.aparicionY ? "\n" : ",\n");
    }
    return texto.str();
}

void generarMapas(const CarpetaSalida& salida)
{
    salida.escribir("maps/fase1.map", textoDelMapa(traducirMapa(descripcionFase1())));
}

#include "repeticion/CListaRepeticiones.h"

#include <algorithm>
#include <system_error>

#include "plataforma/Archivos.h"
#include "repeticion/CRepeticiones.h"

namespace {

LineaRepeticion leerLinea(const std::string& ruta, std::time_t escrita)
{
    LineaRepeticion linea;
    linea.ruta = ruta;
    linea.nombre = textoDe(rutaDe(ruta).filename());
    linea.escrita = escrita;
    std::string bytes;
    if (!leerArchivo(ruta, bytes)) {
        linea.problema = "no se puede leer";
        return linea;
    }
    if (CRepeticion::leerFicha(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), linea.ficha,
                               linea.problema) != ResultadoLectura::BIEN)
        return linea;
    linea.problema = reglasAjenas(linea.ficha.cabecera);
    linea.estado = linea.problema.empty() ? LineaRepeticion::VALIDA : LineaRepeticion::AJENA;
    return linea;
}

}

CListaRepeticiones::CListaRepeticiones(int filasVisibles) : filas(std::max(1, filasVisibles))
{
}

void CListaRepeticiones::leer(const std::string& carpeta, const std::string& rutaDemo)
{
    lista.clear();
    if (!carpeta.empty())
        for (const RepeticionGuardada& guardada : CRepeticiones::guardadasEn(carpeta))
            lista.push_back(leerLinea(guardada.ruta, guardada.escrita));
    lista.push_back(leerLinea(rutaDemo, 0));
    lista.back().demo = true;
    actual = primera = 0;
    pregunta = false;
}

void CListaRepeticiones::mover(int paso)
{
    const int n = static_cast<int>(lista.size());
    actual = ((actual + paso) % n + n) % n;
    seguirCursor();
}

bool CListaRepeticiones::preguntarBorrar()
{
    pregunta = !lineaElegida().demo;
    si = false;
    return pregunta;
}

bool CListaRepeticiones::responder()
{
    pregunta = false;
    if (!si)
        return true;
    borrarArchivo(lineaElegida().ruta);
    std::error_code error;
    if (std::filesystem::exists(rutaDe(lineaElegida().ruta), error))
        return false;
    lista.erase(lista.begin() + actual);
    actual = std::min(actual, static_cast<int>(lista.size()) - 1);
    seguirCursor();
    return true;
}

void CListaRepeticiones::seguirCursor()
{
    primera = std::min(primera, actual);
    primera = std::max(primera, actual - filas + 1);
    primera = std::max(0, std::min(primera, static_cast<int>(lista.size()) - filas));
}

const char* textoFin(FinPartida fin)
{
    switch (fin) {
    case FinPartida::ESCAPE: return "Escape";
    case FinPartida::SIN_ENERGIA: return "sin energía";
    case FinPartida::VENTANA_CERRADA: return "ventana cerrada";
    case FinPartida::SIN_ANOTAR: break;
    }
    return "-";
}

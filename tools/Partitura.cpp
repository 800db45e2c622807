#include "tools/Partitura.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {
using Compases = std::vector<std::vector<std::string>>;

Compases compasesDe(const std::string& texto)
{
    Compases compases;
    std::stringstream porBarras(texto);
    std::string trozo;
    while (std::getline(porBarras, trozo, '|')) {
        std::stringstream simbolos(trozo);
        std::vector<std::string> compas;
        for (std::string s; simbolos >> s;)
            compas.push_back(s);
        // Permite una barra final o saltos de línea entre compases.
        if (!compas.empty())
            compases.push_back(compas);
    }
    return compases;
}

std::vector<std::string> unCompas(const std::string& patron)
{
    Compases c = compasesDe(patron);
    if (c.size() != 1)
        throw std::invalid_argument("el patrón debe ser de un compás: " + patron);
    return c.front();
}

int claseDeNota(char letra)
{
    static const int semitonos[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    letra = static_cast<char>(std::toupper(static_cast<unsigned char>(letra)));
    if (letra < 'A' || letra > 'G')
        throw std::invalid_argument(std::string("nota desconocida: ") + letra);
    return semitonos[letra - 'A'];
}

// Devuelve la clase de nota y cuántos caracteres ocupó ("F#" ocupa 2).
std::pair<int, std::size_t> leerClase(const std::string& s)
{
    if (s.empty())
        throw std::invalid_argument("nota vacía");
    int clase = claseDeNota(s[0]);
    if (s.size() > 1 && (s[1] == '#' || s[1] == 'b'))
        return {(clase + (s[1] == '#' ? 1 : 11)) % 12, 2};
    return {clase, 1};
}

enum class Tipo { MAYOR, MENOR, QUINTA };

struct Acorde {
    int raiz;
    Tipo tipo;
};

Acorde acordeDeNombre(const std::string& nombre)
{
    auto [raiz, usados] = leerClase(nombre);
    std::string resto = nombre.substr(usados);
    if (resto == "")
        return {raiz, Tipo::MAYOR};
    if (resto == "m")
        return {raiz, Tipo::MENOR};
    if (resto == "5")
        return {raiz, Tipo::QUINTA};
    throw std::invalid_argument("acorde desconocido: " + nombre);
}

// Cada nota del acorde cae en la misma octava a partir del mínimo: así se
// invierten solos y la mano izquierda apenas salta.
std::vector<int> voicing(const Acorde& a, int tonoMinimo)
{
    int raiz = tonoMinimo + (a.raiz - tonoMinimo % 12 + 12) % 12;
    // La quinta "de guitarra" va siempre en posición fundamental.
    if (a.tipo == Tipo::QUINTA)
        return {raiz, raiz + 7, raiz + 12};
    std::vector<int> tonos;
    for (int intervalo : {0, a.tipo == Tipo::MENOR ? 3 : 4, 7}) {
        int clase = (a.raiz + intervalo) % 12;
        tonos.push_back(tonoMinimo + (clase - tonoMinimo % 12 + 12) % 12);
    }
    std::sort(tonos.begin(), tonos.end());
    return tonos;
}

// El acorde que suena en el paso dado de un compás con varios acordes.
const std::string& acordeEnPaso(const std::vector<std::string>& compas, std::size_t paso, std::size_t pasos)
{
    return compas[paso * compas.size() / pasos];
}
}

int tonoDeNombre(const std::string& nombre)
{
    auto [clase, usados] = leerClase(nombre);
    std::string octava = nombre.substr(usados);
    if (octava.empty() || !std::all_of(octava.begin(), octava.end(), ::isdigit))
        throw std::invalid_argument("falta la octava en la nota " + nombre);
    return 12 * (std::stoi(octava) + 1) + clase;
}

Partitura::Partitura(PistaMidi& pista, int canal, int ticksPorCompas)
    : pista_(pista), canal_(canal), ticksPorCompas_(ticksPorCompas)
{
}

std::uint32_t Partitura::inicioCompas(int compas) const
{
    return static_cast<std::uint32_t>(compas * ticksPorCompas_);
}

void Partitura::melodia(const std::string& texto, int fuerza)
{
    std::vector<std::vector<Paso>> pasos;
    for (const auto& compas : compasesDe(texto)) {
        pasos.emplace_back();
        for (const std::string& s : compas) {
            if (s == "-")
                pasos.back().push_back({{}, true, 0});
            else if (s == ".")
                pasos.back().push_back({});
            else
                pasos.back().push_back({{tonoDeNombre(s)}, false, fuerza});
        }
    }
    escribirPasos(pasos);
}

void Partitura::acordes(const std::string& progresion, const std::string& patron, int tonoMinimo, int fuerza)
{
    std::vector<std::string> toques = unCompas(patron);
    std::vector<std::vector<Paso>> pasos;
    for (const auto& compas : compasesDe(progresion)) {
        pasos.emplace_back();
        for (std::size_t i = 0; i < toques.size(); ++i) {
            if (toques[i] == "-")
                pasos.back().push_back({{}, true, 0});
            else if (toques[i] == "x")
                pasos.back().push_back(
                    {voicing(acordeDeNombre(acordeEnPaso(compas, i, toques.size())), tonoMinimo), false, fuerza});
            else
                pasos.back().push_back({});
        }
    }
    escribirPasos(pasos);
}

void Partitura::bajo(const std::string& progresion, const std::string& patron, int octava, int fuerza)
{
    std::vector<std::string> toques = unCompas(patron);
    std::vector<std::vector<Paso>> pasos;
    for (const auto& compas : compasesDe(progresion)) {
        pasos.emplace_back();
        for (std::size_t i = 0; i < toques.size(); ++i) {
            const std::string& t = toques[i];
            int raiz = 12 * (octava + 1) + acordeDeNombre(acordeEnPaso(compas, i, toques.size())).raiz;
            if (t == "-")
                pasos.back().push_back({{}, true, 0});
            else if (t == "R" || t == "5" || t == "8")
                pasos.back().push_back({{raiz + (t == "R" ? 0 : t == "5" ? 7 : 12)}, false, fuerza});
            else
                pasos.back().push_back({});
        }
    }
    escribirPasos(pasos);
}

void Partitura::bateria(const std::vector<std::pair<int, std::string>>& patrones, int compases)
{
    for (const auto& [tono, patron] : patrones) {
        std::string golpes;
        std::copy_if(patron.begin(), patron.end(), std::back_inserter(golpes), [](char c) { return c != ' '; });
        if (golpes.empty() || ticksPorCompas_ % golpes.size() != 0)
            throw std::invalid_argument("patrón de batería que no divide el compás: " + patron);
        std::uint32_t paso = ticksPorCompas_ / golpes.size();
        for (int c = 0; c < compases; ++c)
            for (std::size_t i = 0; i < golpes.size(); ++i)
                if (golpes[i] == 'x' || golpes[i] == 'o')
                    pista_.nota(inicioCompas(compas_ + c) + i * paso, paso, canal_, tono, golpes[i] == 'x' ? 112 : 70);
    }
    compas_ += compases;
}

void Partitura::escribirPasos(const std::vector<std::vector<Paso>>& compases)
{
    std::vector<int> abiertos;
    int fuerza = 0;
    std::uint32_t inicio = 0, fin = 0;
    auto cerrar = [&]() {
        std::uint32_t largo = std::max<std::uint32_t>(1, static_cast<std::uint32_t>((fin - inicio) * articulacion_));
        for (int tono : abiertos)
            pista_.nota(inicio, largo, canal_, tono, fuerza);
        abiertos.clear();
    };
    for (const auto& compas : compases) {
        if (ticksPorCompas_ % compas.size() != 0)
            throw std::invalid_argument("compás de " + std::to_string(compas.size()) + " pasos no divide el compás");
        std::uint32_t largoPaso = ticksPorCompas_ / compas.size();
        for (std::size_t i = 0; i < compas.size(); ++i) {
            std::uint32_t t = inicioCompas(compas_) + i * largoPaso;
            if (compas[i].alarga) {
                fin = t + largoPaso;
                continue;
            }
            cerrar();
            abiertos = compas[i].tonos;
            fuerza = compas[i].fuerza;
            inicio = t;
            fin = t + largoPaso;
        }
        ++compas_;
    }
    cerrar();
}

#include "tools/IndiceParches.h"

#include "tools/CarpetaSalida.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
enum class Seccion { NINGUNA, INSTRUMENTOS, PERCUSION };

struct Indice {
    std::map<int, std::string> instrumentos;
    std::map<int, std::string> percusion;
};

std::string rutaDeParche(const fs::path& carpeta, const std::string& archivo)
{
    fs::path ruta = fs::path(archivo).is_absolute() ? fs::path(archivo) : carpeta / archivo;
    // Timidity acepta el nombre sin extensión; Allegro no la añade.
    if (ruta.extension() != ".pat")
        ruta += ".pat";
    return ruta.lexically_normal().string();
}

fs::path carpetaAbsoluta(const fs::path& base, const std::string& dir)
{
    return fs::path(dir).is_absolute() ? fs::path(dir) : base / dir;
}

Indice leerIndice(std::istream& entrada, const fs::path& carpetaCfg)
{
    Indice indice;
    Seccion seccion = Seccion::NINGUNA;
    fs::path carpeta = carpetaCfg;
    for (std::string linea; std::getline(entrada, linea);) {
        std::istringstream palabras(linea.substr(0, linea.find('#')));
        std::string primera, segunda;
        if (!(palabras >> primera))
            continue;
        palabras >> segunda;
        if (primera == "dir")
            carpeta = carpetaAbsoluta(carpetaCfg, segunda);
        else if (primera == "bank")
            seccion = segunda == "0" ? Seccion::INSTRUMENTOS : Seccion::NINGUNA;
        else if (primera == "drumset")
            seccion = segunda == "0" ? Seccion::PERCUSION : Seccion::NINGUNA;
        else if (std::isdigit(static_cast<unsigned char>(primera[0])) && !segunda.empty()) {
            // Opciones como amp= o pan= no existen en Allegro: se descartan.
            int numero = std::stoi(primera);
            if (numero < 0 || numero > 127 || seccion == Seccion::NINGUNA)
                continue;
            auto& destino = seccion == Seccion::INSTRUMENTOS ? indice.instrumentos : indice.percusion;
            destino[numero] = rutaDeParche(carpeta, segunda);
        }
    }
    return indice;
}

std::string escribirIndice(const Indice& indice)
{
    std::ostringstream salida;
    for (const auto& [numero, ruta] : indice.instrumentos)
        salida << numero << ' ' << ruta << '\n';
    // Allegro sólo oye la percusión como multiparche 129 con números de nota.
    if (!indice.percusion.empty()) {
        salida << "129 begin_multipatch default blocks\n";
        for (const auto& [nota, ruta] : indice.percusion)
            salida << nota << ' ' << ruta << '\n';
        salida << "end_multipatch\n";
    }
    return salida.str();
}
}

std::string convertirIndiceTimidity(const std::string& rutaCfg)
{
    std::ifstream entrada(rutaCfg);
    if (!entrada)
        throw std::runtime_error("no se puede leer el índice de parches " + rutaCfg);
    fs::path carpetaCfg = fs::absolute(rutaCfg).parent_path();
    return escribirIndice(leerIndice(entrada, carpetaCfg));
}

void generarIndiceParches(const CarpetaSalida& salida, const std::string& rutaCfg)
{
    std::string indice;
    if (fs::exists(rutaCfg))
        indice = convertirIndiceTimidity(rutaCfg);
    else
        std::cerr << "generar-recursos: aviso: falta " << rutaCfg
                  << " (paquete freepats); musics/parches.cfg queda vacío y el juego sonará mudo\n";
    salida.escribir("musics/parches.cfg", indice);
}

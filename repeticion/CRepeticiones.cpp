#include "repeticion/CRepeticiones.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "plataforma/Archivos.h"

namespace fs = std::filesystem;

std::string CRepeticiones::carpeta;

std::string CRepeticiones::carpetaPorDefecto()
{
    return textoDe(rutaDe(carpetaDelJuego(CarpetaUsuario::DATOS)) / "repeticiones");
}

void CRepeticiones::usarCarpeta(const std::string& nueva)
{
    carpeta = nueva;
}

// El nombre ordena por fecha: dos partidas del mismo segundo llevan -2, -3…
void CRepeticiones::guardar(const CRepeticion& repeticion)
{
    if (carpeta.empty())
        return;
    std::error_code error;
    fs::create_directories(rutaDe(carpeta), error);
    const std::time_t ahora = std::time(nullptr);
    char fecha[32];
    std::strftime(fecha, sizeof fecha, "%Y-%m-%d_%H-%M-%S", std::localtime(&ahora));
    fs::path ruta = rutaDe(carpeta) / (std::string(fecha) + ".rep");
    for (int otra = 2; fs::exists(ruta, error); ++otra)
        ruta = rutaDe(carpeta) / (std::string(fecha) + "-" + std::to_string(otra) + ".rep");
    if (!escribirArchivoAtomico(textoDe(ruta), repeticion.codificar())) {
        std::fprintf(stderr, "escuadron-rana: no se pudo guardar la repetición en %s\n", textoDe(ruta).c_str());
        return;
    }
    podar();
}

void CRepeticiones::podar()
{
    std::error_code error;
    std::vector<fs::path> guardadas;
    for (fs::directory_iterator it(rutaDe(carpeta), error), fin; !error && it != fin; it.increment(error))
        if (it->path().extension() == ".rep")
            guardadas.push_back(it->path());
    if (guardadas.size() <= size_t(GUARDADAS))
        return;
    std::sort(guardadas.begin(), guardadas.end());
    for (size_t i = 0; i + GUARDADAS < guardadas.size(); ++i)
        fs::remove(guardadas[i], error);
}

#include "repeticion/CRepeticiones.h"

#include <algorithm>
#include <chrono>
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

namespace {

// De la hora de los archivos a la del reloj del sistema, al segundo.
std::time_t aHoraDelSistema(fs::file_time_type escrita)
{
    using namespace std::chrono;
    const auto desdeAhora = duration_cast<system_clock::duration>(escrita - fs::file_time_type::clock::now());
    return system_clock::to_time_t(system_clock::now() + desdeAhora);
}

}

// Por cuándo se escribieron: el nombre no lo dice bien (…-2.rep va antes
// que su hermana del mismo segundo, y un cambio de hora local lo
// desordena). Con la misma hora, la del nombre más largo es la hermana
// posterior.
std::vector<RepeticionGuardada> CRepeticiones::guardadasEn(const std::string& carpeta)
{
    struct Guardada {
        fs::file_time_type escrita;
        fs::path ruta;
        bool operator<(const Guardada& otra) const
        {
            const size_t largo = ruta.native().size(), otroLargo = otra.ruta.native().size();
            if (escrita != otra.escrita)
                return escrita > otra.escrita;
            return largo != otroLargo ? largo > otroLargo : ruta > otra.ruta;
        }
    };
    std::error_code error;
    std::vector<Guardada> guardadas;
    for (fs::directory_iterator it(rutaDe(carpeta), error), fin; !error && it != fin; it.increment(error))
        if (it->path().extension() == ".rep") {
            std::error_code sinHora;
            const fs::file_time_type escrita = fs::last_write_time(it->path(), sinHora);
            guardadas.push_back({ sinHora ? fs::file_time_type::min() : escrita, it->path() });
        }
    std::sort(guardadas.begin(), guardadas.end());
    std::vector<RepeticionGuardada> lista;
    for (const Guardada& g : guardadas)
        lista.push_back({ textoDe(g.ruta), g.escrita == fs::file_time_type::min() ? 0 : aHoraDelSistema(g.escrita) });
    return lista;
}

// Se quedan las más nuevas.
void CRepeticiones::podar()
{
    const std::vector<RepeticionGuardada> guardadas = guardadasEn(carpeta);
    for (size_t i = GUARDADAS; i < guardadas.size(); ++i)
        borrarArchivo(guardadas[i].ruta);
}

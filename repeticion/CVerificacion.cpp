#include "repeticion/CVerificacion.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "plataforma/Archivos.h"
#include "plataforma/CDispositivosSinPantalla.h"
#include "plataforma/Recursos.h"
#include "repeticion/PartidaGrabada.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "opciones/CPreferenciasActivas.h"

int CVerificacion::ejecutar(const std::vector<std::string>& archivos)
{
    CDispositivosSinPantalla sinPantalla;
    sistema.usarDispositivos(&sinPantalla);
    int peor = 0;
    try {
        sistema.inicializar(preferenciasActivas);
        std::string mapa;
        if (!leerArchivo(rutaRecurso("maps/fase1.map"), mapa))
            throw CExcepcion(ERROR_ARCHIVOS);
        const uint64_t resumenMapa = resumen(mapa.data(), mapa.size());
        for (const std::string& archivo : archivos)
            peor = std::max(peor, verificar(archivo, resumenMapa));
    } catch (CExcepcion error) {
        std::fprintf(stderr, "%s\n", mensajeDeError(error.codigo));
        peor = 2;
    }
    sistema.finalizar();
    sistema.usarDispositivos(nullptr);
    return peor;
}

int CVerificacion::verificar(const std::string& archivo, uint64_t resumenMapa)
{
    std::string problema;
    CRepeticion grabada;
    const Apertura apertura = abrirRepeticion(archivo, grabada, problema);
    if (apertura == Apertura::ILEGIBLE) {
        std::printf("%s: no se puede leer\n", archivo.c_str());
        return 2;
    }
    if (apertura == Apertura::NO_VALIDA) {
        std::printf("%s: no es una repetición válida: %s\n", archivo.c_str(), problema.c_str());
        return 2;
    }
    // La versión del juego que la grabó se dice, pero no decide nada: lo que
    // cuenta para rehacerla son las reglas.
    std::printf("%s: grabada por la versión %s del juego\n", archivo.c_str(), grabada.cabecera.versionJuego.c_str());
    if (apertura == Apertura::REGLAS_AJENAS) {
        std::printf("%s\n", lineaReglasAjenas(archivo, problema).c_str());
        return 2;
    }
    if (grabada.cabecera.resumenMapa != resumenMapa) {
        std::printf("%s: se grabó con otro mapa de la fase, no con el instalado\n", archivo.c_str());
        return 2;
    }
    const auto inicio = std::chrono::steady_clock::now();
    const CRepeticion rehecha = rehacerPartida(grabada, CReproductor::SIN_MOSTRAR);
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    const size_t cuadros = grabada.cuadros.size();
    for (size_t i = 0; i < grabada.controles.size(); ++i)
        if (i >= rehecha.controles.size() || rehecha.controles[i] != grabada.controles[i]) {
            std::printf("%s: %zu cuadros; se aparta en el control %zu, entre los cuadros %zu y %zu\n", archivo.c_str(),
                        cuadros, i + 1, i * CUADROS_POR_CONTROL + 1, (i + 1) * CUADROS_POR_CONTROL);
            return 1;
        }
    if (rehecha.resumenFinal != grabada.resumenFinal) {
        std::printf("%s: %zu cuadros; se aparta tras el último control, en el final\n", archivo.c_str(), cuadros);
        return 1;
    }
    // Los ticks, con los cuadros: cada tick de más en un cuadro es uno que un
    // cuadro lento hizo perder al que jugó.
    uint64_t ticks = 0;
    for (const CuadroJugado& cuadro : grabada.cuadros)
        ticks += cuadro.ticks;
    std::printf("%s: %zu cuadros en %" PRIu64 " ticks, huella final %016" PRIx64 ", coincide (%.2f s)\n",
                archivo.c_str(), cuadros, ticks, rehecha.resumenFinal, segundos);
    return 0;
}

#include "repeticion/PartidaGrabada.h"

#include "plataforma/Archivos.h"
#include "plataforma/Recursos.h"
#include "stage/CFase1.h"
#include "world/CPartida.h"

Apertura abrirRepeticion(const std::string& ruta, CRepeticion& salida, std::string& problema)
{
    std::string bytes;
    problema.clear();
    if (!leerArchivo(ruta, bytes))
        return Apertura::ILEGIBLE;
    if (CRepeticion::leer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), salida, problema) !=
        ResultadoLectura::BIEN)
        return Apertura::NO_VALIDA;
    problema = reglasAjenas(salida.cabecera);
    return problema.empty() ? Apertura::BIEN : Apertura::REGLAS_AJENAS;
}

std::string lineaNoSePuedeVer(const std::string& archivo, const std::string& problema)
{
    return archivo + " no es una repetición que se pueda ver" + (problema.empty() ? "" : ": ") + problema;
}

std::string lineaReglasAjenas(const std::string& archivo, const std::string& problema)
{
    return archivo + ": " + problema;
}

std::string rutaDemo()
{
    return rutaRecurso("demos/demo.rep");
}

// Si la fase no se puede cargar, la excepción sale hacia quien la pidió.
CRepeticion rehacerPartida(const CRepeticion& original, CReproductor::Vista vista)
{
    CPartida partida;
    partida.fase = new CFase1();
    CReproductor reproductor(original, vista);
    partida.jugarFase(reproductor);
    return reproductor.rehecha();
}

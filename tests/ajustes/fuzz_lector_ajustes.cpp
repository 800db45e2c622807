// Fuzzer del archivo de ajustes: bytes cualesquiera hacen el camino del
// arranque (el tamaño, el UTF-8, el lector de configuración de Allegro, los
// valores y las teclas) y luego se guardan. Sin fallos de memoria, sin fugas,
// sin cuelgues; los valores quedan en su rango, un archivo roto queda tal cual
// en .roto, y lo guardado se vuelve a leer igual y entero.
#include <allegro.h>
#include <allegro/internal/aintern.h>

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ajustes/CAjustes.h"
#include "plataforma/Archivos.h"

namespace fs = std::filesystem;

namespace {

std::string carpeta;

void fallar(const char* motivo)
{
    std::fprintf(stderr, "lector de ajustes: %s\n", motivo);
    std::abort();
}

void borrarCarpeta()
{
    std::error_code error;
    fs::remove_all(carpeta, error);
}

// Lo que arranca el juego: cargar y resolver las teclas por su nombre en
// Allegro (sin teclado instalado, scancode_to_name no responde: sus nombres
// de siempre).
Preferencias arrancar(CAjustes& ajustes)
{
    Preferencias p = ajustes.cargar();
    ajustes.resolverTeclas(p, [](int tecla) { return _keyboard_common_names[tecla]; });
    return p;
}

void comprobarRangos(const Preferencias& p)
{
    if (p.escala < 0 || p.escala > Preferencias::ESCALA_MAXIMA || p.volumen < 0 ||
        p.volumen > Preferencias::VOLUMEN_MAXIMO || p.botonDisparo < 1 || p.botonDisparo > Preferencias::BOTONES_MAXIMOS ||
        p.botonInicio < 1 || p.botonInicio > Preferencias::BOTONES_MAXIMOS || p.zonaMuerta < 0 || p.zonaMuerta > 127)
        fallar("un valor fuera de su rango");
    for (int a = 0; a < NUM_ACCIONES; ++a) {
        if (p.teclas[a] <= 0 || p.teclas[a] >= KEY_MAX || CAjustes::teclaFija(p.teclas[a]))
            fallar("una tecla que no puede ser");
        for (int b = a + 1; b < NUM_ACCIONES; ++b)
            if (p.teclas[a] == p.teclas[b])
                fallar("dos acciones con la misma tecla");
    }
}

bool iguales(const Preferencias& a, const Preferencias& b)
{
    for (int i = 0; i < NUM_ACCIONES; ++i)
        if (a.teclas[i] != b.teclas[i])
            return false;
    return a.escala == b.escala && a.completa == b.completa && a.estirada == b.estirada &&
           a.silencio == b.silencio && a.volumen == b.volumen && a.botonDisparo == b.botonDisparo &&
           a.botonInicio == b.botonInicio && a.zonaMuerta == b.zonaMuerta;
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        std::abort();
    // En memoria si se puede: cada guardado se asienta en disco.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    carpeta = (base / ("rana-fuzz-ajustes-" + std::to_string(getpid()))).string();
    borrarCarpeta();
    fs::create_directories(carpeta);
    std::atexit(borrarCarpeta);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const std::string ruta = carpeta + "/escuadron-rana.cfg";
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    for (const fs::directory_entry& e : fs::directory_iterator(carpeta))
        fs::remove(e.path());
    if (!escribirArchivoAtomico(ruta, bytes))
        fallar("no se pudo escribir la entrada");
    CAjustes ajustes(ruta);
    const Preferencias partida = arrancar(ajustes);
    comprobarRangos(partida);
    if (!ajustes.guardar())
        fallar("no se pudo guardar");
    std::string apartado;
    const bool roto = leerArchivo(ruta + ".roto", apartado);
    if (roto && apartado != bytes)
        fallar("el archivo roto no quedó tal cual en .roto");
    fs::remove(ruta + ".roto");
    // Lo guardado se entiende entero y da lo mismo que lo que se arrancó.
    CAjustes otra(ruta);
    if (!iguales(arrancar(otra), partida))
        fallar("lo guardado no se relee igual");
    if (!otra.guardar() || fs::exists(ruta + ".roto"))
        fallar("lo guardado no se entiende entero");
    return 0;
}

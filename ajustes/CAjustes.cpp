#include "ajustes/CAjustes.h"

#include "plataforma/Archivos.h"
#include "plataforma/CArchivoConfig.h"
#include "plataforma/TextoUtf8.h"

#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Un archivo de ajustes de verdad ocupa unos cientos de bytes: uno mucho
// mayor no es de ajustes, y no merece la pena leerlo.
const std::uintmax_t TAMANO_MAXIMO = 64 * 1024;
// Más claves desconocidas que estas se cuentan, no se nombran.
const size_t DESCONOCIDAS_NOMBRADAS = 5;

const char* const NOMBRES_ACCIONES[NUM_ACCIONES] = { "arriba", "abajo", "izquierda", "derecha", "disparo", "pausa" };

struct Clave {
    const char* seccion;
    const char* nombre;
};
const Clave CLAVES[] = {
    { "pantalla", "escala" },         { "pantalla", "completa" },    { "pantalla", "estirada" },
    { "sonido", "silencio" },         { "sonido", "volumen" },       { "mando", "boton_disparo" },
    { "mando", "boton_inicio" },      { "mando", "zona_muerta" },    { "teclas", "arriba" },
    { "teclas", "abajo" },            { "teclas", "izquierda" },     { "teclas", "derecha" },
    { "teclas", "disparo" },          { "teclas", "pausa" },
};

void avisar(const std::string& texto)
{
    std::fprintf(stderr, "escuadron-rana: ajustes: %s\n", texto.c_str());
}

// Allegro da el valor sin espacios alrededor, o nulo si la clave no está.
const char* leer(const char* seccion, const char* clave)
{
    return get_config_string(seccion, clave, nullptr);
}

// Falso si la clave está y no vale: el valor se queda como estaba.
bool leerEntero(const char* seccion, const char* clave, int minimo, int maximo, int& valor)
{
    const char* texto = leer(seccion, clave);
    if (!texto)
        return true;
    char* fin = nullptr;
    errno = 0;
    const long leido = std::strtol(texto, &fin, 10);
    if (fin != texto && *fin == '\0' && errno == 0 && leido >= minimo && leido <= maximo) {
        valor = static_cast<int>(leido);
        return true;
    }
    avisar(std::string("«") + clave + "» no vale «" + texto + "» (de " + std::to_string(minimo) + " a " +
           std::to_string(maximo) + "); se usa " + std::to_string(valor));
    return false;
}

bool leerSiNo(const char* seccion, const char* clave, bool& valor)
{
    const char* texto = leer(seccion, clave);
    if (!texto)
        return true;
    if (!ustricmp(texto, "si") || !ustricmp(texto, "sí"))
        valor = true;
    else if (!ustricmp(texto, "no"))
        valor = false;
    else {
        avisar(std::string("«") + clave + "» no vale «" + texto + "» (si o no); se usa " + (valor ? "si" : "no"));
        return false;
    }
    return true;
}

bool conocida(const std::string& seccion, const std::string& clave)
{
    for (const Clave& c : CLAVES)
        if (seccion == c.seccion && clave == c.nombre)
            return true;
    return false;
}

// Allegro da las secciones con sus corchetes; las claves sin sección van en la global.
std::vector<std::string> desconocidas()
{
    std::vector<std::string> halladas;
    auto mirarSeccion = [&halladas](const char* seccion) {
        const char** claves = nullptr;
        const int cuantas = list_config_entries(seccion, &claves);
        std::string nombre = seccion ? seccion : "";
        if (nombre.size() >= 2 && nombre.front() == '[' && nombre.back() == ']')
            nombre = nombre.substr(1, nombre.size() - 2);
        for (int i = 0; i < cuantas; ++i)
            if (!conocida(nombre, claves[i]))
                halladas.push_back(nombre.empty() ? claves[i] : nombre + "/" + claves[i]);
        free_config_entries(&claves);
    };
    mirarSeccion(nullptr);
    const char** secciones = nullptr;
    const int cuantas = list_config_sections(&secciones);
    for (int i = 0; i < cuantas; ++i)
        mirarSeccion(secciones[i]);
    free_config_entries(&secciones);
    return halladas;
}

void avisarDesconocidas(const std::vector<std::string>& claves)
{
    std::string lista;
    for (size_t i = 0; i < claves.size() && i < DESCONOCIDAS_NOMBRADAS; ++i)
        lista += (i ? ", «" : "«") + claves[i] + "»";
    if (claves.size() > DESCONOCIDAS_NOMBRADAS)
        lista += " y " + std::to_string(claves.size() - DESCONOCIDAS_NOMBRADAS) + " más";
    avisar("claves desconocidas, no se usan: " + lista);
}

int teclaDeNombre(const std::string& nombre, const std::function<const char*(int)>& nombrar)
{
    for (int tecla = 1; tecla < KEY_MAX; ++tecla) {
        const char* suyo = nombrar(tecla);
        if (suyo && *suyo && !ustricmp(suyo, nombre.c_str()))
            return tecla;
    }
    return 0;
}

struct Entrada {
    const char* seccion;
    const char* clave;
    std::string valor;
};

std::vector<Entrada> entradasDe(const Preferencias& p, const std::string (&nombres)[NUM_ACCIONES])
{
    auto siNo = [](bool b) { return std::string(b ? "si" : "no"); };
    std::vector<Entrada> entradas = {
        { "pantalla", "escala", std::to_string(p.escala) },
        { "pantalla", "completa", siNo(p.completa) },
        { "pantalla", "estirada", siNo(p.estirada) },
        { "sonido", "silencio", siNo(p.silencio) },
        { "sonido", "volumen", std::to_string(p.volumen) },
        { "mando", "boton_disparo", std::to_string(p.botonDisparo) },
        { "mando", "boton_inicio", std::to_string(p.botonInicio) },
        { "mando", "zona_muerta", std::to_string(p.zonaMuerta) },
    };
    for (int a = 0; a < NUM_ACCIONES; ++a)
        if (!nombres[a].empty())
            entradas.push_back({ "teclas", NOMBRES_ACCIONES[a], nombres[a] });
    return entradas;
}

// Lo que quedó en el disco se vuelve a leer: flush_config_file no dice si
// pudo escribirlo, y con el disco lleno quedaría un archivo a medias.
bool coincide(const std::string& ruta, const std::vector<Entrada>& entradas)
{
    CArchivoConfig escrito(ruta);
    bool iguales = true;
    for (const Entrada& e : entradas) {
        const char* leido = leer(e.seccion, e.clave);
        iguales = iguales && leido && e.valor == leido;
    }
    return iguales;
}

}

bool CAjustes::teclaFija(int tecla)
{
    for (int f : TECLAS_FIJAS)
        if (tecla == f)
            return true;
    return false;
}

std::string CAjustes::rutaPorDefecto()
{
    return textoDe(rutaDe(carpetaDelJuego(CarpetaUsuario::AJUSTES)) / "escuadron-rana.cfg");
}

CAjustes::CAjustes(std::string ruta, const OpcionesLinea& lineaDada)
    : archivo(std::move(ruta)), linea(lineaDada), roto(false), avisadoSinGuardar(false)
{
}

Preferencias CAjustes::cargar()
{
    enArchivo = Preferencias();
    roto = false;
    for (std::string& nombre : nombresTeclas)
        nombre.clear();
    std::error_code error;
    const std::uintmax_t tamano = fs::file_size(rutaDe(archivo), error);
    if (error || !archivoLegible(archivo)) {
        // Uno que está pero no se puede leer tampoco se pisa sin apartarlo antes.
        roto = fs::exists(rutaDe(archivo), error);
        if (roto)
            avisar("no se puede leer " + archivo + "; se usan los valores por defecto");
    } else if (tamano > TAMANO_MAXIMO) {
        avisar(archivo + " ocupa " + std::to_string(tamano) + " bytes y no puede ser de ajustes; se usan los valores por defecto");
        roto = true;
    } else if (std::string bytes; !leerArchivo(archivo, bytes) || !esTextoUtf8(bytes)) {
        avisar(archivo + " no es un texto en UTF-8; se usan los valores por defecto");
        roto = true;
    } else {
        CArchivoConfig guardado(archivo);
        // Sin cortocircuito: cada valor que no vale tiene su aviso.
        bool bien = leerEntero("pantalla", "escala", 0, Preferencias::ESCALA_MAXIMA, enArchivo.escala);
        bien &= leerSiNo("pantalla", "completa", enArchivo.completa);
        bien &= leerSiNo("pantalla", "estirada", enArchivo.estirada);
        bien &= leerSiNo("sonido", "silencio", enArchivo.silencio);
        bien &= leerEntero("sonido", "volumen", 0, Preferencias::VOLUMEN_MAXIMO, enArchivo.volumen);
        bien &= leerEntero("mando", "boton_disparo", 1, Preferencias::BOTONES_MAXIMOS, enArchivo.botonDisparo);
        bien &= leerEntero("mando", "boton_inicio", 1, Preferencias::BOTONES_MAXIMOS, enArchivo.botonInicio);
        bien &= leerEntero("mando", "zona_muerta", 0, 127, enArchivo.zonaMuerta);
        for (int a = 0; a < NUM_ACCIONES; ++a)
            if (const char* nombre = leer("teclas", NOMBRES_ACCIONES[a]))
                nombresTeclas[a] = nombre;
        const std::vector<std::string> sobran = desconocidas();
        if (!sobran.empty())
            avisarDesconocidas(sobran);
        roto = !bien || !sobran.empty();
    }
    Preferencias partida = enArchivo;
    aplicarLinea(partida);
    return partida;
}

void CAjustes::aplicarLinea(Preferencias& partida) const
{
    if (linea.escala > 0) {
        partida.escala = linea.escala;
        partida.completa = false;
    }
    if (linea.completa >= 0)
        partida.completa = linea.completa == 1;
    if (linea.silencio)
        partida.silencio = true;
}

// Una tecla que no existe, fija, o repetida: esas acciones vuelven a las suyas.
void CAjustes::resolverTeclas(Preferencias& partida, const std::function<const char*(int)>& nombrarDado)
{
    nombrar = nombrarDado;
    int elegidas[NUM_ACCIONES];
    for (int a = 0; a < NUM_ACCIONES; ++a) {
        elegidas[a] = TECLAS_JUEGO[a];
        if (nombresTeclas[a].empty())
            continue;
        const int tecla = teclaDeNombre(nombresTeclas[a], nombrar);
        if (tecla && !teclaFija(tecla)) {
            elegidas[a] = tecla;
            continue;
        }
        avisar(std::string("«") + NOMBRES_ACCIONES[a] + "» no puede ser «" + nombresTeclas[a] + "» (" +
               (tecla ? "esa tecla ya hace otra cosa" : "no hay tecla con ese nombre") + "); se usa la de siempre");
        roto = true;
    }
    // Volver a la de siempre puede chocar con otra que ya se miró: hasta que no choque ninguna.
    for (bool choque = true; choque;) {
        choque = false;
        for (int a = 0; a < NUM_ACCIONES; ++a)
            for (int b = a + 1; b < NUM_ACCIONES; ++b)
                if (elegidas[a] == elegidas[b]) {
                    avisar(std::string("«") + NOMBRES_ACCIONES[a] + "» y «" + NOMBRES_ACCIONES[b] +
                           "» tienen la misma tecla; las dos usan la de siempre");
                    elegidas[a] = TECLAS_JUEGO[a];
                    elegidas[b] = TECLAS_JUEGO[b];
                    roto = choque = true;
                }
    }
    for (int a = 0; a < NUM_ACCIONES; ++a)
        partida.teclas[a] = enArchivo.teclas[a] = elegidas[a];
    nombrarTeclas(elegidas);
}

void CAjustes::nombrarTeclas(const int (&teclas)[NUM_ACCIONES])
{
    for (int a = 0; a < NUM_ACCIONES; ++a) {
        const char* nombre = nombrar ? nombrar(teclas[a]) : nullptr;
        nombresTeclas[a] = nombre ? nombre : "";
    }
}

void CAjustes::anotar(Ajuste cual, const Preferencias& actuales)
{
    switch (cual) {
    case Ajuste::ESCALA: enArchivo.escala = actuales.escala; break;
    case Ajuste::COMPLETA: enArchivo.completa = actuales.completa; break;
    case Ajuste::SILENCIO: enArchivo.silencio = actuales.silencio; break;
    case Ajuste::VOLUMEN: enArchivo.volumen = actuales.volumen; break;
    case Ajuste::ESTIRADA: enArchivo.estirada = actuales.estirada; break;
    case Ajuste::TECLAS:
        std::copy(std::begin(actuales.teclas), std::end(actuales.teclas), enArchivo.teclas);
        nombrarTeclas(enArchivo.teclas);
        break;
    case Ajuste::BOTONES:
        enArchivo.botonDisparo = actuales.botonDisparo;
        enArchivo.botonInicio = actuales.botonInicio;
        break;
    case Ajuste::ZONA_MUERTA: enArchivo.zonaMuerta = actuales.zonaMuerta; break;
    case Ajuste::TODOS:
        enArchivo = actuales;
        nombrarTeclas(enArchivo.teclas);
        break;
    }
    guardar();
}

bool CAjustes::guardar()
{
    const std::string temporal = escribirTemporal();
    if (temporal.empty())
        return false;
    if (roto && !apartarRoto()) {
        borrarArchivo(temporal);
        return false;
    }
    if (antesDeRenombrar)
        antesDeRenombrar(temporal);
    if (!reemplazarArchivo(temporal, destino())) {
        avisarSinGuardar(std::strerror(errno));
        borrarArchivo(temporal);
        return false;
    }
    return true;
}

std::string CAjustes::escribirTemporal()
{
    std::error_code error;
    const fs::path carpeta = rutaDe(destino()).parent_path();
    if (!carpeta.empty())
        fs::create_directories(carpeta, error);
    const std::string temporal = reservarTemporal(destino());
    if (temporal.empty()) {
        avisarSinGuardar(error ? error.message() : std::strerror(errno));
        return std::string();
    }
    const std::vector<Entrada> entradas = entradasDe(enArchivo, nombresTeclas);
    {
        CArchivoConfig nuevo(temporal);
        for (const Entrada& e : entradas)
            set_config_string(e.seccion, e.clave, e.valor.c_str());
        flush_config_file();
    }
    // Que llegue al disco antes de renombrar: si no, un apagón justo después
    // podría dejar el nombre nuevo con el archivo vacío.
    if (!asentarArchivo(temporal) || !coincide(temporal, entradas)) {
        avisarSinGuardar("no se pudo escribir entero");
        borrarArchivo(temporal);
        return std::string();
    }
    return temporal;
}

// Lo que el jugador escribió y no se entendió no se pierde: queda al lado.
// Se copia con lo nuestro y no con copy_file, que no reintenta cuando una
// señal corta la copia y deja un .roto vacío; así tampoco queda a medias.
bool CAjustes::apartarRoto()
{
    std::error_code error;
    std::string bytes;
    const bool hay = fs::exists(rutaDe(archivo), error);
    if (error || (hay && !(leerArchivo(archivo, bytes) && escribirArchivoAtomico(archivo + ".roto", bytes)))) {
        avisarSinGuardar("no se pudo apartar el archivo viejo como " + archivo + ".roto: " +
                         (error ? error.message() : std::strerror(errno)));
        return false;
    }
    avisar("el archivo viejo queda en " + archivo + ".roto");
    roto = false;
    return true;
}

// Si el archivo es un enlace (quien guarda su configuración en otra parte),
// se escribe donde apunta: renombrar encima del enlace lo rompería.
std::string CAjustes::destino() const
{
    std::error_code error;
    if (!fs::is_symlink(rutaDe(archivo), error))
        return archivo;
    const fs::path apuntado = fs::weakly_canonical(rutaDe(archivo), error);
    return error ? archivo : textoDe(apuntado);
}

void CAjustes::avisarSinGuardar(const std::string& motivo)
{
    if (avisadoSinGuardar)
        return;
    avisadoSinGuardar = true;
    avisar("no se pueden guardar en " + archivo + " (" + motivo + "); el juego sigue con ellos en memoria");
}

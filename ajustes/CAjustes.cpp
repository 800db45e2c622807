#include "ajustes/CAjustes.h"

#include "plataforma/Archivos.h"
#include "plataforma/CArchivoConfig.h"
#include "plataforma/TextoUtf8.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
bool leerEntero(const DescripcionAjuste& d, Preferencias& p)
{
    const char* clave = d.clave;
    const int minimo = d.minimo, maximo = d.maximo;
    int& valor = p.*d.numero;
    const char* texto = leer(d.seccion, clave);
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

bool leerSiNo(const DescripcionAjuste& d, Preferencias& p)
{
    const char* clave = d.clave;
    bool& valor = p.*d.siNo;
    const char* texto = leer(d.seccion, clave);
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
    const DescripcionAjuste* d = TABLA_AJUSTES.buscar(clave.c_str());
    return d && seccion == d->seccion;
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

struct ValorGuardado {
    const char* seccion;
    const char* clave;
    std::string valor;
};

std::string valorEscrito(const DescripcionAjuste& d, const Preferencias& p, const std::string (&nombres)[NUM_ACCIONES])
{
    if (d.numero)
        return std::to_string(p.*d.numero);
    if (d.siNo)
        return p.*d.siNo ? "si" : "no";
    return nombres[d.accion];
}

// Una tecla sin nombre no se escribe: al leerlo se queda la de siempre.
std::vector<ValorGuardado> entradasDe(const Preferencias& p, const std::string (&nombres)[NUM_ACCIONES])
{
    std::vector<ValorGuardado> entradas;
    for (const DescripcionAjuste& d : TABLA_AJUSTES)
        if (!d.esTecla() || !nombres[d.accion].empty())
            entradas.push_back({ d.seccion, d.clave, valorEscrito(d, p, nombres) });
    return entradas;
}

// Lo que quedó en el disco se vuelve a leer: flush_config_file no dice si
// pudo escribirlo, y con el disco lleno quedaría un archivo a medias.
bool coincide(const std::string& ruta, const std::vector<ValorGuardado>& entradas)
{
    CArchivoConfig escrito(ruta);
    bool iguales = true;
    for (const ValorGuardado& e : entradas) {
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
        // Cada valor que no vale tiene su aviso.
        bool bien = true;
        for (const DescripcionAjuste& d : TABLA_AJUSTES) {
            if (d.numero)
                bien &= leerEntero(d, enArchivo);
            else if (d.siNo)
                bien &= leerSiNo(d, enArchivo);
            else if (const char* nombre = leer(d.seccion, d.clave))
                nombresTeclas[d.accion] = nombre;
        }
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
        avisar(std::string("«") + TABLA_AJUSTES.deTecla(a).clave + "» no puede ser «" + nombresTeclas[a] + "» (" +
               (tecla ? "esa tecla ya hace otra cosa" : "no hay tecla con ese nombre") + "); se usa la de siempre");
        roto = true;
    }
    // Volver a la de siempre puede chocar con otra que ya se miró: hasta que no choque ninguna.
    for (bool choque = true; choque;) {
        choque = false;
        for (int a = 0; a < NUM_ACCIONES; ++a)
            for (int b = a + 1; b < NUM_ACCIONES; ++b)
                if (elegidas[a] == elegidas[b]) {
                    avisar(std::string("«") + TABLA_AJUSTES.deTecla(a).clave + "» y «" + TABLA_AJUSTES.deTecla(b).clave +
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
    for (const DescripcionAjuste& d : TABLA_AJUSTES) {
        if (cual != Ajuste::TODOS && cual != d.ajuste)
            continue;
        if (d.numero)
            enArchivo.*d.numero = actuales.*d.numero;
        else if (d.siNo)
            enArchivo.*d.siNo = actuales.*d.siNo;
        else
            enArchivo.teclas[d.accion] = actuales.teclas[d.accion];
    }
    if (cual == Ajuste::TECLAS || cual == Ajuste::TODOS)
        nombrarTeclas(enArchivo.teclas);
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
    const std::vector<ValorGuardado> entradas = entradasDe(enArchivo, nombresTeclas);
    {
        CArchivoConfig nuevo(temporal);
        for (const ValorGuardado& e : entradas)
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

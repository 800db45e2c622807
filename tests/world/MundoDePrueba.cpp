#include "tests/world/MundoDePrueba.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "world/CListaEntidades.h"
#include "opciones/CPreferenciasActivas.h"

namespace fs = std::filesystem;

int colorCifra(int cifra)
{
    return makecol(200, 16 * cifra, 8);
}

// Múltiplos de 16 en cada canal: sobreviven a los 16 bits sin confundirse.
int colorLoseta(int loseta)
{
    return makecol((loseta % 16) * 16, (loseta / 16) * 16, 128);
}

int colorCuadroRana(int cuadro)
{
    return makecol(64 * cuadro, 240, 32);
}

std::string numeroEn(BITMAP* pagina, int x)
{
    std::string numero;
    for (int celda = x; celda < x + 48; celda += 16) {
        int cifra = -1;
        for (int d = 0; d < 10; ++d)
            if (getpixel(pagina, celda + 8, 463) == colorCifra(d))
                cifra = d;
        numero += std::to_string(cifra);
    }
    return numero;
}

std::string textoMapa(const std::function<int(int, int)>& cercana, const std::function<int(int, int)>& lejana,
                      const std::string& separador, const std::function<int(int, int)>& apariciones)
{
    std::string texto;
    auto poner = [&](int valor) { texto += std::to_string(valor) + separador; };
    for (int f = 0; f < 7; ++f)
        for (int c = 0; c < 256; ++c)
            poner(cercana(f, c));
    for (int f = 0; f < 7; ++f)
        for (int c = 0; c < 72; ++c)
            poner(lejana(f, c));
    for (int bloque = 0; bloque < 3; ++bloque)
        for (int c = 0; c < 256; ++c)
            poner(apariciones ? apariciones(bloque, c) : 0);
    return texto;
}

namespace {

// Hoja de losetas de 16x4: cada loseta lisa con su color, salvo las
// impares, que tienen un agujero de máscara en su cuarto derecho.
BITMAP* crearHojaLosetas()
{
    BITMAP* hoja = create_bitmap(1024, 256);
    for (int n = 0; n < 64; ++n) {
        int x = (n % 16) * 64, y = (n / 16) * 64;
        rectfill(hoja, x, y, x + 63, y + 63, colorLoseta(n));
        if (n % 2 == 1)
            rectfill(hoja, x + 48, y, x + 63, y + 63, bitmap_mask_color(hoja));
    }
    return hoja;
}

BITMAP* crearHojaComunes()
{
    BITMAP* hoja = create_bitmap(640, 128);
    clear_to_color(hoja, bitmap_mask_color(hoja));
    rectfill(hoja, 0, 0, 639, 31, makecol(COLOR_MARCADOR_R, 40, 40));
    for (int d = 0; d < 10; ++d)
        rectfill(hoja, 16 * d, 102, 16 * d + 15, 117, colorCifra(d));
    // Disparos, balas, premio y explosiones: un bloque de color cada uno.
    rectfill(hoja, 0, 32, 19, 51, makecol(0, 0, 255));
    rectfill(hoja, 120, 32, 139, 51, makecol(0, 255, 0));
    rectfill(hoja, 140, 32, 159, 51, makecol(255, 255, 0));
    for (int k = 0; k < 3; ++k)
        rectfill(hoja, 50 * k, 52, 50 * k + 49, 101, makecol(255, 64 * k, 0));
    // El rótulo de la pausa: una franja con máscara alrededor.
    rectfill(hoja, 200, 60, 439, 79, makecol(250, 250, 250));
    return hoja;
}

BITMAP* crearHojaRana()
{
    BITMAP* hoja = create_bitmap(400, 50);
    clear_to_color(hoja, bitmap_mask_color(hoja));
    for (int k = 0; k < 4; ++k)
        rectfill(hoja, 100 * k + 10, 5, 100 * k + 89, 44, colorCuadroRana(k));
    return hoja;
}

}

void MundoDePrueba::SetUp()
{
    PruebaConSimulados::SetUp();
    simulados.imagenes["graphics/fase1.bmp"] = crearHojaLosetas();
    simulados.imagenes["graphics/comunes.bmp"] = crearHojaComunes();
    simulados.imagenes["graphics/rana.bmp"] = crearHojaRana();
    carpetaAnterior = fs::current_path().string();
    const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
    carpeta = (fs::temp_directory_path() / ("rana-mundo-" + std::string(prueba->name()) + "-" +
                                            std::to_string(getpid())))
                  .string();
    fs::remove_all(carpeta);
    fs::create_directories(fs::path(carpeta) / "maps");
    fs::current_path(carpeta);
    escribirMapa(textoMapa([](int, int) { return 0; }, [](int, int) { return 0; }));
    sistema.inicializar(preferenciasActivas);
    sistema.fijarTicks(1000);
}

void MundoDePrueba::TearDown()
{
    listaEntidades.vaciar();
    fs::current_path(carpetaAnterior);
    fs::remove_all(carpeta);
    PruebaConSimulados::TearDown();
}

void MundoDePrueba::escribirMapa(const std::string& texto)
{
    std::ofstream(fs::path(carpeta) / "maps" / "fase1.map", std::ios::binary) << texto;
}

std::vector<CEntidad*> MundoDePrueba::entidades() const
{
    std::vector<CEntidad*> todas;
    for (NodoEntidad* n = listaEntidades.cabeza; n; n = listaEntidades.siguiente(n))
        todas.push_back(n->entidad);
    return todas;
}

CEntidadDePrueba::CEntidadDePrueba(const std::string& nombreDado, int tipoDado, std::vector<std::string>* registroDado)
    : nombre(nombreDado), registro(registroDado)
{
    tipo = tipoDado;
    caja(0, 0, 20, 20);
}

CEntidadDePrueba::~CEntidadDePrueba()
{
    if (registro)
        registro->push_back("borra " + nombre);
}

void CEntidadDePrueba::caja(int x1, int y1, int x2, int y2)
{
    cajaX1 = x1;
    cajaY1 = y1;
    cajaX2 = x2;
    cajaY2 = y2;
}

void CEntidadDePrueba::alImpactar(CEntidad* otra)
{
    auto* deprueba = dynamic_cast<CEntidadDePrueba*>(otra);
    if (registro)
        registro->push_back(nombre + " choca " + (deprueba ? deprueba->nombre : "?"));
    if (reaccion)
        reaccion(this, otra);
    else
        otra->estado = 1;
}

void CEntidadDePrueba::actualizar()
{
    if (registro)
        registro->push_back("actualiza " + nombre);
    if (crearAlActualizar) {
        listaEntidades.agregar(crearAlActualizar);
        crearAlActualizar = nullptr;
    }
    if (quitarse)
        listaEntidades.quitarYBorrar(this);
}

void CEntidadDePrueba::dibujar()
{
    if (registro)
        registro->push_back("dibuja " + nombre);
}

bool MundoDePrueba::vivo(const CEntidad* e) const
{
    for (CEntidad* otra : entidades())
        if (otra == e)
            return true;
    return false;
}

// Cuánto cuesta un cuadro de la fase sin pantalla, frente al suelo de un
// blit opaco del campo de juego: la fase sola, un cuadro entero del bucle
// con disparos y explosiones, otro con enemigos vivos, la ráfaga de la
// muerte del gigante y cómo crece el cuadro con 100 a 1000 entidades. Usa
// la plataforma simulada de las pruebas, así que no necesita X.
// Uso: bench-fotograma [ruta de graphics/fase1.bmp]
#include <allegro.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "enemies/CAcorazado.h"
#include "enemies/CBalaDirigida.h"
#include "enemies/CErrante.h"
#include "enemies/CGigante.h"
#include "enemies/CPremio.h"
#include "enemies/CVolador.h"
#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "player/CExplosion.h"
#include "player/CRana.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"
#include "tests/plataforma/CDispositivosSimulados.h"
#include "world/CListaEntidades.h"
#include "world/CPartida.h"
#include "opciones/CPreferenciasActivas.h"
#include "world/Choques.h"

namespace fs = std::filesystem;

namespace {

const int CUADROS = 2000;
const int CALENTAMIENTO = 200;
const int RONDAS = 7;
// Lo que la fase tiene que cumplir: un cuadro cargado, como mucho 8 suelos.
const double OBJETIVO = 8.0;

const int CURVOS = 8;
const int SENCILLOS = 20;
const int PERFORANTES = 20;
const int EXPLOSIONES = 20;

// La escena de enemigos: lo que se ve en pantalla en un buen momento de la fase.
const int VOLADORES = 5;
const int ERRANTES = 3;
const int ACORAZADOS = 1;
const int BALAS = 12;
const int PREMIOS = 8;

// El gigante muere y revienta durante 151 ticks, a un cuadro por tick.
const int CUADROS_RAFAGA = 151;
const int IMPACTOS_GIGANTE = 100;

// Linealidad: rondas más cortas, que con 1000 entidades el cuadro ya pesa.
const int TAMANOS[] = { 100, 200, 500, 1000 };
const int RONDAS_LINEALIDAD = 5;
const int CUADROS_LINEALIDAD = 150;
const int CALENTAMIENTO_LINEALIDAD = 20;

using Reloj = std::chrono::steady_clock;

// Azar propio: el del juego es una sola secuencia y no se toca aquí.
unsigned semilla = 12345;
int azar(int n)
{
    semilla = semilla * 1103515245u + 12345u;
    return static_cast<int>((semilla >> 16) % static_cast<unsigned>(n));
}

// Losetas de 16x4 con dibujo y, en cada una, zonas de máscara de tamaños
// distintos: la capa cercana deja ver la lejana como en el juego.
BITMAP* hojaLosetasSintetica()
{
    BITMAP* hoja = create_bitmap(1024, 256);
    const int mascara = bitmap_mask_color(hoja);
    for (int n = 0; n < 64; ++n) {
        const int x = (n % 16) * 64, y = (n / 16) * 64;
        rectfill(hoja, x, y, x + 63, y + 63, makecol(40 + 3 * n, 120, 200 - 3 * n));
        for (int k = 0; k < 8; ++k)
            hline(hoja, x, y + 8 * k, x + 63, makecol(20, 60 + 4 * n, 20));
        circlefill(hoja, x + 32, y + 32, 6 + n % 24, mascara);
        rectfill(hoja, x, y, x + 63, y + (n % 5) * 6, mascara);
    }
    return hoja;
}

// Marcador, cifras, disparos y explosiones donde los lee el juego.
BITMAP* hojaComunesSintetica()
{
    BITMAP* hoja = create_bitmap(640, 128);
    clear_to_color(hoja, bitmap_mask_color(hoja));
    rectfill(hoja, 0, 0, 639, 31, makecol(40, 40, 60));
    for (int d = 0; d < 10; ++d)
        circle(hoja, 16 * d + 7, 109, 6, makecol(250, 250, 250));
    circlefill(hoja, 9, 41, 8, makecol(80, 80, 255));
    circlefill(hoja, 129, 41, 8, makecol(80, 255, 80));
    circlefill(hoja, 149, 41, 8, makecol(255, 255, 80));
    for (int k = 0; k < 3; ++k)
        circlefill(hoja, 50 * k + 24, 76, 10 + 7 * k, makecol(255, 64 * k, 0));
    return hoja;
}

BITMAP* hojaRanaSintetica()
{
    BITMAP* hoja = create_bitmap(400, 50);
    clear_to_color(hoja, bitmap_mask_color(hoja));
    for (int k = 0; k < 4; ++k)
        ellipsefill(hoja, 100 * k + 50, 25, 40, 18, makecol(40, 200, 60 * k));
    return hoja;
}

// Los rectángulos de la hoja de enemigos, cada uno con una figura y su máscara alrededor.
BITMAP* hojaEnemigosSintetica()
{
    BITMAP* hoja = create_bitmap(640, 480);
    clear_to_color(hoja, bitmap_mask_color(hoja));
    auto figura = [&](int x, int y, int ancho, int alto, int color) {
        ellipsefill(hoja, x + ancho / 2, y + alto / 2, ancho / 2 - 2, alto / 2 - 2, color);
    };
    for (int k = 0; k < 3; ++k)
        figura(100 * k, 0, 100, 100, makecol(200, 80 + 40 * k, 40));
    figura(300, 0, 170, 90, makecol(90, 90, 90));
    for (int k = 0; k < 4; ++k)
        figura(128 * k, 100, 128, 128, makecol(220, 140, 30 * k));
    for (int k = 0; k < 3; ++k)
        figura(64 * k, 228, 64, 64, makecol(60, 60 * k, 220));
    figura(190, 228, 139, 182, makecol(70, 70, 80));
    for (int k = 0; k < 4; ++k)
        figura(32 * k, 292, 32, 32, makecol(120, 240, 60 * k));
    return hoja;
}

BITMAP* cargar(const fs::path& ruta)
{
    PALETTE paleta;
    return load_bitmap(ruta.string().c_str(), paleta);
}

// Losetas con algo que pintar: las que son todo máscara saldrían gratis.
std::vector<int> losetasVisibles(BITMAP* hoja, int ultimaLoseta)
{
    std::vector<int> visibles;
    const int mascara = bitmap_mask_color(hoja);
    for (int n = 1; n <= ultimaLoseta; ++n) {
        const int sx = (n % 16) * 64, sy = (n / 16) * 64;
        bool pinta = false;
        for (int y = 0; y < 64 && !pinta; ++y)
            for (int x = 0; x < 64 && !pinta; ++x)
                pinta = getpixel(hoja, sx + x, sy + y) != mascara;
        if (pinta)
            visibles.push_back(n);
    }
    return visibles;
}

// Capa cercana sin ningún hueco (ni loseta 0 ni loseta vacía) y tres
// bloques de ceros: la fase no hace aparecer a nadie por su cuenta.
std::string textoMapa(const std::vector<int>& cercanas, int ultimaLoseta)
{
    std::string texto;
    for (int i = 0; i < 7 * 256; ++i)
        texto += std::to_string(cercanas[(i * 7) % cercanas.size()]) + ",";
    for (int i = 0; i < 7 * 72; ++i)
        texto += std::to_string((i * 5) % (ultimaLoseta + 1)) + ",";
    for (int i = 0; i < 3 * 256; ++i)
        texto += "0,";
    return texto;
}

double mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// Una medida: lo que prepara cada ronda fuera del tiempo y su cuadro, que
// devuelve el tiempo de su parte medida. De cada ronda se guarda la mediana
// por cuadro, que no se entera de las veces que otro proceso le quitó la
// CPU a media medida, y la media.
struct Medida {
    const char* nombre;
    std::function<void()> antes;
    std::function<Reloj::duration()> cuadro;
    std::function<void()> despues;
    std::vector<double> rondas;
    std::vector<double> medias;
};

// Las medidas se turnan ronda a ronda: si la máquina se carga a ratos, la
// carga cae sobre todas y la proporción de cada ronda sigue valiendo.
void medir(const std::vector<Medida*>& medidas)
{
    for (int r = 0; r < RONDAS; ++r)
        for (Medida* m : medidas) {
            if (m->antes)
                m->antes();
            for (int i = 0; i < CALENTAMIENTO; ++i)
                m->cuadro();
            std::vector<double> cuadros(CUADROS);
            double total = 0;
            for (double& cuadro : cuadros)
                total += cuadro = std::chrono::duration<double, std::micro>(m->cuadro()).count();
            m->rondas.push_back(mediana(cuadros));
            m->medias.push_back(total / CUADROS);
            if (m->despues)
                m->despues();
        }
}

// Mediana de las proporciones de cada ronda frente al suelo de esa ronda.
double proporcion(const Medida& m, const Medida& suelo)
{
    std::vector<double> proporciones;
    for (size_t r = 0; r < m.rondas.size(); ++r)
        proporciones.push_back(m.rondas[r] / suelo.rondas[r]);
    return mediana(proporciones);
}

int contar(std::vector<int>* porClase = nullptr)
{
    int n = 0;
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = listaEntidades.siguiente(nodo)) {
        ++n;
        if (!porClase)
            continue;
        CEntidad* e = nodo->entidad;
        if (dynamic_cast<CDisparoCurvo*>(e))
            ++(*porClase)[0];
        else if (dynamic_cast<CDisparoPerforante*>(e))
            ++(*porClase)[1];
        else if (dynamic_cast<CDisparo*>(e))
            ++(*porClase)[2];
        else if (dynamic_cast<CExplosion*>(e))
            ++(*porClase)[3];
    }
    return n;
}

// Repone lo que salió de la pantalla o se apagó, repartido por ella.
void reponerEscena()
{
    std::vector<int> hay(4, 0);
    contar(&hay);
    for (int i = hay[0]; i < CURVOS; ++i)
        listaEntidades.agregar(new CDisparoCurvo(azar(300), 60 + azar(330), static_cast<uint8_t>(i % 2)));
    for (int i = hay[1]; i < PERFORANTES; ++i)
        listaEntidades.agregar(new CDisparoPerforante(azar(600), azar(430)));
    for (int i = hay[2]; i < SENCILLOS; ++i)
        listaEntidades.agregar(new CDisparo(azar(600), azar(430)));
    for (int i = hay[3]; i < EXPLOSIONES; ++i)
        listaEntidades.agregar(new CExplosion(azar(590), azar(400)));
}

void informar(const Medida& m, const Medida& suelo)
{
    const auto [menor, mayor] = std::minmax_element(m.rondas.begin(), m.rondas.end());
    std::printf("%-40s %7.1f µs/cuadro  %5.2f× suelo  (rondas %.1f–%.1f µs; media %.1f µs)\n", m.nombre,
                mediana(m.rondas), proporcion(m, suelo), *menor, *mayor, mediana(m.medias));
}

// Las escenas nuevas también frente a la fase sola: lo que añaden sus entidades.
void informarFrenteAFase(const Medida& m, const Medida& suelo, const Medida& fase)
{
    const auto [menor, mayor] = std::minmax_element(m.rondas.begin(), m.rondas.end());
    std::printf("%-40s %7.1f µs/cuadro  %5.2f× suelo  %5.2f× fase  (rondas %.1f–%.1f µs; media %.1f µs)\n",
                m.nombre, mediana(m.rondas), proporcion(m, suelo), proporcion(m, fase), *menor, *mayor,
                mediana(m.medias));
}

template <class T> int cuantos()
{
    int n = 0;
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = listaEntidades.siguiente(nodo))
        n += dynamic_cast<T*>(nodo->entidad) != nullptr;
    return n;
}

// Deja solo a la rana, que va en cabeza: se quita siempre la segunda, sin recorrer.
void quitarTodoMenosLaRana()
{
    while (listaEntidades.cabeza != listaEntidades.cola)
        listaEntidades.quitarYBorrar(listaEntidades.cabeza->siguiente->entidad);
}

// Un acorazado ya en pantalla: el de verdad entra por la izquierda desde x −128.
CAcorazado* acorazadoEn(int x, int y)
{
    auto* acorazado = new CAcorazado(y);
    acorazado->x = x;
    return acorazado;
}

// Repone los enemigos que se fueron o cayeron, donde entran en la fase (el
// volador por la derecha) o ya dentro de ella, y las balas y premios que
// sueltan, para que la escena se mantenga.
void reponerEnemigos()
{
    for (int i = cuantos<CVolador>(); i < VOLADORES; ++i)
        listaEntidades.agregar(new CVolador(80 + azar(280)));
    for (int i = cuantos<CErrante>(); i < ERRANTES; ++i)
        listaEntidades.agregar(new CErrante(250 + azar(390), azar(348)));
    for (int i = cuantos<CAcorazado>(); i < ACORAZADOS; ++i)
        listaEntidades.agregar(acorazadoEn(azar(400), 300 + azar(20)));
    for (int i = cuantos<CBalaDirigida>(); i < BALAS; ++i)
        listaEntidades.agregar(new CBalaDirigida(200 + azar(440), azar(430), jugador->x + 50, jugador->y + 25));
    for (int i = cuantos<CPremio>(); i < PREMIOS; ++i)
        listaEntidades.agregar(new CPremio(100 + azar(500), 150 + azar(250), azar(5) - 2, 200 + azar(600)));
}

// Lo que se le pasa al gigante en alImpactar: un disparo que no está en la lista.
class CDisparoFicticio : public CEntidad {
public:
    CDisparoFicticio() { tipo = TIPO_DISPARO; }
    void actualizar() override {}
    void dibujar() override {}
};

// Un gigante a media patrulla que recibe sus cien impactos: desde el cuadro
// siguiente revienta en explosiones y premios sin moverse.
void matarGigante()
{
    auto* gigante = new CGigante();
    gigante->x = 400;
    gigante->y = 130;
    listaEntidades.agregar(gigante);
    CDisparoFicticio disparo;
    for (int i = 0; i < IMPACTOS_GIGANTE; ++i) {
        disparo.estado = 0;
        gigante->alImpactar(&disparo);
    }
}

// Las piezas del cuadro del bucle, medidas por separado.
enum Pieza { ACTUALIZAR, PASADA1, PASADA2, DIBUJAR, PIEZAS };
const char* const NOMBRES_PIEZAS[PIEZAS] = { "avanzar+actualizar", "pasada 1", "pasada 2", "dibujar" };

// Una escena de n entidades, 40 % enemigos y 60 % disparos de la rana,
// mezclados al azar en la lista (como salen en la partida) y repartidos por
// la pantalla, además de la rana.
void escenaDe(int n)
{
    quitarTodoMenosLaRana();
    std::vector<int> clases;
    for (int i = 0; i < n; ++i)
        clases.push_back(i % 20);
    for (size_t i = clases.size(); i > 1; --i)
        std::swap(clases[i - 1], clases[azar(static_cast<int>(i))]);
    for (int c : clases) {
        CEntidad* e;
        if (c < 4)
            e = new CVolador(60 + azar(320));
        else if (c < 7)
            e = new CErrante(azar(560), azar(348));
        else if (c < 8)
            e = acorazadoEn(azar(520), azar(320));
        else if (c < 14)
            e = new CDisparo(azar(620), azar(430));
        else if (c < 19)
            e = new CDisparoPerforante(azar(620), azar(430));
        else
            e = new CDisparoCurvo(azar(500), azar(430), static_cast<uint8_t>(c % 2));
        if (auto* volador = dynamic_cast<CVolador*>(e))
            volador->x = azar(600);
        listaEntidades.agregar(e);
    }
}

// Parejas que recorre la pasada 2: cada disparo con los enemigos que van antes que él.
long long parejasDeLaPasada2()
{
    long long parejas = 0, enemigos = 0;
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = listaEntidades.siguiente(nodo)) {
        if (nodo->entidad->tipo == TIPO_ENEMIGO)
            ++enemigos;
        else if (nodo->entidad->tipo == TIPO_DISPARO)
            parejas += enemigos;
    }
    return parejas;
}

// Como empieza una partida: la rana primero en la lista, con energía y
// potencia 74, y la fase contando desde este tick, que devuelve.
uint32_t empezarConRana(uint32_t tick)
{
    sistema.fijarTicks(tick);
    jugador = new CRana();
    listaEntidades.agregar(jugador);
    jugador->energia = 74;
    jugador->potencia = 74;
    return tick;
}

// Cuánto cuesta el cuadro con n entidades y en qué se va, pieza a pieza.
// Cada cuadro parte de una escena nueva, fuera del tiempo: así n es exacto
// aunque en el cuadro anterior se hayan quitado o añadido entidades. Lo que
// cuesta cada entidad se da sin la fase (faseSola µs): si no, su coste fijo
// haría parecer más baratas las entidades cuantas más hubiera.
void medirLinealidad(CPartida& partida, uint32_t& tick, double faseSola)
{
    const int tamanos = static_cast<int>(sizeof TAMANOS / sizeof TAMANOS[0]);
    // Por tamaño y pieza, la mediana de cada ronda.
    std::vector<std::vector<std::vector<double>>> rondas(tamanos, std::vector<std::vector<double>>(PIEZAS + 1));
    std::vector<long long> impactos(tamanos, 0), cuadros(tamanos, 0), parejas(tamanos, 0);
    uint32_t inicioFase = empezarConRana(tick);
    for (int r = 0; r < RONDAS_LINEALIDAD; ++r)
        for (int t = 0; t < tamanos; ++t) {
            std::vector<std::vector<double>> piezas(PIEZAS + 1);
            for (int c = 0; c < CALENTAMIENTO_LINEALIDAD + CUADROS_LINEALIDAD; ++c) {
                escenaDe(TAMANOS[t]);
                const long long parejasDelCuadro = parejasDeLaPasada2();
                sistema.fijarTicks(++tick);
                Reloj::time_point marcas[PIEZAS + 1];
                marcas[0] = Reloj::now();
                partida.fase->avanzar(sistema.leerTicks() - inicioFase);
                partida.fase->actualizarEntidades();
                marcas[1] = Reloj::now();
                chocarConRana();
                marcas[2] = Reloj::now();
                chocarDisparos();
                marcas[3] = Reloj::now();
                partida.fase->dibujar();
                marcas[4] = Reloj::now();
                if (c < CALENTAMIENTO_LINEALIDAD)
                    continue;
                for (int p = 0; p < PIEZAS; ++p)
                    piezas[p].push_back(std::chrono::duration<double, std::micro>(marcas[p + 1] - marcas[p]).count());
                piezas[PIEZAS].push_back(std::chrono::duration<double, std::micro>(marcas[PIEZAS] - marcas[0]).count());
                // Un disparo que ha dado a alguien en la pasada 2 queda gastado.
                for (NodoEntidad* nodo = listaEntidades.cabeza; nodo;
                     nodo = listaEntidades.siguiente(nodo))
                    impactos[t] += nodo->entidad->tipo == TIPO_DISPARO && nodo->entidad->estado == 1;
                parejas[t] += parejasDelCuadro;
                ++cuadros[t];
            }
            for (int p = 0; p <= PIEZAS; ++p)
                rondas[t][p].push_back(mediana(piezas[p]));
        }
    listaEntidades.vaciar();

    std::printf("\nlinealidad: cuadro del bucle sin marcador con n entidades además de la rana (40 %% voladores,\n"
                "errantes y acorazados; 60 %% disparos sencillos, perforantes y curvos), mezcladas en la lista;\n"
                "%d rondas de %d cuadros; de cada pieza, la mediana por cuadro. Sin pasada 2, por entidad: lo\n"
                "que queda del cuadro quitada la pasada 2 y la fase sola (%.1f µs), entre n\n",
                RONDAS_LINEALIDAD, CUADROS_LINEALIDAD, faseSola);
    // µ ocupa dos bytes: sus columnas llevan uno más de ancho.
    std::printf("%6s %11s %9s |", "n", "cuadro µs", "µs/ent.");
    for (int p = 0; p < PIEZAS; ++p)
        std::printf(" %*s", p == ACTUALIZAR ? 18 : 9, NOMBRES_PIEZAS[p]);
    std::printf(" | %8s %14s | %8s %7s %8s\n", "pasada 2", "sin p.2 µs/e.", "parejas", "ns/par.", "impactos");
    std::vector<double> porEntidad, parte2;
    for (int t = 0; t < tamanos; ++t) {
        const int n = TAMANOS[t];
        double pieza[PIEZAS + 1];
        for (int p = 0; p <= PIEZAS; ++p)
            pieza[p] = mediana(rondas[t][p]);
        const double pares = static_cast<double>(parejas[t]) / cuadros[t];
        std::printf("%6d %10.1f %8.3f |", n, pieza[PIEZAS], pieza[PIEZAS] / n);
        for (int p = 0; p < PIEZAS; ++p)
            std::printf(" %*.1f", p == ACTUALIZAR ? 18 : 9, pieza[p]);
        std::printf(" | %7.1f%% %13.3f | %8.0f %7.2f %8.1f\n", 100.0 * pieza[PASADA2] / pieza[PIEZAS],
                    (pieza[PIEZAS] - pieza[PASADA2] - faseSola) / n, pares, 1000.0 * pieza[PASADA2] / pares,
                    static_cast<double>(impactos[t]) / cuadros[t]);
        porEntidad.push_back((pieza[PIEZAS] - pieza[PASADA2] - faseSola) / n);
        parte2.push_back(100.0 * pieza[PASADA2] / pieza[PIEZAS]);
    }
    std::printf("sin la pasada 2 y la fase, cada entidad cuesta con %d entidades %.2f veces lo que con %d; la pasada 2\n"
                "se lleva el %.0f%% del cuadro con %d\n",
                TAMANOS[tamanos - 1], porEntidad.back() / porEntidad.front(), TAMANOS[0], parte2.back(),
                TAMANOS[tamanos - 1]);
}

}

int main(int argc, char** argv)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(16);

    CDispositivosSimulados simulados;
    BITMAP* losetas = nullptr;
    if (argc > 1) {
        // Con la hoja generada, también sus vecinas si ya existen.
        const fs::path hojaFase = fs::absolute(argv[1]);
        losetas = cargar(hojaFase);
        if (!losetas) {
            std::fprintf(stderr, "no se pudo leer la hoja de losetas %s\n", hojaFase.string().c_str());
            return 1;
        }
        if (BITMAP* comunes = cargar(hojaFase.parent_path() / "comunes.bmp"))
            simulados.imagenes["graphics/comunes.bmp"] = comunes;
        if (BITMAP* rana = cargar(hojaFase.parent_path() / "rana.bmp"))
            simulados.imagenes["graphics/rana.bmp"] = rana;
        if (BITMAP* enemigos = cargar(hojaFase.parent_path() / "enemigos.bmp"))
            simulados.imagenes["graphics/enemigos.bmp"] = enemigos;
        std::printf("hoja de losetas: %s (%dx%d)\n", hojaFase.string().c_str(), losetas->w, losetas->h);
    } else {
        losetas = hojaLosetasSintetica();
        std::printf("hoja de losetas: sintética (%dx%d)\n", losetas->w, losetas->h);
    }
    if (!simulados.imagenes.count("graphics/comunes.bmp"))
        simulados.imagenes["graphics/comunes.bmp"] = hojaComunesSintetica();
    if (!simulados.imagenes.count("graphics/rana.bmp"))
        simulados.imagenes["graphics/rana.bmp"] = hojaRanaSintetica();
    if (!simulados.imagenes.count("graphics/enemigos.bmp"))
        simulados.imagenes["graphics/enemigos.bmp"] = hojaEnemigosSintetica();
    simulados.imagenes["graphics/fase1.bmp"] = losetas;
    // Solo losetas que caben enteras en la hoja: las recortadas saldrían gratis.
    const int ultimaLoseta = std::min(255, 16 * (losetas->h / 64) - 1);
    const std::vector<int> cercanas = ultimaLoseta < 1 ? std::vector<int>() : losetasVisibles(losetas, ultimaLoseta);
    if (losetas->w < 1024 || cercanas.empty()) {
        std::fprintf(stderr, "la hoja de losetas es demasiado pequeña o no tiene nada que pintar\n");
        return 1;
    }
    std::printf("capa cercana llena de las %zu losetas que pintan algo\n", cercanas.size());

    // La fase lee maps/fase1.map de la carpeta de trabajo: una temporal.
    const fs::path anterior = fs::current_path();
    std::string plantilla = (fs::temp_directory_path() / "rana-bench-XXXXXX").string();
    if (!mkdtemp(plantilla.data()))
        return 1;
    const fs::path carpeta = plantilla;
    fs::create_directories(carpeta / "maps");
    std::ofstream(carpeta / "maps" / "fase1.map", std::ios::binary) << textoMapa(cercanas, ultimaLoseta);
    fs::current_path(carpeta);

    sistema.usarDispositivos(&simulados);
    sistema.inicializar(preferenciasActivas);
    sistema.fijarTicks(0);

    int resultado = 0;
    {
        CPartida partida;
        partida.fase = new CFase1();

        BITMAP* campo = create_bitmap(640, 448);
        clear_to_color(campo, makecol(30, 90, 160));
        Medida suelo{ "suelo: blit opaco 640x448 a la página", nullptr, [&] {
                         const auto inicio = Reloj::now();
                         blit(campo, sistema.paginaDibujo, 0, 0, 0, 0, 640, 448);
                         return Reloj::now() - inicio;
                     }, nullptr, {}, {} };

        // El scroll da la vuelta antes del final: allí faltan losetas.
        uint32_t tick = 0;
        Medida faseSola{ "fase sola: dos capas, sin entidades", nullptr, [&] {
                            partida.fase->avanzar(++tick % CFase1::FIN_DESPLAZAMIENTO);
                            const auto inicio = Reloj::now();
                            partida.fase->dibujar();
                            return Reloj::now() - inicio;
                        }, nullptr, {}, {} };

        // La escena del bucle de juego, con la rana primero como en la
        // partida; cada ronda empieza otra partida en el reloj de entonces.
        uint32_t inicioFase = 0;
        // Dónde se va el cuadro entero, para saber qué mirar si se pasa.
        const int PASOS = 4;
        const char* nombresPasos[PASOS] = { "avanzar y actualizar", "choques", "dibujar fase y entidades", "marcador" };
        Reloj::duration reparto[PASOS] = {};
        long long sumaEntidades = 0;
        int menos = 1 << 30, mas = 0, cuadros = 0;
        Medida completo{ "cuadro entero del bucle con la escena",
                         [&] {
                             inicioFase = empezarConRana(tick);
                         },
                         [&] {
                             reponerEscena();
                             sistema.fijarTicks(++tick);
                             Reloj::time_point marcas[PASOS + 1];
                             marcas[0] = Reloj::now();
                             partida.fase->avanzar(sistema.leerTicks() - inicioFase);
                             partida.fase->actualizarEntidades();
                             marcas[1] = Reloj::now();
                             chocarConRana();
                             chocarDisparos();
                             marcas[2] = Reloj::now();
                             partida.fase->dibujar();
                             marcas[3] = Reloj::now();
                             partida.dibujarMarcador(jugador);
                             marcas[4] = Reloj::now();
                             for (int p = 0; p < PASOS; ++p)
                                 reparto[p] += marcas[p + 1] - marcas[p];
                             // Las que se han dibujado en este cuadro.
                             const int n = contar();
                             sumaEntidades += n;
                             menos = std::min(menos, n);
                             mas = std::max(mas, n);
                             ++cuadros;
                             return marcas[PASOS] - marcas[0];
                         },
                         [] { listaEntidades.vaciar(); }, {}, {} };

        // Un cuadro entero del bucle, como el de la escena, con lo que se le
        // pase delante y sin contar lo que se prepara fuera del tiempo.
        auto cuadroDelBucle = [&](const std::function<void()>& preparar) {
            preparar();
            sistema.fijarTicks(++tick);
            const auto inicio = Reloj::now();
            partida.fase->avanzar(sistema.leerTicks() - inicioFase);
            partida.fase->actualizarEntidades();
            chocarConRana();
            chocarDisparos();
            partida.fase->dibujar();
            partida.dibujarMarcador(jugador);
            return Reloj::now() - inicio;
        };
        auto empezarPartida = [&] {
            inicioFase = empezarConRana(tick);
        };
        auto acabarPartida = [] { listaEntidades.vaciar(); };

        // Enemigos vivos con sus balas y premios, sin disparos de la rana.
        long long entidadesEnemigos = 0, cuadrosEnemigos = 0;
        Medida enemigos{ "cuadro entero con enemigos vivos", empezarPartida, [&] {
                            const auto tiempo = cuadroDelBucle(reponerEnemigos);
                            entidadesEnemigos += contar();
                            ++cuadrosEnemigos;
                            return tiempo;
                        }, acabarPartida, {}, {} };

        // El gigante revienta: una ráfaga tras otra, cada una desde cero.
        int cuadroRafaga = 0;
        // Solo cuentan las ráfagas acabadas; la que corta el final de la ronda, no.
        long long explosionesRafaga = 0, premiosRafaga = 0, rafagas = 0;
        long long explosionesEnCurso = 0, premiosEnCurso = 0;
        int masRafaga = 0;
        Medida rafaga{ "cuadro entero con el gigante reventando", empezarPartida, [&] {
                          const auto tiempo = cuadroDelBucle([&] {
                              if (cuadroRafaga == 0) {
                                  quitarTodoMenosLaRana();
                                  matarGigante();
                                  explosionesEnCurso = premiosEnCurso = 0;
                              }
                          });
                          // Lo nacido en este cuadro: explosiones aún sin avanzar y premios de este tick.
                          const uint32_t ahora = sistema.leerTicks();
                          for (NodoEntidad* nodo = listaEntidades.cabeza; nodo;
                               nodo = listaEntidades.siguiente(nodo)) {
                              if (auto* explosion = dynamic_cast<CExplosion*>(nodo->entidad))
                                  explosionesEnCurso += explosion->estado == 0 && explosion->ultimoTick == ahora;
                              else if (auto* premio = dynamic_cast<CPremio*>(nodo->entidad))
                                  premiosEnCurso += premio->tickInicial == ahora;
                          }
                          masRafaga = std::max(masRafaga, contar());
                          cuadroRafaga = (cuadroRafaga + 1) % CUADROS_RAFAGA;
                          if (cuadroRafaga == 0) {
                              explosionesRafaga += explosionesEnCurso;
                              premiosRafaga += premiosEnCurso;
                              ++rafagas;
                          }
                          return tiempo;
                      }, [&] {
                          acabarPartida();
                          cuadroRafaga = 0;
                      }, {}, {} };

        medir({ &suelo, &faseSola, &completo, &enemigos, &rafaga });
        destroy_bitmap(campo);

        std::printf("%d rondas de %d cuadros tras %d de calentamiento, turnándose; de cada ronda la mediana por\n"
                    "cuadro, y de las rondas la mediana\n",
                    RONDAS, CUADROS, CALENTAMIENTO);
        informar(suelo, suelo);
        informar(faseSola, suelo);
        informar(completo, suelo);
        std::printf("entidades dibujadas por cuadro: %.1f de media (entre %d y %d)\n",
                    static_cast<double>(sumaEntidades) / cuadros, menos, mas);
        Reloj::duration todo{};
        for (const auto& paso : reparto)
            todo += paso;
        std::printf("reparto del cuadro entero:");
        for (int p = 0; p < PASOS; ++p)
            std::printf("%s %s %.0f%%", p ? "," : "", nombresPasos[p], 100.0 * reparto[p].count() / todo.count());
        std::printf("\n");
        informarFrenteAFase(enemigos, suelo, faseSola);
        std::printf("  %d voladores, %d errantes y %d acorazado, %d balas y %d premios repuestos: %.1f entidades por cuadro\n",
                    VOLADORES, ERRANTES, ACORAZADOS, BALAS, PREMIOS,
                    static_cast<double>(entidadesEnemigos) / cuadrosEnemigos);
        informarFrenteAFase(rafaga, suelo, faseSola);
        std::printf("  por ráfaga de %d cuadros (un tick cada uno): %.1f explosiones y %.1f premios; hasta %d entidades a la vez\n",
                    CUADROS_RAFAGA, static_cast<double>(explosionesRafaga) / rafagas,
                    static_cast<double>(premiosRafaga) / rafagas, masRafaga);
        const double veces = proporcion(completo, suelo);
        const bool cumple = veces <= OBJETIVO;
        std::printf("objetivo: cuadro entero ≤ %.0f× suelo: %s (%.2f×)\n", OBJETIVO, cumple ? "se cumple" : "NO se cumple",
                    veces);
        resultado = cumple ? 0 : 2;

        medirLinealidad(partida, tick, mediana(faseSola.rondas));
    }

    sistema.finalizar();
    sistema.usarDispositivos(nullptr);
    fs::current_path(anterior);
    fs::remove_all(carpeta);
    return resultado;
}

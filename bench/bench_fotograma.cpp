// Cuánto cuesta un cuadro de la fase sin pantalla, frente al suelo de un
// blit opaco del campo de juego: la fase sola y un cuadro entero del bucle
// con una escena cargada. Usa la plataforma simulada de las pruebas, así
// que no necesita X. Uso: bench-fotograma [ruta de graphics/fase1.bmp]
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

#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "player/CExplosion.h"
#include "player/CRana.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"
#include "tests/shell/CDispositivosSimulados.h"
#include "world/CListaEntidades.h"
#include "world/CPartida.h"

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
    for (NodoEntidad* nodo = listaEntidades.cabeza; nodo; nodo = nodo == listaEntidades.cola ? nullptr : nodo->siguiente) {
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
        std::printf("hoja de losetas: %s (%dx%d)\n", hojaFase.string().c_str(), losetas->w, losetas->h);
    } else {
        losetas = hojaLosetasSintetica();
        std::printf("hoja de losetas: sintética (%dx%d)\n", losetas->w, losetas->h);
    }
    if (!simulados.imagenes.count("graphics/comunes.bmp"))
        simulados.imagenes["graphics/comunes.bmp"] = hojaComunesSintetica();
    if (!simulados.imagenes.count("graphics/rana.bmp"))
        simulados.imagenes["graphics/rana.bmp"] = hojaRanaSintetica();
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
    sistema.inicializar();
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
                             inicioFase = tick;
                             sistema.fijarTicks(tick);
                             jugador = new CRana();
                             listaEntidades.agregar(jugador);
                             jugador->energia = 74;
                             jugador->potencia = 74;
                         },
                         [&] {
                             reponerEscena();
                             sistema.fijarTicks(++tick);
                             Reloj::time_point marcas[PASOS + 1];
                             marcas[0] = Reloj::now();
                             partida.fase->avanzar(sistema.leerTicks() - inicioFase);
                             partida.fase->actualizarEntidades();
                             marcas[1] = Reloj::now();
                             partida.chocarConRana();
                             partida.chocarDisparos();
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

        medir({ &suelo, &faseSola, &completo });
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
        const double veces = proporcion(completo, suelo);
        const bool cumple = veces <= OBJETIVO;
        std::printf("objetivo: cuadro entero ≤ %.0f× suelo: %s (%.2f×)\n", OBJETIVO, cumple ? "se cumple" : "NO se cumple",
                    veces);
        resultado = cumple ? 0 : 2;
    }

    sistema.finalizar();
    sistema.usarDispositivos(nullptr);
    fs::current_path(anterior);
    fs::remove_all(carpeta);
    return resultado;
}

// Compara dos maneras de componer y mostrar un cuadro típico de la fase en
// X11: páginas y hojas de vídeo con show_video_bitmap, o páginas y hojas en
// memoria con un único blit a screen. Después mide lo que cuesta presentar
// la página del juego a 1x y a 2x, con la plataforma de verdad y con otras
// maneras de ampliar. Necesita una pantalla X (sirve Xvfb) en la que quepa
// una ventana de 1280x960.
#include <allegro.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "plataforma/CDispositivosAllegro.h"

namespace {

const int CUADROS = 300;

// Lo que dibuja un cuadro de juego: dos capas de losetas de 64x64, unas
// decenas de sprites con máscara y la franja del marcador.
void componerCuadro(BITMAP* pagina, BITMAP* hoja, int desplazamiento)
{
    for (int capa = 0; capa < 2; ++capa)
        for (int fila = 0; fila < 7; ++fila)
            for (int k = 0; k < 11; ++k) {
                int x = k * 64 - (desplazamiento >> capa) % 64;
                if (capa == 0)
                    blit(hoja, pagina, 0, 0, x, fila * 64, 64, 64);
                else
                    masked_blit(hoja, pagina, 64, 0, x, fila * 64, 64, 64);
            }
    for (int i = 0; i < 40; ++i)
        masked_blit(hoja, pagina, 128, 0, (i * 53 + desplazamiento) % 600, (i * 37) % 400, 64, 64);
    blit(hoja, pagina, 0, 64, 0, 448, 640, 32);
}

BITMAP* crearHoja(bool enVideo)
{
    BITMAP* hoja = enVideo ? create_video_bitmap(640, 128) : create_bitmap(640, 128);
    if (!hoja)
        return nullptr;
    clear_to_color(hoja, makecol(255, 0, 255));
    rectfill(hoja, 0, 0, 63, 63, makecol(40, 120, 40));
    circlefill(hoja, 96, 32, 28, makecol(200, 200, 40));
    circlefill(hoja, 160, 32, 20, makecol(200, 60, 40));
    rectfill(hoja, 0, 64, 639, 95, makecol(30, 30, 60));
    return hoja;
}

double medir(bool enVideo)
{
    BITMAP* paginas[2];
    for (BITMAP*& pagina : paginas)
        pagina = enVideo ? create_video_bitmap(640, 480) : create_bitmap(640, 480);
    BITMAP* hoja = crearHoja(enVideo);
    if (!paginas[0] || !paginas[1] || !hoja) {
        std::printf("%s: no se pudieron crear las páginas o la hoja\n", enVideo ? "vídeo" : "memoria");
        return -1;
    }
    auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < CUADROS; ++i) {
        BITMAP* dibujo = paginas[i & 1];
        componerCuadro(dibujo, hoja, i * 3);
        if (enVideo)
            show_video_bitmap(dibujo);
        else
            blit(dibujo, screen, 0, 0, 0, 0, 640, 480);
    }
    auto fin = std::chrono::steady_clock::now();
    destroy_bitmap(hoja);
    for (BITMAP* pagina : paginas)
        destroy_bitmap(pagina);
    return std::chrono::duration<double, std::milli>(fin - inicio).count() / CUADROS;
}

double medirSoloVolcado()
{
    BITMAP* pagina = create_bitmap(640, 480);
    clear_to_color(pagina, makecol(10, 90, 30));
    auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < CUADROS; ++i)
        blit(pagina, screen, 0, 0, 0, 0, 640, 480);
    auto fin = std::chrono::steady_clock::now();
    destroy_bitmap(pagina);
    return std::chrono::duration<double, std::milli>(fin - inicio).count() / CUADROS;
}

// Tiempo de procesador del hilo: lo que el juego paga por presentar, aunque
// otros procesos le quiten la CPU a ratos o el servidor X vaya a su ritmo.
double microsegundosDeHilo()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

const int RONDAS_PRESENTAR = 7;
const int CUADROS_PRESENTAR = 200;

double mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// Un cuadro presentado de cada manera, turnándose ronda a ronda; de cada
// ronda, la media por cuadro en reloj y en procesador, y de las rondas la mediana.
struct Presentacion {
    const char* nombre;
    int factor;
    std::function<void(BITMAP*)> presentar;
    std::vector<double> reloj, procesador;
};

void medirPresentaciones(CDispositivosAllegro& dispositivos, std::vector<Presentacion>& maneras, BITMAP* hoja)
{
    BITMAP* pagina = create_bitmap(640, 480);
    for (int r = 0; r < RONDAS_PRESENTAR; ++r)
        for (Presentacion& manera : maneras) {
            if (dispositivos.fijarModoGrafico(1, modoVentana(manera.factor)) != 0) {
                std::printf("no se abrió la ventana a %dx: %s\n", manera.factor, allegro_error);
                return;
            }
            double reloj = 0, procesador = 0;
            for (int i = 0; i < CUADROS_PRESENTAR; ++i) {
                componerCuadro(pagina, hoja, i * 3);
                const auto inicio = std::chrono::steady_clock::now();
                const double inicioHilo = microsegundosDeHilo();
                manera.presentar(pagina);
                procesador += microsegundosDeHilo() - inicioHilo;
                reloj += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inicio).count();
            }
            manera.reloj.push_back(reloj / CUADROS_PRESENTAR);
            manera.procesador.push_back(procesador / CUADROS_PRESENTAR);
        }
    destroy_bitmap(pagina);
    std::printf("presentar la página (%d rondas de %d cuadros, mediana de las medias por ronda):\n", RONDAS_PRESENTAR,
                CUADROS_PRESENTAR);
    for (const Presentacion& manera : maneras)
        std::printf("  %-52s %7.1f µs de procesador, %7.1f µs de reloj por cuadro\n", manera.nombre,
                    mediana(manera.procesador), mediana(manera.reloj));
}

// Doble ancho y doble alto en un bitmap de 16 bits, para el blit de Allegro.
void doblar(BITMAP* pagina, BITMAP* doble)
{
    for (int y = 0; y < pagina->h; ++y) {
        const uint16_t* origen = reinterpret_cast<const uint16_t*>(pagina->line[y]);
        uint16_t* fila = reinterpret_cast<uint16_t*>(doble->line[2 * y]);
        for (int x = 0; x < pagina->w; ++x)
            fila[2 * x] = fila[2 * x + 1] = origen[x];
        std::memcpy(doble->line[2 * y + 1], fila, doble->w * 2);
    }
}

}

int main()
{
    if (allegro_init() != 0) {
        std::fprintf(stderr, "sin pantalla X: ejecútalo bajo Xvfb\n");
        return 1;
    }
    set_color_depth(16);
    // Altura virtual para las dos páginas de vídeo y la hoja.
    if (set_gfx_mode(GFX_XWINDOWS, 640, 480, 640, 960 + 128) != 0) {
        std::fprintf(stderr, "no se abrió la ventana: %s\n", allegro_error);
        return 1;
    }
    std::printf("driver: %s, capacidades: %d\n", gfx_driver->name, gfx_capabilities);
    std::printf("páginas de vídeo + show_video_bitmap: %.3f ms por cuadro\n", medir(true));
    std::printf("páginas de memoria + blit a screen:   %.3f ms por cuadro\n", medir(false));
    std::printf("solo el blit de 640x480 a screen:     %.3f ms por cuadro\n", medirSoloVolcado());

    // Las mismas hojas de memoria; la ventana la abre la plataforma del juego.
    BITMAP* hoja = crearHoja(false);
    BITMAP* doble = create_bitmap(1280, 960);
    CDispositivosAllegro dispositivos;
    std::vector<Presentacion> maneras = {
        { "el juego a 1x (tabla de colores a la imagen X)", 1, [&](BITMAP* p) { dispositivos.presentar(p); }, {}, {} },
        { "el juego a 2x (tabla de colores a la imagen X)", 2, [&](BITMAP* p) { dispositivos.presentar(p); }, {}, {} },
        { "2x con stretch_blit a screen", 2, [](BITMAP* p) { stretch_blit(p, screen, 0, 0, 640, 480, 0, 0, 1280, 960); },
          {}, {} },
        { "2x doblando a 16 bits y un blit a screen", 2, [&](BITMAP* p) {
              doblar(p, doble);
              blit(doble, screen, 0, 0, 0, 0, 1280, 960);
          }, {}, {} },
    };
    medirPresentaciones(dispositivos, maneras, hoja);
    destroy_bitmap(doble);
    destroy_bitmap(hoja);
    return 0;
}
END_OF_MAIN()

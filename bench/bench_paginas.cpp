// Compara dos maneras de componer y mostrar un cuadro típico de la fase en
// X11: páginas y hojas de vídeo con show_video_bitmap, o páginas y hojas en
// memoria con un único blit a screen. Necesita una pantalla X (sirve Xvfb).
#include <allegro.h>

#include <chrono>
#include <cstdio>

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
    return 0;
}
END_OF_MAIN()

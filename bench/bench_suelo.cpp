// El suelo de lo que cuesta tener la ventana viva: un programa de Allegro
// que no hace nada más que llenar una página de memoria del tamaño de la
// ventana y pasarla a screen 100 veces por segundo. Duerme hasta cada límite
// de 10 ms con clock_nanosleep, así que despierta una vez por cuadro, y no
// tiene sonido ni reloj de Allegro. medir.sh compara con él lo que gasta el
// juego en una partida.
//
// Uso: bench-suelo [escala] [segundos]   (1 y 10 si no se dicen)
#include <allegro.h>

#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

const long CUADRO_NS = 10000000; // 100 cuadros por segundo

void sumarNs(timespec& t, long ns)
{
    t.tv_nsec += ns;
    while (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
}

double segundosDesde(const timespec& inicio)
{
    timespec ahora;
    clock_gettime(CLOCK_MONOTONIC, &ahora);
    return (ahora.tv_sec - inicio.tv_sec) + (ahora.tv_nsec - inicio.tv_nsec) / 1e9;
}

int numeroDe(const char* texto, int porDefecto)
{
    if (!texto)
        return porDefecto;
    char* fin = nullptr;
    long n = std::strtol(texto, &fin, 10);
    return (*fin == '\0' && n > 0 && n <= 100000) ? static_cast<int>(n) : -1;
}

} // namespace

int main(int argc, char** argv)
{
    int escala = numeroDe(argc > 1 ? argv[1] : nullptr, 1);
    int segundos = numeroDe(argc > 2 ? argv[2] : nullptr, 10);
    if (escala < 1 || escala > 8 || segundos < 1) {
        std::fprintf(stderr, "uso: bench-suelo [escala 1-8] [segundos]\n");
        return 2;
    }
    if (allegro_init() != 0) {
        std::fprintf(stderr, "no se pudo iniciar Allegro\n");
        return 1;
    }
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640 * escala, 480 * escala, 0, 0) != 0) {
        std::fprintf(stderr, "no se abrió la ventana de %dx%d: %s\n", 640 * escala, 480 * escala, allegro_error);
        return 1;
    }
    set_window_title("Suelo de Escuadrón Rana");
    BITMAP* pagina = create_bitmap(SCREEN_W, SCREEN_H);
    if (!pagina) {
        std::fprintf(stderr, "no se pudo crear la página\n");
        return 1;
    }

    // Los límites se cuentan desde el primero: un despertar tardío no
    // retrasa los siguientes, y salen justo 100 cuadros por segundo.
    timespec inicio, limite;
    clock_gettime(CLOCK_MONOTONIC, &inicio);
    limite = inicio;
    const int cuadros = segundos * 100;
    for (int i = 0; i < cuadros; ++i) {
        // Un color por cuadro, para que ningún paso pueda saltarse la copia.
        clear_to_color(pagina, makecol(i & 255, (i * 3) & 255, 128));
        blit(pagina, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        sumarNs(limite, CUADRO_NS);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &limite, nullptr) == EINTR) {
        }
    }
    double transcurrido = segundosDesde(inicio);
    std::printf("bench-suelo: %d cuadros de %dx%d en %.2f s (%.1f por segundo)\n",
                cuadros, SCREEN_W, SCREEN_H, transcurrido, cuadros / transcurrido);
    destroy_bitmap(pagina);
    return 0;
}
END_OF_MAIN()

#include "plataforma/CHiloFondo.h"

#include <allegro.h>

#if defined(ALLEGRO_UNIX) && !defined(ALLEGRO_MACOSX)

#include <allegro/platform/aintunix.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>

#include <atomic>
#include <cerrno>

namespace {

// El mismo cupo que el hilo de Allegro.
const int MAX_FUNCIONES = 16;
const long NANOS_POR_SEGUNDO = 1000000000L;
const long PERIODO_NANOS = 10000000L;

// Tipos de POSIX sin destructor: sirven igual si el juego sale con exit()
// mientras el hilo sigue vivo.
pthread_mutex_t cerrojo = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t reanudado = PTHREAD_COND_INITIALIZER;
pthread_t hilo;
std::atomic<bool> hiloVivo{ false };
std::atomic<bool> seguir{ false };
// Atómico porque Allegro lo pregunta también desde sus manejadores de señales.
std::atomic<int> inhabilitaciones{ 0 };
bg_func funciones[MAX_FUNCIONES];
void (*bombeoDado)() = nullptr;
thread_local bool enHiloFondo = false;

bg_manager gestor;

// Las señales son del hilo principal, como con el hilo de Allegro.
void bloquearSenales()
{
    sigset_t todas;
    sigfillset(&todas);
    pthread_sigmask(SIG_BLOCK, &todas, nullptr);
}

bool antesQue(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// Un despertar tardío no se recupera con varios seguidos: se salta al
// siguiente plazo que aún no ha pasado.
void siguientePlazo(timespec& plazo)
{
    timespec ahora;
    clock_gettime(CLOCK_MONOTONIC, &ahora);
    do {
        plazo.tv_nsec += PERIODO_NANOS;
        if (plazo.tv_nsec >= NANOS_POR_SEGUNDO) {
            plazo.tv_nsec -= NANOS_POR_SEGUNDO;
            ++plazo.tv_sec;
        }
    } while (!antesQue(ahora, plazo));
}

int buscar(bg_func funcion)
{
    for (int i = 0; i < MAX_FUNCIONES; ++i)
        if (funciones[i] == funcion)
            return i;
    return -1;
}

}

bool CHiloFondo::sustituir(void (*bombeo)())
{
    bg_manager* original = _unix_bg_man;
    if (original == &gestor)
        return hiloVivo;
    // Sin hilo propio, X no tiene el cerrojo que comparte con el de fondo.
    if (!original || !original->multi_threaded)
        return false;
    gestor = { TRUE, iniciar, salir, registrar, quitar, habilitar, inhabilitar, inhabilitado };
    bombeoDado = bombeo;
    if (iniciar() != 0)
        return false;
    original->exit();
    _unix_bg_man = &gestor;
    return true;
}

int CHiloFondo::iniciar()
{
    if (hiloVivo)
        return 0;
    for (bg_func& funcion : funciones)
        funcion = nullptr;
    inhabilitaciones = 0;
    seguir = true;
    if (pthread_create(&hilo, nullptr, bucle, nullptr) != 0) {
        seguir = false;
        return -1;
    }
    hiloVivo = true;
    return 0;
}

// Desde el propio hilo (una llamada suya que acaba en exit()) no puede
// esperarse a sí mismo: se le deja acabar solo.
void CHiloFondo::salir()
{
    if (!hiloVivo)
        return;
    hiloVivo = false;
    const bool tomado = tomarCerrojo();
    seguir = false;
    pthread_cond_signal(&reanudado);
    soltarCerrojo(tomado);
    if (tomado)
        pthread_join(hilo, nullptr);
    else
        pthread_detach(hilo);
}

int CHiloFondo::registrar(void (*funcion)(int))
{
    const bool tomado = tomarCerrojo();
    const int hueco = buscar(nullptr);
    if (hueco >= 0)
        funciones[hueco] = funcion;
    soltarCerrojo(tomado);
    return hueco >= 0 ? 0 : -1;
}

// Lo que no está aquí se registró en el hilo de Allegro, y lo hace el
// bombeo: al quitarlo (X lo pide antes de cerrar la conexión) se para.
int CHiloFondo::quitar(void (*funcion)(int))
{
    const bool tomado = tomarCerrojo();
    const int hueco = funcion ? buscar(funcion) : -1;
    if (hueco >= 0)
        funciones[hueco] = nullptr;
    else
        bombeoDado = nullptr;
    soltarCerrojo(tomado);
    return hueco >= 0 ? 0 : -1;
}

void CHiloFondo::habilitar()
{
    const bool tomado = tomarCerrojo();
    if (--inhabilitaciones == 0)
        pthread_cond_signal(&reanudado);
    soltarCerrojo(tomado);
}

// Con el cerrojo: al volver, el hilo no está a mitad de ninguna llamada.
void CHiloFondo::inhabilitar()
{
    const bool tomado = tomarCerrojo();
    ++inhabilitaciones;
    soltarCerrojo(tomado);
}

int CHiloFondo::inhabilitado()
{
    return inhabilitaciones > 0;
}

void* CHiloFondo::bucle(void*)
{
    enHiloFondo = true;
    bloquearSenales();
    timespec plazo;
    clock_gettime(CLOCK_MONOTONIC, &plazo);
    while (seguir) {
        siguientePlazo(plazo);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &plazo, nullptr) == EINTR) {
        }
        atender();
    }
    return nullptr;
}

void CHiloFondo::atender()
{
    pthread_mutex_lock(&cerrojo);
    while (inhabilitaciones > 0 && seguir)
        pthread_cond_wait(&reanudado, &cerrojo);
    if (seguir)
        llamarTodas();
    pthread_mutex_unlock(&cerrojo);
}

// Se relee cada hueco: una llamada puede quitar otras, o a sí misma.
void CHiloFondo::llamarTodas()
{
    if (bombeoDado)
        bombeoDado();
    for (int i = 0; i < MAX_FUNCIONES; ++i)
        if (bg_func funcion = funciones[i])
            funcion(TRUE);
}

// Desde el propio hilo el cerrojo ya es suyo: lo tiene mientras llama.
bool CHiloFondo::tomarCerrojo()
{
    if (enHiloFondo)
        return false;
    pthread_mutex_lock(&cerrojo);
    return true;
}

void CHiloFondo::soltarCerrojo(bool tomado)
{
    if (tomado)
        pthread_mutex_unlock(&cerrojo);
}

#else

bool CHiloFondo::sustituir(void (*)())
{
    return false;
}

#endif

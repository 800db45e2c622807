#include <allegro.h>
#include <allegro/platform/aintunix.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "plataforma/CHiloFondo.h"

namespace {

std::atomic<int> salidasOriginal{ 0 }, llamadas{ 0 }, bombeos{ 0 };
std::atomic<bool> quitada{ false };

void salirOriginal() { ++salidasOriginal; }
void contar(int) { ++llamadas; }
void bombear() { ++bombeos; }
// Quita a la otra y a sí misma desde el propio hilo, que ya tiene el cerrojo.
void quitarse(int)
{
    quitada = _unix_bg_man->unregister_func(contar) == 0 && _unix_bg_man->unregister_func(quitarse) == 0;
}

// El que pondría Allegro: solo hace falta que sea de hilos y que se pueda parar.
bg_manager original = { TRUE, nullptr, salirOriginal, nullptr, nullptr, nullptr, nullptr, nullptr };

int enEspera(const std::atomic<int>& cuenta, int milisegundos)
{
    const int antes = cuenta;
    std::this_thread::sleep_for(std::chrono::milliseconds(milisegundos));
    return cuenta - antes;
}

// Lo que llega, llega aunque la máquina vaya cargada: se espera con un techo
// holgado, de 5 s.
bool esperarCuenta(const std::atomic<int>& cuenta, int hasta)
{
    for (int i = 0; i < 1000 && cuenta < hasta; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return cuenta >= hasta;
}

// Aunque falle una comprobación, el hilo propio se para y vuelve el gestor de antes.
struct Restaurar {
    bg_manager* previo = _unix_bg_man;
    ~Restaurar()
    {
        if (_unix_bg_man != previo && _unix_bg_man != &original)
            _unix_bg_man->exit();
        _unix_bg_man = previo;
    }
};

}

// Cien veces por segundo y nunca más (un bucle de 1 ms daría diez veces
// más); nada mientras está inhabilitado ni tras salir. Sustituido otra vez,
// como al reiniciar Allegro, empieza sin nada; una llamada puede quitarse sin
// bloquear el hilo, y el bombeo para cuando X quita lo suyo, que este no tiene.
TEST(PruebaHiloFondo, CienVecesPorSegundoConLasReglasDelDeAllegro)
{
    Restaurar restaurar;
    _unix_bg_man = &original;
    ASSERT_TRUE(CHiloFondo::sustituir(bombear));
    EXPECT_EQ(salidasOriginal, 1);
    // Diez llamadas piden al menos 90 ms; con la máquina parada, tardan más.
    // El reloj se lee antes de apuntarse y después de contar: nunca de menos.
    const auto inicio = std::chrono::steady_clock::now();
    ASSERT_EQ(_unix_bg_man->register_func(contar), 0);
    ASSERT_TRUE(esperarCuenta(llamadas, 10)) << "no llegaron diez llamadas en 5 s";
    const int vistas = llamadas;
    const auto pasado =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count();
    EXPECT_LE(vistas, pasado / 10 + 2) << "en " << pasado << " ms";

    _unix_bg_man->disable_interrupts();
    EXPECT_TRUE(_unix_bg_man->interrupts_disabled());
    EXPECT_EQ(enEspera(llamadas, 40), 0);
    _unix_bg_man->enable_interrupts();
    EXPECT_TRUE(esperarCuenta(llamadas, llamadas + 1));
    _unix_bg_man->exit();
    EXPECT_EQ(enEspera(llamadas, 40), 0);

    _unix_bg_man = &original;
    ASSERT_TRUE(CHiloFondo::sustituir(bombear));
    EXPECT_EQ(enEspera(llamadas, 40), 0);
    ASSERT_EQ(_unix_bg_man->register_func(contar), 0);
    ASSERT_EQ(_unix_bg_man->register_func(quitarse), 0);
    for (int i = 0; i < 1000 && !quitada; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(quitada);
    EXPECT_EQ(enEspera(llamadas, 40), 0);
    EXPECT_TRUE(esperarCuenta(bombeos, bombeos + 1));
    EXPECT_EQ(_unix_bg_man->unregister_func([](int) {}), -1);
    EXPECT_EQ(enEspera(bombeos, 40), 0);
}

#include <allegro.h>
#include <allegro/platform/aintunix.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "plataforma/CHiloFondo.h"

namespace {

using Reloj = std::chrono::steady_clock;

std::atomic<int> salidasOriginal{ 0 }, llamadas{ 0 }, bombeos{ 0 };

void salirOriginal() { ++salidasOriginal; }
void contar(int) { ++llamadas; }
void bombear() { ++bombeos; }

// Quita a la otra y a sí misma: solo se llama una vez.
std::atomic<bool> quitada{ false };
void quitarse(int)
{
    quitada = _unix_bg_man->unregister_func(contar) == 0 && _unix_bg_man->unregister_func(quitarse) == 0;
}

// El que pondría Allegro: solo hace falta que sea de hilos y que se pueda parar.
bg_manager original = { TRUE, nullptr, salirOriginal, nullptr, nullptr, nullptr, nullptr, nullptr };

int llamadasEn(int milisegundos)
{
    const int antes = llamadas;
    std::this_thread::sleep_for(std::chrono::milliseconds(milisegundos));
    return llamadas - antes;
}

bool vuelveALlamar()
{
    const int antes = llamadas;
    for (int i = 0; i < 200 && llamadas == antes; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return llamadas != antes;
}

}

// Cien veces por segundo y nunca más (un bucle de 1 ms daría diez veces
// más); nada mientras está inhabilitado, ni tras salir. Luego se puede
// sustituir otra vez, como al reiniciar Allegro, y empieza sin nada.
TEST(PruebaHiloFondo, LlamaCienVecesPorSegundoHastaQueSale)
{
    bg_manager* previo = _unix_bg_man;
    const int salidas = salidasOriginal;
    _unix_bg_man = &original;
    ASSERT_TRUE(CHiloFondo::sustituir(bombear));
    EXPECT_EQ(salidasOriginal, salidas + 1);
    ASSERT_NE(_unix_bg_man, &original);
    ASSERT_EQ(_unix_bg_man->register_func(contar), 0);

    const auto inicio = Reloj::now();
    const int primeras = llamadasEn(100);
    const auto pasado = std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count();
    EXPECT_GE(primeras, 3);
    EXPECT_LE(primeras, pasado / 10 + 2);

    _unix_bg_man->disable_interrupts();
    EXPECT_TRUE(_unix_bg_man->interrupts_disabled());
    EXPECT_EQ(llamadasEn(40), 0);
    _unix_bg_man->enable_interrupts();
    EXPECT_FALSE(_unix_bg_man->interrupts_disabled());
    EXPECT_TRUE(vuelveALlamar());

    _unix_bg_man->exit();
    EXPECT_EQ(llamadasEn(40), 0);
    _unix_bg_man = &original;
    ASSERT_TRUE(CHiloFondo::sustituir(bombear));
    EXPECT_EQ(llamadasEn(40), 0);
    _unix_bg_man->exit();
    _unix_bg_man = previo;
}

// El bombeo va hasta que X quita lo suyo, que este hilo no tiene. Una
// llamada puede quitarse sin bloquear el hilo, que ya tiene el cerrojo.
TEST(PruebaHiloFondo, ElBombeoParaCuandoXQuitaLoSuyo)
{
    bg_manager* previo = _unix_bg_man;
    _unix_bg_man = &original;
    const int antes = bombeos;
    ASSERT_TRUE(CHiloFondo::sustituir(bombear));
    ASSERT_EQ(_unix_bg_man->register_func(contar), 0);
    ASSERT_EQ(_unix_bg_man->register_func(quitarse), 0);
    for (int i = 0; i < 200 && !quitada; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // Si se hubiera bloqueado, salir lo esperaría para siempre.
    ASSERT_TRUE(quitada);
    EXPECT_EQ(llamadasEn(40), 0);
    EXPECT_GT(bombeos, antes);

    EXPECT_EQ(_unix_bg_man->unregister_func([](int) {}), -1);
    const int alQuitar = bombeos;
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    EXPECT_EQ(bombeos, alQuitar);
    _unix_bg_man->exit();
    _unix_bg_man = previo;
}

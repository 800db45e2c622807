#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "plataforma/CAvisoTick.h"

namespace {

using Reloj = std::chrono::steady_clock;

long milisegundosDesde(Reloj::time_point inicio)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count());
}

}

// Quien espera el tick despierta cuando llega, y no antes: los avisos que no
// lo traen (como el del botón de cerrar sin cierre) no le sacan de la
// espera. Sin ningún aviso, sale por el plazo.
TEST(PruebaAvisoTick, DespiertaConElTickYNoAntes)
{
    CAvisoTick aviso;
    std::atomic<int> ticks{ 0 };
    const auto inicio = Reloj::now();
    std::thread temporizador([&] {
        for (int i = 0; i < 4; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            aviso.avisar();
        }
        ticks = 1;
        aviso.avisar();
    });
    EXPECT_TRUE(aviso.esperar([&] { return ticks != 0; }, 2000));
    const long esperado = milisegundosDesde(inicio);
    temporizador.join();
    EXPECT_GE(esperado, 38);
    EXPECT_LT(esperado, 1000);

    const auto otraVez = Reloj::now();
    EXPECT_FALSE(aviso.esperar([] { return false; }, 30));
    EXPECT_GE(milisegundosDesde(otraVez), 29);
}

// El botón de cerrar también despierta, aunque el reloj esté parado.
TEST(PruebaAvisoTick, DespiertaConElBotonDeCerrar)
{
    CAvisoTick aviso;
    std::atomic<bool> cierre{ false };
    std::thread ventana([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cierre = true;
        aviso.avisar();
    });
    const auto inicio = Reloj::now();
    EXPECT_TRUE(aviso.esperar([&] { return cierre.load(); }, 5000));
    ventana.join();
    EXPECT_LT(milisegundosDesde(inicio), 2000);
}

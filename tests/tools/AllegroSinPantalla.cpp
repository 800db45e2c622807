#include "AllegroSinPantalla.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// SYSTEM_NONE no trae mutex, y get_midi_length intenta instalar el
// temporizador, que los pide: sin estos, la prueba de duración revienta.
void* crearMutex()
{
    return new std::recursive_mutex;
}

void destruirMutex(void* m)
{
    delete static_cast<std::recursive_mutex*>(m);
}

void bloquearMutex(void* m)
{
    static_cast<std::recursive_mutex*>(m)->lock();
}

void liberarMutex(void* m)
{
    static_cast<std::recursive_mutex*>(m)->unlock();
}
}

void arrancarAllegroSinPantalla()
{
    static bool arrancado = false;
    if (arrancado)
        return;
    ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0) << allegro_error;
    system_driver->create_mutex = crearMutex;
    system_driver->destroy_mutex = destruirMutex;
    system_driver->lock_mutex = bloquearMutex;
    system_driver->unlock_mutex = liberarMutex;
    set_color_depth(24);
    arrancado = true;
}

CarpetaTemporal::CarpetaTemporal()
{
    const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nombre = std::string("rana-") + (prueba ? prueba->name() : "x") + "-" + std::to_string(getpid());
    ruta_ = (fs::temp_directory_path() / nombre).string();
    fs::remove_all(ruta_);
    fs::create_directories(ruta_);
}

CarpetaTemporal::~CarpetaTemporal()
{
    std::error_code ignorado;
    fs::remove_all(ruta_, ignorado);
}

std::string CarpetaTemporal::archivo(const std::string& relativa) const
{
    return (fs::path(ruta_) / relativa).string();
}

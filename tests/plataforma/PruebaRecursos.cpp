#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "plataforma/Recursos.h"

namespace fs = std::filesystem;

namespace {

TEST(PruebaRecursos, LaCarpetaDeTrabajoMandaSiTraeGraficos)
{
    EXPECT_EQ(carpetaRecursos(true, "/usr/games/escuadron-rana"), "");
    EXPECT_EQ(carpetaRecursos(false, "/usr/games/escuadron-rana"), "/usr/share/games/escuadron-rana/");
    // Un prefijo movido a otro sitio sigue encontrando lo suyo.
    EXPECT_EQ(carpetaRecursos(false, "/tmp/otro sitio/games/escuadron-rana"),
              "/tmp/otro sitio/share/games/escuadron-rana/");
    EXPECT_EQ(carpetaRecursos(false, ""), "");
}

// Con el proceso de verdad: la prueba se llama a sí misma ejecutable del juego.
TEST(PruebaRecursos, DecideAlArrancarSegunLaCarpetaDeTrabajo)
{
    const fs::path antes = fs::current_path();
    const fs::path carpeta = fs::temp_directory_path() / ("rana-recursos-" + std::to_string(::getpid()));
    fs::create_directories(carpeta / "con" / "graphics");
    fs::create_directories(carpeta / "sin");
    const fs::path prefijo = fs::read_symlink("/proc/self/exe").parent_path().parent_path();

    fs::current_path(carpeta / "sin");
    localizarRecursos();
    EXPECT_EQ(rutaRecurso("graphics/main.bmp"),
              (prefijo / "share" / "games" / "escuadron-rana" / "graphics" / "main.bmp").string());
    // Lo que las demás pruebas esperan: rutas relativas a la carpeta de trabajo.
    fs::current_path(carpeta / "con");
    localizarRecursos();
    EXPECT_EQ(rutaRecurso("graphics/main.bmp"), "graphics/main.bmp");

    fs::current_path(antes);
    fs::remove_all(carpeta);
}

}

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "plataforma/Archivos.h"

namespace fs = std::filesystem;

namespace {

class PruebaArchivos : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = fs::temp_directory_path() / ("rana-archivos-" + std::to_string(::getpid()));
        fs::remove_all(carpeta);
        fs::create_directories(carpeta);
    }
    void TearDown() override { fs::remove_all(carpeta); }

    std::string ruta(const char* nombre) const { return (carpeta / nombre).string(); }
    size_t entradas() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()));
    }

    fs::path carpeta;
};

// Cada escritura deja justo los bytes dados, con ceros dentro y también
// vacío, sin temporales al lado.
TEST_F(PruebaArchivos, EscribeEnteroEnLugarDelViejoYLoLeeIgual)
{
    const std::string largo(std::string("cabeza\0medio\xff", 13) + std::string(200000, 'x'));
    for (const std::string& bytes : { std::string("el viejo, más largo que el nuevo"), largo, std::string("n"),
                                      std::string() }) {
        ASSERT_TRUE(escribirArchivoAtomico(ruta("partida.rep"), bytes));
        std::string leido = "lo que había";
        ASSERT_TRUE(leerArchivo(ruta("partida.rep"), leido));
        EXPECT_EQ(leido, bytes);
        EXPECT_EQ(entradas(), 1u);
    }
}

// Si no se puede poner en su sitio, el viejo sigue como estaba y el
// temporal no se queda.
TEST_F(PruebaArchivos, SiNoPuedeEscribirDejaLoViejoYNingunTemporal)
{
    // Un nombre que es una carpeta con algo dentro: rename falla aun siendo root.
    fs::create_directories(carpeta / "ocupado");
    std::ofstream(ruta("ocupado/dentro.rep")) << "viejo";
    EXPECT_FALSE(escribirArchivoAtomico(ruta("ocupado"), "nuevo"));
    std::string leido;
    ASSERT_TRUE(leerArchivo(ruta("ocupado/dentro.rep"), leido));
    EXPECT_EQ(leido, "viejo");
    EXPECT_EQ(entradas(), 1u) << "sin temporal al lado";

    // Ni una carpeta que no existe ni una que es un archivo.
    EXPECT_FALSE(escribirArchivoAtomico(ruta("no-existe/partida.rep"), "nuevo"));
    EXPECT_FALSE(escribirArchivoAtomico(ruta("ocupado/dentro.rep/partida.rep"), "nuevo"));
    EXPECT_EQ(entradas(), 1u);
}

// Lo que no se puede leer entero como archivo normal da falso y nada leído.
TEST_F(PruebaArchivos, LeerRechazaLoQueNoEsArchivoNormalOPasaDelTope)
{
    std::string leido = "sin tocar";
    EXPECT_FALSE(leerArchivo(ruta("no-existe"), leido));
    EXPECT_TRUE(leido.empty());
    leido = "sin tocar";
    EXPECT_FALSE(leerArchivo(carpeta.string(), leido));
    EXPECT_TRUE(leido.empty());

    // Archivos dispersos: no ocupan disco aunque digan 16 MB.
    const std::string justo = ruta("justo"), sobra = ruta("sobra");
    std::ofstream(justo).close();
    std::ofstream(sobra).close();
    fs::resize_file(justo, TAMANO_MAXIMO_ARCHIVO);
    fs::resize_file(sobra, TAMANO_MAXIMO_ARCHIVO + 1);
    EXPECT_TRUE(leerArchivo(justo, leido));
    EXPECT_EQ(leido.size(), TAMANO_MAXIMO_ARCHIVO);
    EXPECT_FALSE(leerArchivo(sobra, leido));
    EXPECT_TRUE(leido.empty());
}

// Los ajustes los reserva antes de escribirlos con Allegro: cada temporal es
// un archivo nuevo y vacío junto al destino, y al reemplazar el destino se
// queda con sus bytes aunque ya existiera.
TEST_F(PruebaArchivos, ReservaTemporalesDistintosYReemplazaElDestino)
{
    ASSERT_TRUE(escribirArchivoAtomico(ruta("ajustes.cfg"), "viejo"));
    const std::string uno = reservarTemporal(ruta("ajustes.cfg"));
    const std::string otro = reservarTemporal(ruta("ajustes.cfg"));
    ASSERT_FALSE(uno.empty());
    ASSERT_FALSE(otro.empty());
    EXPECT_NE(uno, otro);
    EXPECT_EQ(uno.rfind(ruta("ajustes.cfg") + ".", 0), 0u) << uno;
    EXPECT_EQ(fs::file_size(uno), 0u);
    { std::ofstream(uno) << "nuevo"; }
    EXPECT_TRUE(asentarArchivo(uno));
    ASSERT_TRUE(reemplazarArchivo(uno, ruta("ajustes.cfg")));
    std::string leido;
    ASSERT_TRUE(leerArchivo(ruta("ajustes.cfg"), leido));
    EXPECT_EQ(leido, "nuevo");
    EXPECT_FALSE(archivoLegible(uno));
    EXPECT_TRUE(archivoLegible(otro));
    EXPECT_TRUE(reservarTemporal(ruta("no-hay-carpeta/ajustes.cfg")).empty());
}

// Las carpetas del usuario: la variable de XDG si trae algo; si no está o
// está vacía, la de siempre bajo HOME.
TEST(PruebaCarpetasUsuario, SiguenAXdgYSinEllaAHome)
{
    struct Variable {
        const char* nombre;
        std::optional<std::string> antes;
        explicit Variable(const char* n) : nombre(n)
        {
            if (const char* v = std::getenv(n))
                antes = v;
        }
        ~Variable() { antes ? setenv(nombre, antes->c_str(), 1) : unsetenv(nombre); }
    } config("XDG_CONFIG_HOME"), datos("XDG_DATA_HOME"), casa("HOME");
    setenv("HOME", "/home/rana", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(carpetaDelJuego(CarpetaUsuario::AJUSTES), "/cfg/escuadron-rana");
    EXPECT_EQ(carpetaDelJuego(CarpetaUsuario::DATOS), "/home/rana/.local/share/escuadron-rana");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("XDG_DATA_HOME", "/datos", 1);
    EXPECT_EQ(carpetaDelJuego(CarpetaUsuario::AJUSTES), "/home/rana/.config/escuadron-rana");
    EXPECT_EQ(carpetaDelJuego(CarpetaUsuario::DATOS), "/datos/escuadron-rana");
}

}

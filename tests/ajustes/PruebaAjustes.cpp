#include <gtest/gtest.h>

#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ajustes/CAjustes.h"
#include "plataforma/CCapaConfig.h"
#include "tests/plataforma/CDispositivosSimulados.h"

namespace fs = std::filesystem;

namespace {

class PruebaAjustes : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = fs::temp_directory_path() / ("rana-ajustes-" + std::to_string(::getpid()));
        fs::remove_all(carpeta);
        ruta = (carpeta / "escuadron-rana" / "escuadron-rana.cfg").string();
    }
    void TearDown() override { fs::remove_all(carpeta); }

    void escribir(const std::string& bytes)
    {
        fs::create_directories(fs::path(ruta).parent_path());
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
    static std::string leerArchivo(const std::string& archivo)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(archivo, std::ios::binary).rdbuf();
        return bytes.str();
    }
    std::function<const char*(int)> nombres()
    {
        return [this](int tecla) { return simulados.nombreTecla(tecla); };
    }

    fs::path carpeta;
    std::string ruta;
    CDispositivosSimulados simulados;
};

// Lo que cambia el jugador vuelve en la siguiente partida; lo de la línea de
// órdenes vale solo para esta y nunca llega al archivo.
TEST_F(PruebaAjustes, LoQueCambiaElJugadorVuelveYLaLineaDeOrdenesNoSeGuarda)
{
    // La capa con la que el juego dice dónde están los instrumentos ni se
    // come lo que se guarda ni se pierde.
    CCapaConfig::poner("[sound]\npatches = /tmp/parches.cfg\n");
    escribir("[teclas]\ndisparo = A\n[mando]\nzona_muerta = 20\n");
    OpcionesLinea linea;
    linea.escala = 3;
    linea.silencio = true;
    CAjustes ajustes(ruta, linea);
    Preferencias partida = ajustes.cargar();
    ajustes.resolverTeclas(partida, nombres());
    EXPECT_EQ(partida.escala, 3);
    EXPECT_TRUE(partida.silencio);
    EXPECT_EQ(partida.teclas[DISPARO], KEY_A);
    partida.volumen = 4;
    ajustes.anotar(Ajuste::VOLUMEN, partida);
    partida.completa = true;
    ajustes.anotar(Ajuste::COMPLETA, partida);

    CAjustes otra(ruta);
    Preferencias leidas = otra.cargar();
    otra.resolverTeclas(leidas, nombres());
    EXPECT_EQ(leidas.volumen, 4);
    EXPECT_TRUE(leidas.completa);
    EXPECT_EQ(leidas.escala, 0);
    EXPECT_FALSE(leidas.silencio);
    EXPECT_EQ(leidas.zonaMuerta, 20);
    EXPECT_EQ(leidas.teclas[DISPARO], KEY_A);
    EXPECT_EQ(leidas.teclas[ARRIBA], KEY_UP);
    EXPECT_FALSE(fs::exists(ruta + ".roto")) << "un archivo que se entendió entero no es roto";
    EXPECT_STREQ(get_config_string("sound", "patches", ""), "/tmp/parches.cfg");
    CCapaConfig::poner("");
}

// Cada archivo que no se entiende: el juego arranca con lo que sí valía,
// avisa nombrando la clave, y lo escrito por el jugador queda en .roto.
// Lo que se cambia en las opciones se guarda ajuste a ajuste, las teclas por
// su nombre; los valores de serie lo escriben todo, también lo que traía la
// línea de órdenes.
TEST_F(PruebaAjustes, CadaAjusteDeLasOpcionesSeGuardaSoloYPorSuNombre)
{
    struct Caso {
        Ajuste cual;
        const char* escrito;
        const char* noEscrito;
    };
    OpcionesLinea linea;
    linea.escala = 2;
    CAjustes ajustes(ruta, linea);
    Preferencias partida = ajustes.cargar();
    ajustes.resolverTeclas(partida, nombres());
    partida.estirada = true;
    partida.teclas[DISPARO] = KEY_P;
    partida.teclas[PAUSA] = KEY_SPACE;
    partida.botonDisparo = 3;
    partida.zonaMuerta = 64;
    for (const Caso& caso : { Caso{ Ajuste::ESTIRADA, "estirada = si", "disparo = p" },
                              Caso{ Ajuste::TECLAS, "disparo = p\npausa = space", "boton_disparo = 3" },
                              Caso{ Ajuste::BOTONES, "boton_disparo = 3", "zona_muerta = 64" },
                              Caso{ Ajuste::TODOS, "escala = 2", "escala = 0" } }) {
        ajustes.anotar(caso.cual, partida);
        const std::string escrito = leerArchivo(ruta);
        EXPECT_NE(escrito.find(caso.escrito), std::string::npos) << escrito;
        EXPECT_EQ(escrito.find(caso.noEscrito), std::string::npos) << escrito;
    }
}

TEST_F(PruebaAjustes, LoQueNoSeEntiendeVaPorDefectoConAvisoYElArchivoQuedaAparte)
{
    std::string basura(3000, '\0');
    for (size_t i = 0; i < basura.size(); ++i)
        basura[i] = char((i * 7919 + 13) % 251);
    struct Caso {
        std::string bytes;
        const char* aviso;
    };
    const Caso casos[] = {
        { "[sonido]\nvolumen = 11\nsilencio = si\n", "«volumen» no vale «11»" },
        { "[sonido]\nvolumen = 3x\n", "«volumen» no vale «3x»" },
        { "[pantalla]\ncompleta = quizas\n[sonido]\nsilencio = si\n", "«completa» no vale «quizas»" },
        { "[sonido]\nsilencio = si\nvolumne = 3\n", "claves desconocidas, no se usan: «sonido/volumne»" },
        { "[sonido]\nsilencio = si\n" + std::string(10 * 1024 * 1024, '#'), "no puede ser de ajustes" },
        // Ni basura ni una secuencia de seis bytes, que colgaba al lector de Allegro.
        { basura, "no es un texto en UTF-8" },
        { "[sonido]\nvolumen = 3\n\xfd\x96\x97\x9b\xb4\xbc\n", "no es un texto en UTF-8" },
        { "[teclas]\ndisparo = Escape\narriba = nada\n", "«arriba» no puede ser «nada»" },
        { "[teclas]\ndisparo = a\npausa = A\n", "«disparo» y «pausa» tienen la misma tecla" },
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.aviso);
        fs::remove_all(carpeta);
        escribir(caso.bytes);
        CAjustes ajustes(ruta);
        ::testing::internal::CaptureStderr();
        Preferencias partida = ajustes.cargar();
        ajustes.resolverTeclas(partida, nombres());
        const std::string avisos = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(avisos.find(caso.aviso), std::string::npos) << avisos;
        EXPECT_EQ(partida.volumen, 10);
        EXPECT_FALSE(partida.completa);
        for (int a = 0; a < NUM_ACCIONES; ++a)
            EXPECT_EQ(partida.teclas[a], TECLAS_JUEGO[a]);
        // Lo que sí se entendió se queda, si el archivo se llegó a leer.
        if (caso.bytes.size() < 1000) {
            EXPECT_TRUE(partida.silencio || caso.bytes.find("silencio") == std::string::npos);
        }
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(ajustes.guardar());
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(leerArchivo(ruta + ".roto"), caso.bytes);
        EXPECT_NE(leerArchivo(ruta), caso.bytes);
    }
}

// Lo que halló el fuzzer de los ajustes (regresion/), con una señal cada
// décima de milisegundo como las de su reloj: cada vez se avisa, el archivo
// roto queda entero en .roto y se guarda. Antes, una señal cortaba la copia y
// dejaba un .roto vacío y los ajustes sin guardar.
TEST_F(PruebaAjustes, LoQueHalloElFuzzerQuedaEnteroAparteAunqueLleguenSenales)
{
    struct sigaction nada = {}, antes;
    nada.sa_handler = [](int) {};
    sigaction(SIGALRM, &nada, &antes);
    const itimerval cada = { { 0, 100 }, { 0, 100 } }, parado = {};
    int archivos = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(CARPETA_PRUEBAS) / "ajustes/regresion")) {
        const std::string bytes = leerArchivo(e.path().string());
        ++archivos;
        setitimer(ITIMER_REAL, &cada, nullptr);
        for (int vez = 0; vez < 200 && !HasFailure(); ++vez) {
            fs::remove_all(carpeta);
            escribir(bytes);
            CAjustes ajustes(ruta);
            ::testing::internal::CaptureStderr();
            Preferencias partida = ajustes.cargar();
            ajustes.resolverTeclas(partida, nombres());
            const bool guardado = ajustes.guardar();
            const std::string avisos = ::testing::internal::GetCapturedStderr();
            EXPECT_TRUE(guardado) << e.path() << ", vez " << vez << ": " << avisos;
            EXPECT_NE(avisos.find("queda en " + ruta + ".roto"), std::string::npos) << avisos;
            EXPECT_EQ(leerArchivo(ruta + ".roto"), bytes) << e.path() << ", vez " << vez;
        }
        setitimer(ITIMER_REAL, &parado, nullptr);
    }
    sigaction(SIGALRM, &antes, nullptr);
    EXPECT_GT(archivos, 0);
}

// Un juego muerto a mitad de un guardado deja un archivo entero; una
// carpeta sin permiso de escritura deja jugar con un solo aviso.
TEST_F(PruebaAjustes, GuardarNuncaDejaElArchivoAMedias)
{
    escribir("[sonido]\nvolumen = 7\n");
    const std::string antes = leerArchivo(ruta);
    // Otro proceso guarda sin parar hasta que se le mata, en cualquier punto
    // del guardado: el archivo está siempre entero, el de antes o uno nuevo.
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        CAjustes ajustes(ruta);
        Preferencias partida = ajustes.cargar();
        for (int vez = 0;; ++vez) {
            partida.volumen = 2 + vez % 2;
            ajustes.anotar(Ajuste::VOLUMEN, partida);
        }
    }
    const std::string nuevos[] = { "volumen = 2\n", "volumen = 3\n" };
    // Se lee hasta ver veinte guardados (o diez segundos), y se le mata.
    int nuevas = 0;
    std::string anterior = antes;
    const auto plazo = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (nuevas < 20 && std::chrono::steady_clock::now() < plazo && !HasFailure()) {
        const std::string leido = leerArchivo(ruta);
        const bool nuevo = leido.find(nuevos[0]) != std::string::npos || leido.find(nuevos[1]) != std::string::npos;
        EXPECT_TRUE(leido == antes || (nuevo && leido.find("zona_muerta = 48") != std::string::npos)) << leido;
        nuevas += nuevo && leido != anterior;
        anterior = leido;
    }
    ::kill(hijo, SIGKILL);
    ::waitpid(hijo, nullptr, 0);
    EXPECT_GT(nuevas, 0) << "el otro proceso no llegó a guardar";
    const Preferencias quedan = CAjustes(ruta).cargar();
    EXPECT_TRUE(quedan.volumen == 2 || quedan.volumen == 3);
    const std::string guardado = leerArchivo(ruta);

    // Una carpeta que es un archivo no se puede escribir ni siendo root.
    CAjustes sinCarpeta((carpeta / "escuadron-rana" / "escuadron-rana.cfg" / "dentro.cfg").string());
    Preferencias enMemoria = sinCarpeta.cargar();
    ::testing::internal::CaptureStderr();
    enMemoria.volumen = 1;
    sinCarpeta.anotar(Ajuste::VOLUMEN, enMemoria);
    sinCarpeta.anotar(Ajuste::VOLUMEN, enMemoria);
    const std::string avisos = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(avisos.find("no se pueden guardar"), std::string::npos);
    EXPECT_EQ(avisos.find("no se pueden guardar"), avisos.rfind("no se pueden guardar")) << "un solo aviso";
    EXPECT_EQ(sinCarpeta.guardadas().volumen, 1) << "el ajuste sigue en memoria";
    EXPECT_EQ(leerArchivo(ruta), guardado);

    // Un archivo que es un enlace sigue siéndolo: se escribe donde apunta.
    const fs::path enlace = carpeta / "enlace.cfg";
    fs::create_symlink(ruta, enlace);
    CAjustes porEnlace(enlace.string());
    Preferencias partida = porEnlace.cargar();
    partida.volumen = 5;
    porEnlace.anotar(Ajuste::VOLUMEN, partida);
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(CAjustes(ruta).cargar().volumen, 5);
}

TEST(PruebaRutaAjustes, SigueLaCarpetaDeConfiguracionDelEscritorio)
{
    const char* antesXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string guardada = antesXdg ? antesXdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(CAjustes::rutaPorDefecto(), "/tmp/xdg/escuadron-rana/escuadron-rana.cfg");
    setenv("XDG_CONFIG_HOME", "", 1);
    if (const char* casa = std::getenv("HOME")) {
        EXPECT_EQ(CAjustes::rutaPorDefecto(), std::string(casa) + "/.config/escuadron-rana/escuadron-rana.cfg");
    }
    if (antesXdg)
        setenv("XDG_CONFIG_HOME", guardada.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}

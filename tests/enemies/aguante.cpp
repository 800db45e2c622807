// Aguante: cien partidas enteras seguidas en un mismo proceso, por el bucle
// de verdad de la fase, con el mapa y las hojas que genera la compilación.
// Una prueba corta no llega a lo que pasa tras miles de cuadros: el gigante,
// los premios en cadena, la lista llena y vaciada cien veces. Bajo ASan,
// UBSan y LSan es donde saldría un uso tras borrar, un desborde o una fuga.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "enemies/CAcorazado.h"
#include "enemies/CBalaDirigida.h"
#include "enemies/CErrante.h"
#include "enemies/CGigante.h"
#include "enemies/CPremio.h"
#include "enemies/CVolador.h"
#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "player/CExplosion.h"
#include "player/CRana.h"
#include "shell/Azar.h"
#include "shell/CSistema.h"
#include "stage/CFase1.h"
#include "tests/plataforma/CDispositivosSimulados.h"
#include "world/CListaEntidades.h"
#include "world/CPartida.h"
#include "opciones/CPreferenciasActivas.h"

namespace fs = std::filesystem;

namespace {

const int PARTIDAS = 100;
// Cada cuántas partidas una deja morir a la rana.
const int CADA_MUERTE = 25;
// El scroll se para a los 15744 ticks; se juega un poco más, con el gigante ya ido.
const uint32_t DURACION_MINIMA = 16400;
const uint32_t DURACION_EXTRA = 200;
// Ticks que el guion deja pasar por cuadro. Más de 64 saltaría columnas del mapa.
const int TICKS_MINIMOS = 1;
const int TICKS_MAXIMOS = 8;
const uint32_t TICK_DE_ARRANQUE = 1000;
// Las partidas de otro guion que juega antes de repetir el proceso que repite.
const int PARTIDAS_ANTES = 10;
const uint64_t OTRO_GUION = 0x243F6A8885A308D3ull;
// El valor con que arranca el programa: ninguna columna lo alcanza.
const int32_t COLUMNA_DE_ARRANQUE = 65000;
const int32_t ENERGIA_LLENA = 74;
// Potencia con que arranca cada partida, por turno: la de siempre, y luego ya
// con perforantes y con curvos, que a base de premios casi nunca llegan.
const int32_t POTENCIAS[] = { 74, 90, 74, 160, 230 };
// Dónde se pone la rana para cazar al gigante: cerca, sin tocar su caja.
const int32_t CAZA_X = 320;
// Páginas de todo el ancho y una fila de losetas de alto: ver DispositivosDeAguante.
const int ALTO_PAGINA = 64;

// Lo que se ve en la lista, por clase exacta.
enum Clase {
    RANA, SENCILLO, PERFORANTE, CURVO, EXPLOSION, BALA, PREMIO,
    ERRANTE, ACORAZADO, VOLADOR, GIGANTE, OTRA, CLASES
};
const char* const NOMBRES[CLASES] = { "rana", "sencillo", "perforante", "curvo", "explosión", "bala", "premio",
                                      "errante", "acorazado", "volador", "gigante", "otra" };
// Los cuatro enemigos, en el orden de sus códigos en el mapa (1 a 4).
const Clase ENEMIGOS[4] = { ERRANTE, ACORAZADO, VOLADOR, GIGANTE };

Clase claseDe(CEntidad* e)
{
    const std::type_info& t = typeid(*e);
    if (t == typeid(CRana)) return RANA;
    if (t == typeid(CDisparo)) return SENCILLO;
    if (t == typeid(CDisparoPerforante)) return PERFORANTE;
    if (t == typeid(CDisparoCurvo)) return CURVO;
    if (t == typeid(CExplosion)) return EXPLOSION;
    if (t == typeid(CBalaDirigida)) return BALA;
    if (t == typeid(CPremio)) return PREMIO;
    if (t == typeid(CErrante)) return ERRANTE;
    if (t == typeid(CAcorazado)) return ACORAZADO;
    if (t == typeid(CVolador)) return VOLADOR;
    if (t == typeid(CGigante)) return GIGANTE;
    return OTRA;
}

// El guion tiene su propio generador: si sacara números del azar del juego,
// cambiaría la secuencia que se quiere ver repetida.
class Guion {
public:
    void reiniciar(uint64_t semilla = 0x9E3779B97F4A7C15ull) { estado = semilla; }
    uint32_t siguiente()
    {
        estado = estado * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(estado >> 33);
    }
    int entre(int menor, int mayor) { return menor + static_cast<int>(siguiente() % uint32_t(mayor - menor + 1)); }
    bool unaDe(int n) { return siguiente() % uint32_t(n) == 0; }

private:
    uint64_t estado = 0;
};

// La plataforma simulada con páginas bajas. El juego dibuja igual (cada
// dibujar corre entero y Allegro recorta lo que cae fuera), pero bajo ASan
// cada fila copiada por blit pasa por un memmove interceptado muy lento: con
// páginas de 640x480 las doscientas partidas tardaban siete minutos y medio;
// con 64 filas, menos de uno.
class DispositivosDeAguante : public CDispositivosSimulados {
public:
    BITMAP* crearPagina(int ancho, int) override
    {
        return CDispositivosSimulados::crearPagina(ancho, ALTO_PAGINA);
    }
};

// Lo que deja una partida: si dos tandas desde el mismo arranque dan huellas
// distintas, algo del juego no depende solo de los ticks, las teclas y el azar.
struct Huella {
    uint32_t cuadros = 0;
    uint32_t ticks = 0;
    bool murio = false;
    int32_t energiaFinal = 0;
    int32_t potenciaFinal = 0;
    uint32_t desplazamientoFinal = 0;
    std::array<int, 4> aparecidos{};
    // Suma, cuadro a cuadro, de las entidades vivas de cada clase.
    std::array<uint64_t, CLASES> vistas{};
    int maximoVivas = 0;
    // Estados del gigante vistos, un bit cada uno.
    uint32_t etapasGigante = 0;
    // Resumen de clase, posición y estado de toda la lista en cada cuadro.
    uint64_t resumen = 1469598103934665603ull;

    std::string texto() const
    {
        std::ostringstream s;
        s << cuadros << " cuadros, " << ticks << " ticks, " << (murio ? "muere" : "sigue") << ", energía "
          << energiaFinal << ", potencia " << potenciaFinal << ", desplazamiento " << desplazamientoFinal
          << ", aparecidos";
        for (int n : aparecidos)
            s << ' ' << n;
        s << ", vistas";
        for (uint64_t n : vistas)
            s << ' ' << n;
        s << ", máximo " << maximoVivas << ", gigante " << etapasGigante << ", resumen " << std::hex << resumen;
        return s.str();
    }
};

void mezclar(uint64_t& resumen, int64_t valor)
{
    resumen ^= static_cast<uint64_t>(valor);
    resumen *= 1099511628211ull;
}

class Aguante : public ::testing::Test {
protected:
    void SetUp() override
    {
        sistema.usarDispositivos(&simulados);
        const fs::path recursos = RECURSOS_AGUANTE;
        for (const char* hoja : { "graphics/comunes.bmp", "graphics/enemigos.bmp", "graphics/rana.bmp",
                                  "graphics/fase1.bmp" }) {
            PALETTE paleta;
            BITMAP* imagen = load_bitmap((recursos / hoja).string().c_str(), paleta);
            ASSERT_NE(imagen, nullptr) << "falta " << (recursos / hoja) << ": la compilación genera los recursos";
            simulados.imagenes[hoja] = imagen;
        }
        carpetaAnterior = fs::current_path();
        std::string plantilla = (fs::temp_directory_path() / "rana-aguante-XXXXXX").string();
        ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
        carpeta = plantilla;
        fs::create_directories(carpeta / "maps");
        fs::copy_file(recursos / "maps" / "fase1.map", carpeta / "maps" / "fase1.map");
        fs::current_path(carpeta);
        sistema.inicializar(preferenciasActivas);
    }

    void TearDown() override
    {
        listaEntidades.vaciar();
        simulados.alPresentar = nullptr;
        if (!carpetaAnterior.empty())
            fs::current_path(carpetaAnterior);
        if (!carpeta.empty())
            fs::remove_all(carpeta);
        sistema.finalizar();
        sistema.usarDispositivos(nullptr);
    }

    // Todo como al arrancar el programa: el azar del juego, la última columna
    // mirada, el reloj y el guion.
    void desdeElArranque()
    {
        fijarEstadoAzar(AZAR_DE_ARRANQUE);
        ultimaColumna = COLUMNA_DE_ARRANQUE;
        columnaVista = COLUMNA_DE_ARRANQUE;
        guion.reiniciar();
        sistema.fijarTicks(TICK_DE_ARRANQUE);
    }

    void soltarTeclas()
    {
        for (volatile char& tecla : simulados.teclas)
            tecla = 0;
    }

    // A por el gigante: a su altura y cerca, con Espacio pulsado y suelto en
    // cuadros alternos, para que caiga en algunas partidas y reviente.
    void cazar(const CEntidad* gigante)
    {
        const int32_t objetivo = gigante->y + 60;
        simulados.teclas[KEY_UP] = jugador->y > objetivo + 4;
        simulados.teclas[KEY_DOWN] = jugador->y < objetivo - 4;
        simulados.teclas[KEY_RIGHT] = jugador->x < CAZA_X;
        simulados.teclas[KEY_LEFT] = jugador->x > CAZA_X + 20;
        simulados.teclas[KEY_SPACE] = !simulados.teclas[KEY_SPACE];
    }

    // Teclas al azar del guion: cada flecha cambia de vez en cuando y Espacio
    // se pulsa y se suelta a ratos cortos, para que salgan andanadas.
    void teclear()
    {
        for (int tecla : { KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN })
            if (guion.unaDe(12))
                simulados.teclas[tecla] = !simulados.teclas[tecla];
        if (guion.unaDe(3))
            simulados.teclas[KEY_SPACE] = !simulados.teclas[KEY_SPACE];
    }

    Huella jugarPartida(int numero, const char* tanda);
    void jugarTanda(const char* tanda, std::vector<Huella>& huellas, int& ultimoAzar);
    [[noreturn]] void repetirEnOtroProceso(int salida);

    DispositivosDeAguante simulados;
    Guion guion;
    // Lo que la prueba cree que vale ultimaColumna: las columnas que mira cada cuadro.
    int32_t columnaVista = COLUMNA_DE_ARRANQUE;
    fs::path carpeta;
    fs::path carpetaAnterior;
};

Huella Aguante::jugarPartida(int numero, const char* tanda)
{
    Huella huella;
    const bool muere = numero % CADA_MUERTE == CADA_MUERTE - 1;
    const bool cazadora = numero % 2 == 0;
    const int32_t potencia = muere ? POTENCIAS[0] : POTENCIAS[numero % 5];
    const uint32_t duracion = DURACION_MINIMA + static_cast<uint32_t>(guion.entre(0, DURACION_EXTRA));
    const int32_t energiaInicial = guion.entre(1, 4);
    const int siestasAntes = simulados.siestas;
    const uint32_t inicio = sistema.leerTicks();

    CPartida partida;
    CFase1* fase = new CFase1();
    partida.fase = fase;
    std::array<int, 4> esperados{};
    std::set<CEntidad*> enemigosAntes;
    // Clase, posición y estado de los enemigos del último cuadro.
    std::vector<std::array<int, 4>> ultimosEnemigos;
    // Lo que falla cuadro a cuadro; basta con los primeros.
    std::vector<std::string> fallos;
    auto fallar = [&](const std::string& fallo) {
        if (fallos.size() < 5)
            fallos.push_back(fallo + ", cuadro " + std::to_string(huella.cuadros));
    };
    CRana* rana = nullptr;
    // Solo se comparan, ya borradas: con qué hojas se pintó la partida.
    const BITMAP* hojaRana = nullptr;
    const BITMAP* hojaFase = fase->hojaFase;

    simulados.alPresentar = [&](int) {
        ++huella.cuadros;
        // La fase es la de esta partida hasta que jugarFase la borra.
        const int32_t columna = static_cast<int32_t>(fase->desplazamiento / CFase1::LADO_LOSETA);
        if (columna != columnaVista) {
            const int codigo = fase->aparicion[columna];
            if (codigo >= 1 && codigo <= 4)
                ++esperados[codigo - 1];
            columnaVista = columna;
        }
        huella.desplazamientoFinal = fase->desplazamiento;

        std::array<int, CLASES> vivas{};
        std::set<CEntidad*> enemigos;
        ultimosEnemigos.clear();
        CEntidad* gigante = nullptr;
        int total = 0;
        for (NodoEntidad* n = listaEntidades.cabeza; n; n = listaEntidades.siguiente(n)) {
            CEntidad* e = n->entidad;
            const Clase clase = claseDe(e);
            ++vivas[clase];
            ++total;
            mezclar(huella.resumen, clase);
            mezclar(huella.resumen, e->x);
            mezclar(huella.resumen, e->y);
            mezclar(huella.resumen, e->estado);
            for (int k = 0; k < 4; ++k)
                if (clase == ENEMIGOS[k]) {
                    // Un enemigo solo nace al principio del cuadro, antes de que
                    // nada se borre en él: uno que no estaba en el cuadro anterior
                    // es nuevo aunque ocupe la memoria de otro ya borrado.
                    enemigos.insert(e);
                    ultimosEnemigos.push_back({ clase, e->x, e->y, e->estado });
                    if (!enemigosAntes.count(e))
                        ++huella.aparecidos[k];
                }
            if (clase == GIGANTE) {
                huella.etapasGigante |= 1u << (e->estado & 31);
                gigante = e;
            }
        }
        enemigosAntes.swap(enemigos);
        for (int c = 0; c < CLASES; ++c)
            huella.vistas[c] += static_cast<uint64_t>(vivas[c]);
        huella.maximoVivas = std::max(huella.maximoVivas, total);

        if (listaEntidades.cabeza == nullptr || claseDe(listaEntidades.cabeza->entidad) != RANA ||
            listaEntidades.cabeza->entidad != jugador || vivas[RANA] != 1)
            fallar("la rana no es la única ni va en cabeza");
        if (vivas[OTRA] != 0)
            fallar("hay entidades de una clase desconocida");
        // Cada disparo cuenta 1 y cada curvo 4, de 8 bits: lo que dicen los vivos.
        const uint8_t cuenta =
            static_cast<uint8_t>(vivas[SENCILLO] + vivas[PERFORANTE] + jugador->maxDisparos * vivas[CURVO]);
        if (sistema.disparosVivos != cuenta)
            fallar("disparosVivos " + std::to_string(sistema.disparosVivos) + " con " + std::to_string(cuenta) +
                   " en vuelo");

        rana = jugador;
        hojaRana = jugador->hoja;
        if (huella.cuadros == 1) {
            jugador->potencia = potencia;
            if (muere)
                jugador->energia = energiaInicial;
        }
        huella.energiaFinal = jugador->energia;
        huella.potenciaFinal = jugador->potencia;
        huella.murio = jugador->finPartida != 0;
        // Rellenar la energía en cada cuadro mantiene viva a la rana toda la
        // fase (un golpe quita 1): así cada partida llega al gigante y al final.
        if (!muere)
            jugador->energia = ENERGIA_LLENA;

        const uint32_t jugados = sistema.leerTicks() - inicio;
        if (jugados >= duracion) {
            simulados.teclas[KEY_ESC] = 1;
        } else {
            if (cazadora && gigante && gigante->estado != GIGANTE_MUERE)
                cazar(gigante);
            else
                teclear();
            sistema.fijarTicks(sistema.leerTicks() + static_cast<uint32_t>(guion.entre(TICKS_MINIMOS, TICKS_MAXIMOS)));
        }
    };
    partida.jugarFase();
    simulados.alPresentar = nullptr;
    huella.ticks = sistema.leerTicks() - inicio;
    soltarTeclas();

    const std::string cual = std::string(tanda) + ", partida " + std::to_string(numero + 1);
    for (const std::string& fallo : fallos)
        ADD_FAILURE() << cual << ": " << fallo;
    EXPECT_TRUE(listaEntidades.vacia()) << cual;
    EXPECT_EQ(listaEntidades.cola, nullptr) << cual;
    EXPECT_EQ(partida.fase, nullptr) << cual;
    EXPECT_NE(rana, nullptr) << cual;
    // El bucle no duerme si el guion ya ha movido el reloj en cada cuadro.
    EXPECT_EQ(simulados.siestas, siestasAntes) << cual;
    // Tras la partida la caché de sprites ya no guarda nada de las hojas de
    // la rana ni de la fase: se fueron con ellas.
    EXPECT_FALSE(sistema.recuerdaHoja(hojaRana)) << cual << ": la caché de sprites guarda la hoja de la rana ya borrada";
    EXPECT_FALSE(sistema.recuerdaHoja(hojaFase)) << cual << ": la caché de sprites guarda la hoja de la fase ya borrada";
    // Cada columna mirada por primera vez hace su enemigo, y solo ese.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(huella.aparecidos[k], esperados[k]) << cual << ": " << NOMBRES[ENEMIGOS[k]];

    if (muere) {
        EXPECT_TRUE(huella.murio) << cual << ": con " << energiaInicial << " de energía debía caer";
        EXPECT_LT(huella.energiaFinal, 1) << cual;
        EXPECT_LT(huella.ticks, duracion) << cual;
    } else {
        EXPECT_FALSE(huella.murio) << cual;
        EXPECT_GE(huella.ticks, duracion) << cual;
        EXPECT_EQ(huella.desplazamientoFinal, CFase1::FIN_DESPLAZAMIENTO) << cual;
        for (int k = 0; k < 4; ++k)
            EXPECT_GT(huella.aparecidos[k], 0) << cual << ": ningún " << NOMBRES[ENEMIGOS[k]];
        // El gigante pelea y se va o muere: en el último cuadro ya no está. Su
        // salida va por ticks; la de los demás, no (el acorazado avanza más
        // cuantos más cuadros haya por tick), así que alguno puede seguir ahí.
        EXPECT_NE(huella.etapasGigante & ((1u << GIGANTE_SE_VA) | (1u << GIGANTE_MUERE)), 0u)
            << cual << ": el gigante ni se fue ni murió";
        for (const auto& [clase, x, y, estado] : ultimosEnemigos)
            if (clase == GIGANTE)
                ADD_FAILURE() << cual << ": tras el final de la fase sigue el gigante en (" << x << ", " << y
                              << ") con estado " << estado;
    }
    return huella;
}

void Aguante::jugarTanda(const char* tanda, std::vector<Huella>& huellas, int& ultimoAzar)
{
    desdeElArranque();
    for (int p = 0; p < PARTIDAS; ++p) {
        huellas.push_back(jugarPartida(p, tanda));
        // El rato en el menú entre dos partidas.
        sistema.fijarTicks(sistema.leerTicks() + static_cast<uint32_t>(guion.entre(50, 900)));
        if ((p + 1) % 10 == 0) {
            std::printf("aguante (%s): %d/%d partidas\n", tanda, p + 1, PARTIDAS);
            std::fflush(stdout);
        }
        if (::testing::Test::HasFatalFailure())
            return;
    }
    // Una sola extracción, al final de todo: no toca la secuencia de las partidas.
    ultimoAzar = azar();
}

TEST_F(Aguante, CienPartidasEnterasSeguidasDejanLaListaVaciaYSeRepitenIgual)
{
    // La repetición va a la vez en un proceso hijo, que antes ensucia el
    // estado con otras partidas, como lo dejaría la primera tanda.
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    std::fflush(stdout);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        close(tubo[0]);
        repetirEnOtroProceso(tubo[1]);
    }
    close(tubo[1]);
    // Si la primera tanda corta la prueba, el hijo no sigue jugando solo.
    struct HijoVivo {
        pid_t pid;
        ~HijoVivo()
        {
            if (pid > 0 && kill(pid, SIGKILL) == 0)
                waitpid(pid, nullptr, 0);
        }
    } vivo{hijo};

    std::vector<Huella> primera;
    int azarPrimera = -1;
    jugarTanda("primera", primera, azarPrimera);
    ASSERT_EQ(primera.size(), size_t(PARTIDAS));

    // Algo de todo lo que el juego sabe hacer tiene que haber pasado.
    std::array<uint64_t, CLASES> vistas{};
    int gigantesMuertos = 0, gigantesIdos = 0, muertes = 0, maximo = 0;
    for (const Huella& h : primera) {
        for (int c = 0; c < CLASES; ++c)
            vistas[c] += h.vistas[c];
        const bool revento = h.etapasGigante & (1u << GIGANTE_MUERE);
        gigantesMuertos += revento;
        gigantesIdos += !revento && (h.etapasGigante & (1u << GIGANTE_SE_VA));
        muertes += h.murio;
        maximo = std::max(maximo, h.maximoVivas);
    }
    std::printf("aguante: %d partidas, %d con la rana caída; el gigante revienta en %d y se va en %d; como mucho %d "
                "entidades a la vez\n",
                PARTIDAS, muertes, gigantesMuertos, gigantesIdos, maximo);
    // Las dos salidas del gigante: reventar y marcharse.
    EXPECT_GT(gigantesMuertos, 0);
    EXPECT_GT(gigantesIdos, 0);
    std::printf("aguante: entidades·cuadro por clase:");
    for (int c = 0; c < CLASES; ++c)
        std::printf(" %s %llu", NOMBRES[c], static_cast<unsigned long long>(vistas[c]));
    std::printf("\n");
    EXPECT_EQ(muertes, PARTIDAS / CADA_MUERTE);
    for (Clase c : { SENCILLO, PERFORANTE, CURVO, EXPLOSION, BALA, PREMIO })
        EXPECT_GT(vistas[c], 0u) << NOMBRES[c];

    std::string leido;
    char trozo[4096];
    for (ssize_t n; (n = read(tubo[0], trozo, sizeof trozo)) > 0;)
        leido.append(trozo, size_t(n));
    close(tubo[0]);
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    vivo.pid = 0;
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "la repetición falló en el proceso hijo";
    std::istringstream segunda(leido);
    std::string linea;
    for (int p = 0; p < PARTIDAS; ++p) {
        ASSERT_TRUE(std::getline(segunda, linea)) << "la repetición acabó en la partida " << p;
        EXPECT_EQ(linea, primera[p].texto()) << "partida " << p + 1;
    }
    ASSERT_TRUE(std::getline(segunda, linea));
    EXPECT_EQ(linea, "azar " + std::to_string(azarPrimera));
}

// La segunda tanda, tras otras partidas: sus huellas y su último azar, una
// línea cada una, por el tubo. Sale con 1 si algo falló; LSan mira sus fugas.
void Aguante::repetirEnOtroProceso(int salida)
{
    desdeElArranque();
    guion.reiniciar(OTRO_GUION);
    for (int p = 0; p < PARTIDAS_ANTES && !HasFatalFailure(); ++p)
        jugarPartida(p, "antes");
    std::vector<Huella> segunda;
    int azarSegunda = -1;
    jugarTanda("repetición", segunda, azarSegunda);
    std::string texto;
    for (const Huella& h : segunda)
        texto += h.texto() + "\n";
    texto += "azar " + std::to_string(azarSegunda) + "\n";
    bool escrito = true;
    for (size_t hecho = 0; escrito && hecho < texto.size();) {
        const ssize_t n = write(salida, texto.data() + hecho, texto.size() - hecho);
        escrito = n > 0;
        hecho += escrito ? size_t(n) : 0;
    }
    close(salida);
    std::fflush(stdout);
    std::exit(HasFailure() || !escrito ? 1 : 0);
}

}

#include "player/CRana.h"

#include <cstdio>
#include <filesystem>

#include "plataforma/Recursos.h"
#include "player/CDisparo.h"
#include "player/CDisparoCurvo.h"
#include "player/CDisparoPerforante.h"
#include "shell/CSistema.h"
#include "shell/Teclas.h"
#include "sonido/CEfectos.h"
#include "world/CListaEntidades.h"

CRana* jugador = nullptr;
int32_t numeroCaptura = 0;

namespace {
// La fase del parpadeo sigue de una rana a la siguiente.
bool parpadeo = false;

const int32_t LIMITE_ARRIBA = -10;
const int32_t LIMITE_ABAJO = 410;
const int32_t LIMITE_IZQUIERDA = -10;
const int32_t LIMITE_DERECHA = 500;
const uint32_t PROTECCION = 100;

template <class Disparo, class... Argumentos>
void crear(Argumentos... argumentos)
{
    listaEntidades.agregar(new Disparo(argumentos...));
}
}

CRana::CRana()
    : ultimoTick(sistema.leerTicks()), velocidad(2), disparoPulsado(0), tiempoInvulnerable(0),
      ultimoImpacto(0), maxDisparos(4), potencia(0), energia(0), finPartida(0)
{
    situar(100, 200, TIPO_RANA, sistema.cargarHoja(rutaRecurso("graphics/rana.bmp").c_str()));
    fijarCaja(30, 7, 82, 42);
    sistema.disparosVivos = 0;
}

CRana::~CRana()
{
    sistema.olvidarHoja(hoja);
    destroy_bitmap(hoja);
}

bool CRana::colisiona(CEntidad* otra)
{
    return CEntidad::colisiona(otra);
}

void CRana::actualizar()
{
    uint32_t transcurridos = pasarTicks(ultimoTick);
    if (transcurridos == 0)
        return;
    mover(transcurridos);
    atenderDisparo();
}

// El límite se mira antes del paso, sin recortar: la rana puede pasarse
// un poco y quedarse ahí.
void CRana::mover(uint32_t transcurridos)
{
    const int32_t paso = static_cast<int32_t>(velocidad * transcurridos);
    volatile char* teclas = sistema.teclas;
    if (teclas[KEY_UP] && y > LIMITE_ARRIBA)
        y -= paso;
    if (teclas[KEY_DOWN] && y < LIMITE_ABAJO)
        y += paso;
    if (teclas[KEY_LEFT] && x > LIMITE_IZQUIERDA)
        x -= paso;
    if (teclas[KEY_RIGHT] && x < LIMITE_DERECHA)
        x += paso;
}

// Una andanada por pulsación. Si el límite de disparos la frena, la
// pulsación no se pierde: sale en cuanto haya sitio y Espacio siga abajo.
void CRana::atenderDisparo()
{
    volatile char* teclas = sistema.teclas;
    if (disparoPulsado) {
        if (!teclas[KEY_SPACE])
            disparoPulsado = 0;
        return;
    }
    if (teclas[KEY_SPACE] && sistema.disparosVivos < maxDisparos) {
        disparar();
        disparoPulsado = 1;
        if (teclas[KEY_F8])
            capturarPantalla();
    }
}

void CRana::disparar()
{
    const uint32_t nivel = static_cast<uint32_t>(potencia);
    // Un sonido por andanada, según la familia de sus disparos.
    efectos.sonar(nivel <= 75 ? EFECTO_DISPARO : nivel <= 200 ? EFECTO_PERFORANTE : EFECTO_CURVO, x + 70);
    if (nivel <= 25) {
        crear<CDisparo>(x + 70, y + 15);
    } else if (nivel <= 50) {
        crear<CDisparo>(x + 80, y + 15);
        crear<CDisparo>(x + 60, y + 15);
    } else if (nivel <= 75) {
        crear<CDisparo>(x + 70, y + 5);
        crear<CDisparo>(x + 70, y + 25);
    } else if (nivel <= 100) {
        crear<CDisparoPerforante>(x + 70, y + 15);
    } else if (nivel <= 150) {
        crear<CDisparoPerforante>(x + 80, y + 15);
        crear<CDisparoPerforante>(x + 60, y + 15);
    } else if (nivel <= 200) {
        crear<CDisparoPerforante>(x + 85, y + 15);
        crear<CDisparoPerforante>(x + 65, y + 15);
        crear<CDisparoPerforante>(x + 45, y + 15);
    } else {
        crear<CDisparoCurvo>(x + 70, y + 15, uint8_t(1));
        crear<CDisparoCurvo>(x + 70, y + 15, uint8_t(0));
    }
}

// La página visible es el cuadro anterior, tal como lo ve el jugador. Nunca
// se pisa una captura que ya exista: se toma el siguiente número libre. Si no
// se puede saber si un nombre está libre (sin permiso, un enlace en bucle),
// esa captura no se hace y el juego sigue; tampoco importa que no se escriba.
void CRana::capturarPantalla()
{
    char nombre[32];
    std::error_code error;
    bool ocupado;
    do {
        std::snprintf(nombre, sizeof nombre, "snap%d.bmp", static_cast<int>(numeroCaptura));
        ++numeroCaptura;
        ocupado = std::filesystem::exists(nombre, error);
    } while (ocupado && !error);
    if (!error)
        save_bitmap(nombre, sistema.paginaVisible, nullptr);
}

void CRana::alImpactar(CEntidad* otra)
{
    switch (otra->tipo) {
    case TIPO_ENEMIGO:
        recibirGolpe();
        break;
    case TIPO_BALA:
        otra->estado = 1;
        recibirGolpe();
        break;
    case TIPO_PREMIO:
        potencia += 1;
        otra->estado = 1;
        efectos.sonar(EFECTO_PREMIO, x);
        break;
    default:
        break;
    }
}

void CRana::recibirGolpe()
{
    uint32_t ahora = sistema.leerTicks();
    if (ahora <= ultimoImpacto + tiempoInvulnerable)
        return;
    energia -= 1;
    ultimoImpacto = ahora;
    efectos.sonar(EFECTO_HERIDA, x);
    tiempoInvulnerable = PROTECCION;
    if (energia < 1)
        finPartida = 1;
}

// Mientras está protegida se ve un cuadro sí y otro no, con la cara de golpe.
void CRana::dibujar()
{
    uint32_t ahora = sistema.leerTicks();
    if (ahora < ultimoImpacto + tiempoInvulnerable) {
        if (parpadeo)
            pintar(300, 0, 100, 50);
        parpadeo = !parpadeo;
        return;
    }
    int cuadro = static_cast<int>((ahora / 8) % 3);
    pintar(100 * cuadro, 0, 100, 50);
}

void CRana::resumir(CResumen& resumen) const
{
    CEntidad::resumir(resumen);
    resumen << ultimoTick << velocidad << disparoPulsado << tiempoInvulnerable << ultimoImpacto << maxDisparos << potencia << energia << finPartida;
}

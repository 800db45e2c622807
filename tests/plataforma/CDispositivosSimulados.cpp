#include "tests/plataforma/CDispositivosSimulados.h"

#include <algorithm>
#include <stdexcept>

#include "opciones/CLetras.h"
#include "shell/CSistema.h"

CDispositivosSimulados::CDispositivosSimulados()
    : teclas(), presentadas(0), contador(nullptr), periodoContador(0), avisoCierre(nullptr), siestas(0),
      topeSiestas(0), avisoFoco(nullptr), focoFuera(true), hayMando(false), lecturasMando(0), volumen(255),
      anchoEscritorio(1024), altoEscritorio(768), presentada(nullptr)
{
}

CDispositivosSimulados::~CDispositivosSimulados()
{
    for (MIDI* musica : musicas)
        delete musica;
    for (auto& [sonido, nombre] : sonidos)
        delete sonido;
    for (auto& [nombre, imagen] : imagenes)
        destroy_bitmap(imagen);
}

int CDispositivosSimulados::anotar(const std::string& nombre)
{
    llamadas.push_back(nombre);
    return fallos.count(nombre) ? -1 : 0;
}

bool CDispositivosSimulados::llamo(const std::string& nombre) const
{
    return std::find(llamadas.begin(), llamadas.end(), nombre) != llamadas.end();
}

int CDispositivosSimulados::colorDeImagen(const std::string& nombre)
{
    int h = static_cast<int>(std::hash<std::string>()(nombre) & 0xFF);
    return makecol(h, 255 - h, 128);
}

int CDispositivosSimulados::iniciarAllegro() { return anotar("iniciarAllegro"); }
void CDispositivosSimulados::fijarProfundidadColor() { anotar("profundidad"); }

void CDispositivosSimulados::tamanoEscritorio(int& ancho, int& alto)
{
    anotar("escritorio");
    ancho = anchoEscritorio;
    alto = altoEscritorio;
}

// Se anota como "modoGrafico 0 ventana 2x" o "modoGrafico 0 completa 2x";
// si falla, como Allegro, no queda ningún modo abierto.
int CDispositivosSimulados::fijarModoGrafico(int intento, const ModoPantalla& nuevo)
{
    const int resultado = anotar("modoGrafico " + std::to_string(intento) + (nuevo.completa ? " completa " : " ventana ") +
                                 std::to_string(nuevo.factor) + "x");
    modo = resultado == 0 ? nuevo : ModoPantalla{ 0, 0, 0, false };
    if (alFijarModo)
        alFijarModo();
    return resultado;
}

int CDispositivosSimulados::instalarTeclado() { return anotar("teclado"); }
int CDispositivosSimulados::instalarTemporizador() { return anotar("temporizador"); }

int CDispositivosSimulados::fijarModoConmutacion(int modo)
{
    return anotar(modo == SWITCH_AMNESIA ? "conmutacion amnesia" : "conmutacion fondo");
}

int CDispositivosSimulados::instalarSonido(bool conMidi)
{
    return anotar(conMidi ? "sonido con midi" : "sonido sin midi");
}

MIDI* CDispositivosSimulados::cargarMidi(const char* nombre)
{
    if (anotar(std::string("midi ") + nombre) != 0)
        return nullptr;
    musicas.push_back(new MIDI());
    return musicas.back();
}

int CDispositivosSimulados::tocarMidi(MIDI*) { return anotar("tocar"); }
void CDispositivosSimulados::pararMidi() { anotar("parar"); }
void CDispositivosSimulados::pausarMidi() { anotar("pausar"); }
void CDispositivosSimulados::reanudarMidi() { anotar("reanudar"); }
void CDispositivosSimulados::liberarMidi(MIDI*) { anotar("liberar"); }

// El nombre va sin la carpeta de los recursos, que en las pruebas cambia.
SAMPLE* CDispositivosSimulados::cargarSonido(const char* nombre)
{
    std::string relativo = nombre;
    relativo = relativo.substr(relativo.find("sounds/"));
    if (anotar("sonido " + relativo) != 0)
        return nullptr;
    SAMPLE* sonido = new SAMPLE();
    sonidos[sonido] = relativo;
    return sonido;
}

void CDispositivosSimulados::tocarSonido(SAMPLE* sonido, int, int pan, int)
{
    anotar("efecto " + sonidos.at(sonido) + " pan " + std::to_string(pan));
}

void CDispositivosSimulados::pararSonido(SAMPLE* sonido) { anotar("parar " + sonidos.at(sonido)); }

void CDispositivosSimulados::liberarSonido(SAMPLE* sonido)
{
    sonidos.erase(sonido);
    delete sonido;
}

BITMAP* CDispositivosSimulados::crearPagina(int ancho, int alto)
{
    if (anotar("pagina") != 0)
        return nullptr;
    return create_bitmap(ancho, alto);
}

BITMAP* CDispositivosSimulados::cargarImagen(const char* nombre)
{
    if (anotar(std::string("imagen ") + nombre) != 0)
        return nullptr;
    auto propia = imagenes.find(nombre);
    if (propia != imagenes.end()) {
        BITMAP* copia = create_bitmap(propia->second->w, propia->second->h);
        blit(propia->second, copia, 0, 0, 0, 0, copia->w, copia->h);
        return copia;
    }
    // La hoja de letras, con su tamaño: el juego no acepta otro.
    const bool letras = std::string(nombre).find("letras.bmp") != std::string::npos;
    BITMAP* imagen = letras ? create_bitmap(CLetras::ANCHO_HOJA, CLetras::ALTO_HOJA) : create_bitmap(640, 480);
    clear_to_color(imagen, colorDeImagen(nombre));
    return imagen;
}

// Sin anotar: una partida presenta miles de cuadros.
void CDispositivosSimulados::presentar(BITMAP* pagina)
{
    presentada = pagina;
    ++presentadas;
    if (alPresentar)
        alPresentar(presentadas);
}

void CDispositivosSimulados::instalarContador(void (*contadorNuevo)(), int milisegundos)
{
    anotar("contador");
    contador = contadorNuevo;
    periodoContador = milisegundos;
}

volatile char* CDispositivosSimulados::estadoTeclas() { return teclas; }

void CDispositivosSimulados::instalarAvisoCierre(void (*aviso)())
{
    anotar("aviso de cierre");
    avisoCierre = aviso;
}

void CDispositivosSimulados::dormir(int)
{
    ++siestas;
    // Una excepción que el juego no recoge: sale hasta la prueba, que falla.
    if (topeSiestas && siestas > topeSiestas)
        throw std::runtime_error("el juego sigue esperando tras " + std::to_string(topeSiestas) + " siestas");
    if (alDormir)
        alDormir(siestas);
    CSistema::contarTick();
}

void CDispositivosSimulados::instalarAvisoFoco(void (*perdido)())
{
    anotar("aviso de foco");
    avisoFoco = perdido;
}

void CDispositivosSimulados::reposo(bool dormido) { anotar(dormido ? "reposo" : "despierto"); }

bool CDispositivosSimulados::instalarMando(int, int)
{
    anotar("mando");
    return hayMando;
}

void CDispositivosSimulados::leerMando(EstadoMando& estado)
{
    ++lecturasMando;
    if (alLeerMando)
        alLeerMando(lecturasMando);
    estado = mando;
}

void CDispositivosSimulados::fijarBotones(int botonDisparo, int botonInicio)
{
    anotar("botones " + std::to_string(botonDisparo) + " " + std::to_string(botonInicio));
}

void CDispositivosSimulados::fijarVolumen(int volumenNuevo)
{
    anotar("volumen " + std::to_string(volumenNuevo));
    volumen = volumenNuevo;
}

const char* CDispositivosSimulados::nombreTecla(int tecla)
{
    static const std::map<int, std::string> propios = { { KEY_SPACE, "space" }, { KEY_UP, "Up" }, { KEY_DOWN, "Down" },
                                                        { KEY_LEFT, "Left" },   { KEY_RIGHT, "Right" }, { KEY_ESC, "Escape" },
                                                        { KEY_1, "1" } };
    static std::string nombres[KEY_MAX];
    const auto propio = propios.find(tecla);
    if (tecla >= KEY_A && tecla <= KEY_Z)
        nombres[tecla] = std::string(1, char('a' + tecla - KEY_A));
    else
        nombres[tecla] = propio != propios.end() ? propio->second : "tecla " + std::to_string(tecla);
    return nombres[tecla].c_str();
}

void CDispositivosSimulados::mostrarMensaje(const char* texto)
{
    anotar("mensaje");
    mensajes.push_back(texto);
}

void CDispositivosSimulados::quitarTeclado() { anotar("quitarTeclado"); }
void CDispositivosSimulados::quitarTemporizador() { anotar("quitarTemporizador"); }
void CDispositivosSimulados::salirAllegro() { anotar("salirAllegro"); }

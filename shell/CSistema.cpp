#include "shell/CSistema.h"

#include <cstdlib>

#include "plataforma/Recursos.h"
#include "shell/CExcepcion.h"

CSistema* CSistema::instancia = nullptr;

// El contexto se construye antes que la lista de entidades, y por eso se
// destruye después de ella.
CSistema sistema;

CSistema::CSistema()
    : paginaDibujo(nullptr), paginaVisible(nullptr), ticks(0),
      musicaMenu(nullptr), musicaFase(nullptr),
      hojaEnemigos(nullptr), hojaComunes(nullptr),
      teclas(nullptr), disparosVivos(0),
      dispositivos(&dispositivosDelSistema()),
      allegroIniciado(false), tecladoInstalado(false), temporizadorInstalado(false), cierre(false),
      relojParado(false), focoPerdido(false), cuadroFijado(false), ticksCuadro(0), teclasCuadro(),
      entorno(nullptr)
{
    if (!instancia)
        instancia = this;
}

CSistema::~CSistema()
{
    if (instancia == this)
        instancia = nullptr;
}

void CSistema::usarDispositivos(CDispositivos* otros)
{
    dispositivos = otros ? otros : &dispositivosDelSistema();
}

void CSistema::inicializar(CEntornoJugador& entornoDado)
{
    cierre.store(false, std::memory_order_relaxed);
    relojParado.store(false, std::memory_order_relaxed);
    focoPerdido.store(false, std::memory_order_relaxed);
    entorno = &entornoDado;
    if (dispositivos->iniciarAllegro() != 0)
        throw CExcepcion(ERROR_ALLEGRO);
    allegroIniciado = true;
    dispositivos->fijarProfundidadColor();
    entorno->abrirPantalla(dispositivos);
    dispositivos->instalarAvisoCierre(avisarCierre);
    if (dispositivos->instalarTeclado() != 0)
        throw CExcepcion(ERROR_TECLADO);
    tecladoInstalado = true;
    entorno->tecladoInstalado();
    if (dispositivos->instalarTemporizador() != 0)
        throw CExcepcion(ERROR_TEMPORIZADOR);
    temporizadorInstalado = true;
    entorno->temporizadorInstalado();
    dispositivos->instalarAvisoFoco(avisarFocoPerdido);
    instalarSonido();
    musicaFase = cargarMusica(rutaRecurso("musics/fase1.mid").c_str());
    musicaMenu = cargarMusica(rutaRecurso("musics/tokecillo.mid").c_str());
    crearPaginas();
    hojaEnemigos = cargarHoja(rutaRecurso("graphics/enemigos.bmp").c_str());
    hojaComunes = cargarHoja(rutaRecurso("graphics/comunes.bmp").c_str());
    dispositivos->instalarContador(contarTick, 10);
    entorno->prepararEntrada(entrada);
    teclas = entrada.teclas();
}

void CSistema::modoCambiado()
{
    // La ventana se esconde y vuelve con el cambio: ese foco perdido no pausa nada.
    focoPerdido.store(false, std::memory_order_relaxed);
    dispositivos->instalarAvisoCierre(avisarCierre);
    dispositivos->instalarAvisoFoco(avisarFocoPerdido);
    dispositivos->presentar(paginaVisible);
}

// Sin tarjeta de sonido el sintetizador no arranca; el juego sigue mudo.
void CSistema::instalarSonido()
{
    if (dispositivos->instalarSonido(true) != 0)
        dispositivos->instalarSonido(false);
    entorno->sonidoInstalado();
}

void CSistema::crearPaginas()
{
    paginaDibujo = dispositivos->crearPagina(640, 480);
    paginaVisible = dispositivos->crearPagina(640, 480);
    if (!paginaDibujo || !paginaVisible)
        throw CExcepcion(ERROR_GRAFICOS);
}

BITMAP* CSistema::cargarHoja(const char* nombre)
{
    BITMAP* hoja = dispositivos->cargarImagen(nombre);
    if (!hoja)
        throw CExcepcion(ERROR_ARCHIVOS);
    return hoja;
}

void CSistema::finalizar()
{
    olvidarHoja(hojaComunes);
    olvidarHoja(hojaEnemigos);
    if (hojaComunes)
        destroy_bitmap(hojaComunes);
    hojaComunes = nullptr;
    if (hojaEnemigos)
        destroy_bitmap(hojaEnemigos);
    hojaEnemigos = nullptr;
    // Las páginas son de memoria: nadie más las liberaría.
    if (paginaDibujo)
        destroy_bitmap(paginaDibujo);
    if (paginaVisible)
        destroy_bitmap(paginaVisible);
    paginaDibujo = paginaVisible = nullptr;
    if (tecladoInstalado)
        dispositivos->quitarTeclado();
    if (temporizadorInstalado)
        dispositivos->quitarTemporizador();
    if (allegroIniciado)
        dispositivos->salirAllegro();
    tecladoInstalado = temporizadorInstalado = allegroIniciado = false;
    entorno = nullptr;
}

void CSistema::mostrarError(const char* texto)
{
    dispositivos->mostrarMensaje(texto);
}

void CSistema::limpiarPagina()
{
    clear_bitmap(paginaDibujo);
}

void CSistema::voltearPaginas()
{
    dispositivos->presentar(paginaDibujo);
    BITMAP* anterior = paginaVisible;
    paginaVisible = paginaDibujo;
    paginaDibujo = anterior;
}

MIDI* CSistema::cargarMusica(const char* nombre)
{
    MIDI* musica = dispositivos->cargarMidi(nombre);
    if (!musica)
        throw CExcepcion(ERROR_ARCHIVOS);
    return musica;
}

// Si la música no puede sonar, el programa termina sin más aviso.
void CSistema::tocarMusica(MIDI* musica)
{
    if (dispositivos->tocarMidi(musica) != 0)
        exit(-1);
}

void CSistema::pararMusica()
{
    dispositivos->pararMidi();
}

void CSistema::pausarMusica()
{
    dispositivos->pausarMidi();
}

void CSistema::reanudarMusica()
{
    dispositivos->reanudarMidi();
}

void CSistema::liberarMusica(MIDI* musica)
{
    dispositivos->liberarMidi(musica);
}

// El texto nunca se interpreta como formato: un '%' en él se escribe tal cual.
void CSistema::escribirFormato(int x, int y, int color, const char* texto)
{
    textprintf_ex(paginaDibujo, font, x, y, color, -1, "%s", texto);
}

void CSistema::escribirTexto(BITMAP* destino, FONT* fuente, int x, int y, int color, const char* texto)
{
    textout_ex(destino, fuente, texto, x, y, color, -1);
}

void CSistema::dibujarSprite(BITMAP* hoja, int origenX, int origenY, int x, int y, int ancho, int alto)
{
    sprites.dibujar(paginaDibujo, hoja, origenX, origenY, x, y, ancho, alto);
}

void CSistema::olvidarHoja(BITMAP* hoja)
{
    sprites.olvidar(hoja);
}

void CSistema::contarTick()
{
    if (!instancia->relojParado.load(std::memory_order_relaxed))
        instancia->ticks.fetch_add(1, std::memory_order_relaxed);
}

void CSistema::avisarFocoPerdido()
{
    instancia->focoPerdido.store(true, std::memory_order_relaxed);
}

bool CSistema::tomarFocoPerdido()
{
    return focoPerdido.exchange(false, std::memory_order_relaxed) && dispositivos->focoEnOtraVentana();
}

void CSistema::atenderEntrada(bool teclasGlobales)
{
    entrada.actualizar(*dispositivos);
    if (teclasGlobales && entorno)
        entorno->atenderTeclas(entrada);
}

void CSistema::reposo(bool dormido)
{
    dispositivos->reposo(dormido);
}

void CSistema::dormir(int milisegundos)
{
    dispositivos->dormir(milisegundos);
}

void CSistema::fijarCuadro()
{
    fijarCuadro(leerReloj(), entrada.teclas());
}

void CSistema::fijarCuadro(uint32_t tick, const volatile char* teclasDadas)
{
    ticksCuadro = tick;
    for (int tecla = 0; tecla < KEY_MAX; ++tecla)
        teclasCuadro[tecla] = teclasDadas[tecla];
    teclas = teclasCuadro;
    cuadroFijado = true;
}

void CSistema::soltarCuadro()
{
    cuadroFijado = false;
    teclas = entrada.teclas();
}

void CSistema::avisarCierre()
{
    instancia->cierre.store(true, std::memory_order_relaxed);
}

// La plataforma despierta con cada tick y con el botón de cerrar: una vez por
// cuadro, sin mirar el reloj cada milisegundo. El plazo solo acota lo que
// se pueda perder; con el reloj parado y la ventana cerrada, también se sale.
void CSistema::esperarTickDistinto(uint32_t tick)
{
    const int PLAZO_MS = 20;
    const auto listo = [this, tick] { return leerReloj() != tick || cierrePedido(); };
    while (!listo())
        dispositivos->esperarTick(listo, PLAZO_MS);
}

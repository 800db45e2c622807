#include "opciones/CPreferenciasActivas.h"

#include "shell/CSistema.h"

CPreferenciasActivas preferenciasActivas;

CPreferenciasActivas::CPreferenciasActivas() : volumen(preferencias), ajustes(nullptr), dispositivos(nullptr)
{
}

// Los ajustes se leen con Allegro ya en marcha: su lector de configuración lo necesita.
void CPreferenciasActivas::abrirPantalla(CDispositivos* dispositivosDados)
{
    dispositivos = dispositivosDados;
    ventana.usarDispositivos(dispositivos);
    volumen.usarDispositivos(dispositivos);
    preferencias = ajustes ? ajustes->cargar() : Preferencias();
    ventana.abrir(preferencias.escala, preferencias.completa, preferencias.estirada);
}

void CPreferenciasActivas::tecladoInstalado()
{
    if (ajustes)
        ajustes->resolverTeclas(preferencias, [this](int tecla) { return dispositivos->nombreTecla(tecla); });
}

void CPreferenciasActivas::temporizadorInstalado()
{
    ventana.fijarConmutacion();
}

void CPreferenciasActivas::sonidoInstalado()
{
    volumen.arrancar();
}

void CPreferenciasActivas::prepararEntrada(CEntrada& entrada)
{
    const bool conMando = dispositivos->instalarMando(preferencias.botonDisparo - 1, preferencias.botonInicio - 1);
    entrada.iniciar(dispositivos->estadoTeclas(), conMando);
    entrada.asignarTeclas(preferencias.teclas, preferencias.zonaMuerta);
}

void CPreferenciasActivas::atenderTeclas(CEntrada& entrada)
{
    Ajuste cambio;
    if (volumen.atender([&entrada](int tecla) { return entrada.pulsacion(tecla); }, cambio))
        recordar(cambio);
    if (entrada.pulsacion(KEY_F10)) {
        const ModoPantalla siguiente = ventana.siguienteTamano();
        if (siguiente.factor != ventana.modo().factor) {
            cambiarModo(siguiente);
            preferencias.escala = ventana.factorVentana();
            recordar(Ajuste::ESCALA);
        }
    }
    if (entrada.pulsacion(KEY_F11)) {
        cambiarModo(ventana.alternarCompleta());
        preferencias.completa = ventana.modo().completa;
        recordar(Ajuste::COMPLETA);
    }
}

void CPreferenciasActivas::aplicar(const Preferencias& nuevas, Ajuste cambiado)
{
    const bool otrosBotones =
        nuevas.botonDisparo != preferencias.botonDisparo || nuevas.botonInicio != preferencias.botonInicio;
    preferencias = nuevas;
    volumen.aplicar();
    const ModoPantalla modo = ventana.modoCon(preferencias.escala, preferencias.completa, preferencias.estirada);
    const ModoPantalla& hay = ventana.modo();
    if (modo.ancho != hay.ancho || modo.alto != hay.alto || modo.factor != hay.factor ||
        modo.completa != hay.completa || modo.estirada != hay.estirada)
        cambiarModo(modo);
    // Si el modo nuevo no abrió, sigue el que había.
    preferencias.completa = ventana.modo().completa;
    sistema.entrada.asignarTeclas(preferencias.teclas, preferencias.zonaMuerta);
    sistema.entradaCambiada();
    if (otrosBotones && sistema.entrada.hayMando())
        dispositivos->fijarBotones(preferencias.botonDisparo - 1, preferencias.botonInicio - 1);
    recordar(cambiado);
}

// set_gfx_mode devuelve la conmutación a la de por defecto y con ella se
// pierden los avisos: se ponen otra vez.
// Cambiar de modo puede tardar más de lo que dura una columna del mapa: el
// reloj se para mientras tanto, como en la pausa, y la partida no salta. Al
// acabar, también con un fallo, queda como estaba (parado si era F11 en pausa).
void CPreferenciasActivas::cambiarModo(const ModoPantalla& nuevo)
{
    const CSistema::RelojParado reloj(sistema);
    ventana.cambiar(nuevo);
    ventana.fijarConmutacion();
    sistema.modoCambiado();
}

// Guardar escribe el archivo y espera al disco, que a veces tarda: con el
// reloj parado, la partida no salta mientras tanto.
void CPreferenciasActivas::recordar(Ajuste cual)
{
    if (!ajustes)
        return;
    const CSistema::RelojParado reloj(sistema);
    ajustes->anotar(cual, preferencias);
}

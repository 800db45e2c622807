#include "repeticion/CPantallaRepeticiones.h"

#include <algorithm>
#include <cstdio>

#include "opciones/EstiloPantalla.h"
#include "plataforma/Recursos.h"
#include "repeticion/CRepeticiones.h"
#include "repeticion/PartidaGrabada.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "opciones/CPreferenciasActivas.h"

using namespace estilo;

namespace {
// Las columnas de una línea dentro del panel del fondo: la fecha a la
// izquierda; la duración, la energía y la potencia ajustadas a la derecha.
const int X_FECHA = 28, X_FIN_DURACION = 344, X_FINAL = 364, X_FIN_ENERGIA = 532, X_FIN_POTENCIA = 604;
const int ANCHO_LINEA = X_FIN_POTENCIA - X_FECHA;
const int Y_TITULOS = 78, Y_FILAS = 92, PASO_FILA = 22;
const int Y_AVISO = 364, Y_RESPUESTA = 388, Y_CUENTA = 418, Y_AYUDA = 432;
// Un tick entre vuelta y vuelta, como en las opciones.
const int SIESTA = 10;

void aLaDerecha(const CLetras& letras, const std::string& texto, int xFin, int y, int tinta, int escala)
{
    letras.escribir(sistema.paginaDibujo, texto, xFin - CLetras::ancho(texto, escala), y, tinta, escala);
}
}

std::string fechaCorta(std::time_t escrita)
{
    char texto[32] = "";
    const std::tm* local = std::localtime(&escrita);
    if (!local || !std::strftime(texto, sizeof texto, "%d/%m/%y %H:%M", local))
        return "?";
    return texto;
}

std::string duracion(uint64_t ticks)
{
    const uint64_t segundos = ticks / 100;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%llu:%02llu", static_cast<unsigned long long>(segundos / 60),
                  static_cast<unsigned long long>(segundos % 60));
    return texto;
}

CPantallaRepeticiones::CPantallaRepeticiones(const CLetras& letrasDadas) : letras(letrasDadas)
{
}

void CPantallaRepeticiones::ejecutar()
{
    BITMAP* fondo = sistema.dispositivosActuales()->cargarImagen(rutaRecurso("graphics/repeticiones.bmp").c_str());
    if (!fondo)
        throw CExcepcion(ERROR_ARCHIVOS);
    CListaRepeticiones lista(FILAS);
    lista.leer(CRepeticiones::carpetaActual(), rutaDemo());
    // La tecla o el botón que abrió la pantalla no elige nada en ella.
    sistema.entrada.retenerBoton();
    sistema.entrada.darPorAtendidas();
    bool dibujada = false, habiaPulsada = false;
    try {
        while (!sistema.cierrePedido()) {
            sistema.atenderEntrada();
            const Orden orden = atender(lista);
            if (orden == Orden::VOLVER)
                break;
            if (orden == Orden::VER) {
                ver(lista.lineaElegida());
                dibujada = false;
                continue;
            }
            // Quieta, la pantalla no se vuelve a dibujar: solo se despierta a mirar.
            const bool pulsada = sistema.entrada.algunaPulsada();
            if (!dibujada || pulsada || habiaPulsada) {
                dibujar(lista, fondo);
                sistema.voltearPaginas();
                dibujada = true;
            }
            habiaPulsada = pulsada;
            sistema.dormir(SIESTA);
        }
    } catch (...) {
        destroy_bitmap(fondo);
        throw;
    }
    destroy_bitmap(fondo);
    sistema.limpiarPagina();
}

// Con el teclado: flechas, Intro o Espacio, Supr y Escape. Con el mando: la
// cruceta, el botón de disparo (que hace de Espacio), Start para volver y
// cualquier otro botón para borrar.
CPantallaRepeticiones::Orden CPantallaRepeticiones::atender(CListaRepeticiones& lista)
{
    CEntrada& entrada = sistema.entrada;
    const int boton = entrada.botonNuevo() + 1;
    const bool inicio = boton == preferenciasActivas.actuales().botonInicio;
    const bool otroBoton = boton > 0 && !inicio && boton != preferenciasActivas.actuales().botonDisparo;
    // Todas se miran siempre: cada una anota cuándo se suelta.
    bool elegir = entrada.pulsacion(KEY_ENTER);
    elegir |= entrada.pulsacion(KEY_SPACE);
    const bool volver = entrada.pulsacion(KEY_ESC) || inicio;
    const bool arriba = entrada.pulsacion(KEY_UP), abajo = entrada.pulsacion(KEY_DOWN);
    bool cambiar = entrada.pulsacion(KEY_LEFT);
    cambiar |= entrada.pulsacion(KEY_RIGHT);
    const bool borrar = entrada.pulsacion(KEY_DEL) || otroBoton;
    if (lista.preguntando()) {
        if (cambiar)
            lista.cambiarRespuesta();
        return atenderPregunta(lista, elegir, volver);
    }
    if (volver)
        return Orden::VOLVER;
    if (arriba || abajo) {
        lista.mover(arriba ? -1 : 1);
        aviso.clear();
    }
    if (borrar && lista.preguntarBorrar())
        aviso.clear();
    return elegir ? Orden::VER : Orden::NADA;
}

CPantallaRepeticiones::Orden CPantallaRepeticiones::atenderPregunta(CListaRepeticiones& lista, bool elegir,
                                                                    bool volver)
{
    if (volver)
        lista.dejarPregunta();
    else if (elegir) {
        const std::string nombre = lista.lineaElegida().nombre;
        if (!lista.responder())
            aviso = "No se pudo borrar " + nombre;
    }
    return Orden::NADA;
}

// La elegida con el reproductor de siempre; al acabar, la lista vuelve tal
// como estaba. Lo que no se puede ver lo dice la línea de avisos.
void CPantallaRepeticiones::ver(const LineaRepeticion& linea)
{
    CRepeticion repeticion;
    std::string problema;
    switch (abrirRepeticion(linea.ruta, repeticion, problema)) {
    case Apertura::ILEGIBLE:
    case Apertura::NO_VALIDA:
        aviso = lineaNoSePuedeVer(linea.nombre, problema);
        return;
    case Apertura::REGLAS_AJENAS:
        aviso = lineaReglasAjenas(linea.nombre, problema);
        return;
    case Apertura::BIEN:
        break;
    }
    aviso.clear();
    rehacerPartida(repeticion, CReproductor::REPETICION);
    sistema.pararMusica();
    sistema.entrada.retenerBoton();
    sistema.entrada.darPorAtendidas();
    sistema.limpiarPagina();
}

void CPantallaRepeticiones::dibujar(const CListaRepeticiones& lista, BITMAP* fondo)
{
    blit(fondo, sistema.paginaDibujo, 0, 0, 0, 0, ANCHO_PAGINA, ALTO_PAGINA);
    letras.escribir(sistema.paginaDibujo, "Fecha", X_FECHA, Y_TITULOS, verdeClaro(), 1);
    aLaDerecha(letras, "Duración", X_FIN_DURACION, Y_TITULOS, verdeClaro(), 1);
    letras.escribir(sistema.paginaDibujo, "Final", X_FINAL, Y_TITULOS, verdeClaro(), 1);
    aLaDerecha(letras, "Energía", X_FIN_ENERGIA, Y_TITULOS, verdeClaro(), 1);
    aLaDerecha(letras, "Potencia", X_FIN_POTENCIA, Y_TITULOS, verdeClaro(), 1);
    int y = Y_FILAS;
    if (lista.sinPartidas()) {
        letras.escribir(sistema.paginaDibujo, "No hay partidas guardadas", X_FECHA, y, gris(), 2);
        y += PASO_FILA;
    }
    const int ultima = std::min(static_cast<int>(lista.lineas().size()), lista.primeraVisible() + FILAS);
    for (int i = lista.primeraVisible(); i < ultima; ++i, y += PASO_FILA)
        dibujarLinea(lista.lineas()[i], y, i == lista.elegida());
    dibujarPie(lista);
}

// La elegida, sobre una franja y en amarillo, como en las opciones.
void CPantallaRepeticiones::dibujarLinea(const LineaRepeticion& linea, int y, bool elegida)
{
    BITMAP* pagina = sistema.paginaDibujo;
    if (elegida)
        franja(pagina, X_FECHA, y, ANCHO_LINEA);
    const int tinta = elegida ? amarillo() : blanco(), dato = elegida ? amarillo() : celeste();
    letras.escribir(pagina, linea.demo ? "Demo" : fechaCorta(linea.escrita), X_FECHA, y, tinta, 2);
    if (linea.estado != LineaRepeticion::VALIDA) {
        const std::string motivo =
            linea.estado == LineaRepeticion::AJENA ? "reglas " + std::to_string(linea.ficha.cabecera.reglas) : "dañada";
        letras.escribir(pagina, motivo, X_FINAL, y, naranja(), 2);
        return;
    }
    const DesenlaceRepeticion& d = linea.ficha.desenlace;
    aLaDerecha(letras, duracion(linea.ficha.ticks), X_FIN_DURACION, y, dato, 2);
    letras.escribir(pagina, textoFin(d.fin), X_FINAL, y + 7, dato, 1);
    const bool anotado = d.fin != FinPartida::SIN_ANOTAR;
    aLaDerecha(letras, anotado ? std::to_string(d.energia) : "-", X_FIN_ENERGIA, y, dato, 2);
    aLaDerecha(letras, anotado ? std::to_string(d.potencia) : "-", X_FIN_POTENCIA, y, dato, 2);
}

void CPantallaRepeticiones::dibujarPie(const CListaRepeticiones& lista)
{
    BITMAP* pagina = sistema.paginaDibujo;
    if (lista.preguntando())
        preguntaSiNo(letras, pagina, "¿Borrar la partida del " + fechaCorta(lista.lineaElegida().escrita) + "?",
                     X_FECHA, Y_AVISO, Y_RESPUESTA, ANCHO_LINEA, lista.respuestaSi());
    else if (!aviso.empty())
        escribirAjustado(letras, pagina, aviso, X_FECHA, Y_AVISO, ANCHO_LINEA, naranja(), false);
    const int total = static_cast<int>(lista.lineas().size());
    aLaDerecha(letras, std::to_string(lista.elegida() + 1) + " de " + std::to_string(total), X_FIN_POTENCIA, Y_CUENTA,
               gris(), 1);
    letras.escribir(pagina, "Flechas: moverse   Intro: ver   Supr: borrar   Esc: volver", X_FECHA, Y_AYUDA, gris(), 1);
    letras.escribir(pagina, "Mando: la cruceta mueve, el botón ve, Start vuelve, otro botón borra", X_FECHA,
                    Y_AYUDA + 14, gris(), 1);
}

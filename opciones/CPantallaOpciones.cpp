#include "opciones/CPantallaOpciones.h"

#include "opciones/EstiloPantalla.h"
#include "plataforma/Recursos.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "sonido/CEfectos.h"
#include "opciones/CPreferenciasActivas.h"

using namespace estilo;

namespace {
// Dos columnas de diez filas dentro del panel del fondo; debajo, los avisos y la ayuda.
const int X_IZQUIERDA = 28, ANCHO_IZQUIERDA = 240;
const int X_DERECHA = 308, ANCHO_DERECHA = 304;
const int Y_FILAS = 76, PASO_FILA = 22;
const int Y_NOTA = 304, Y_AVISO = 324, Y_RESPUESTA = 350, Y_AYUDA = 432;
const int ANCHO_AVISOS = 584;
// Un tick entre vuelta y vuelta: una pulsación de teclado dura muchos más.
const int SIESTA = 10;

struct Posicion {
    int columna, fila;
};

// Las dos últimas van al pie de la columna de las teclas.
Posicion posicion(const LineaOpciones& linea)
{
    if (linea.ajuste)
        return { linea.ajuste->vista.columna, linea.ajuste->vista.fila };
    return { 1, linea.opcion == Opcion::SERIE ? 8 : 9 };
}

}

CPantallaOpciones::CPantallaOpciones(const CLetras& letrasDadas) : letras(letrasDadas)
{
}

void CPantallaOpciones::ejecutar()
{
    BITMAP* fondo = sistema.dispositivosActuales()->cargarImagen(rutaRecurso("graphics/opciones.bmp").c_str());
    if (!fondo)
        throw CExcepcion(ERROR_ARCHIVOS);
    CMenuOpciones menu(preferenciasActivas.actuales(), preferenciasActivas.factorVentanaMaximo(), sistema.entrada.hayMando());
    // El botón que eligió en el menú no elige aquí también.
    sistema.entrada.retenerBoton();
    bool dibujada = false, habiaPulsada = false;
    while (!sistema.cierrePedido()) {
        sistema.atenderEntrada(menu.espera() != Espera::TECLA);
        menu.actualizar(preferenciasActivas.actuales());
        if (atender(menu))
            break;
        // Nada cambia sin una tecla o un botón: quieta, la pantalla no se
        // vuelve a dibujar y el proceso solo se despierta a mirar.
        const bool pulsada = sistema.entrada.algunaPulsada();
        if (!dibujada || pulsada || habiaPulsada) {
            dibujar(menu, fondo);
            sistema.voltearPaginas();
            dibujada = true;
        }
        habiaPulsada = pulsada;
        sistema.dormir(SIESTA);
    }
    destroy_bitmap(fondo);
    sistema.limpiarPagina();
}

// Cualquier tecla recién pulsada, para dársela a una acción.
int CPantallaOpciones::teclaNueva()
{
    int nueva = 0;
    for (int tecla = 1; tecla < KEY_MAX; ++tecla)
        if (sistema.entrada.pulsacion(tecla) && !nueva)
            nueva = tecla;
    return nueva;
}

bool CPantallaOpciones::atender(CMenuOpciones& menu)
{
    CEntrada& entrada = sistema.entrada;
    Resultado r;
    if (menu.espera() == Espera::TECLA) {
        if (const int tecla = teclaNueva())
            r = menu.tecla(tecla);
    } else if (menu.espera() == Espera::BOTON) {
        const int boton = entrada.botonNuevo();
        if (boton >= 0)
            r = menu.boton(boton + 1);
        else if (entrada.pulsacion(KEY_ESC))
            r = menu.cancelar();
    } else {
        entrada.botonNuevo();
        if (entrada.pulsacion(KEY_UP))
            menu.mover(-1);
        if (entrada.pulsacion(KEY_DOWN))
            menu.mover(1);
        if (entrada.pulsacion(KEY_LEFT))
            r = menu.cambiar(-1);
        if (entrada.pulsacion(KEY_RIGHT))
            r = menu.cambiar(1);
        // Las dos se miran siempre: cada una anota cuándo se suelta.
        bool elegir = entrada.pulsacion(KEY_SPACE);
        elegir |= entrada.pulsacion(KEY_ENTER);
        if (elegir)
            r = menu.elegir();
        if (entrada.pulsacion(KEY_ESC))
            r = menu.cancelar();
    }
    aplicar(menu, r);
    return r.volver;
}

// El sonido se oye al cambiarlo, con un efecto corto.
void CPantallaOpciones::aplicar(const CMenuOpciones& menu, const Resultado& resultado)
{
    if (!resultado.cambio)
        return;
    preferenciasActivas.aplicar(menu.valores(), resultado.cual);
    if (resultado.cual == Ajuste::VOLUMEN || resultado.cual == Ajuste::SILENCIO || resultado.cual == Ajuste::TODOS)
        efectos.sonar(EFECTO_PREMIO, ANCHO_PAGINA / 2);
}

void CPantallaOpciones::dibujar(const CMenuOpciones& menu, BITMAP* fondo)
{
    blit(fondo, sistema.paginaDibujo, 0, 0, 0, 0, ANCHO_PAGINA, ALTO_PAGINA);
    encabezado("Sonido", X_IZQUIERDA, Y_FILAS);
    encabezado("Pantalla", X_IZQUIERDA, Y_FILAS + 3 * PASO_FILA);
    encabezado("Mando", X_IZQUIERDA, Y_FILAS + 6 * PASO_FILA);
    encabezado("Teclas", X_DERECHA, Y_FILAS);
    if (!menu.hayMando())
        escribirAjustado("No hay ningún mando", X_IZQUIERDA, Y_FILAS + 7 * PASO_FILA, ANCHO_IZQUIERDA, gris(), false);
    for (int i = 0; i < static_cast<int>(menu.lineas().size()); ++i) {
        const Posicion p = posicion(menu.lineas()[i]);
        dibujarLinea(menu, i, p.columna ? X_DERECHA : X_IZQUIERDA, Y_FILAS + p.fila * PASO_FILA,
                     p.columna ? ANCHO_DERECHA : ANCHO_IZQUIERDA);
    }
    letras.escribir(sistema.paginaDibujo, "La partida usa las teclas elegidas aquí (el menú muestra las de serie).",
                    X_IZQUIERDA, Y_NOTA, gris(), 1);
    dibujarAvisos(menu);
    letras.escribir(sistema.paginaDibujo, "Flechas: moverse y cambiar   Espacio o Intro: elegir   Esc: volver",
                    X_IZQUIERDA, Y_AYUDA, gris(), 1);
    letras.escribir(sistema.paginaDibujo, "Con el mando: la cruceta mueve y cambia, el botón elige", X_IZQUIERDA,
                    Y_AYUDA + 14, gris(), 1);
}

void CPantallaOpciones::encabezado(const char* texto, int x, int y)
{
    letras.escribir(sistema.paginaDibujo, texto, x, y, verdeClaro(), 2);
}

// La elegida, sobre una franja y en amarillo; el valor, a la derecha de su columna.
void CPantallaOpciones::dibujarLinea(const CMenuOpciones& menu, int indice, int x, int y, int ancho)
{
    const LineaOpciones& linea = menu.lineas()[indice];
    const bool elegida = indice == menu.elegida();
    if (elegida)
        franja(sistema.paginaDibujo, x, y, ancho);
    const int tinta = elegida ? amarillo() : blanco();
    const std::string rotulo = etiqueta(linea);
    letras.escribir(sistema.paginaDibujo, rotulo, x, y, tinta, 2);
    const int xValor = x + CLetras::ancho(rotulo, 2) + CLetras::ANCHO_CELDA * 2;
    escribirAjustado(valor(menu, linea), xValor, y, x + ancho - xValor, elegida ? amarillo() : celeste(), true);
}

void CPantallaOpciones::escribirAjustado(const std::string& texto, int x, int y, int ancho, int tinta,
                                         bool aLaDerecha)
{
    estilo::escribirAjustado(letras, sistema.paginaDibujo, texto, x, y, ancho, tinta, aLaDerecha);
}

void CPantallaOpciones::dibujarAvisos(const CMenuOpciones& menu)
{
    BITMAP* pagina = sistema.paginaDibujo;
    const LineaOpciones& elegida = menu.lineaElegida();
    const std::string accion = elegida.control() == Control::TECLA ? elegida.ajuste->clave : "";
    switch (menu.espera()) {
    case Espera::TECLA:
        escribirAjustado("Pulsa la tecla para «" + accion + "»", X_IZQUIERDA, Y_AVISO, ANCHO_AVISOS, amarillo(), false);
        return;
    case Espera::BOTON:
        escribirAjustado("Pulsa un botón del mando (Esc: dejarlo)", X_IZQUIERDA, Y_AVISO, ANCHO_AVISOS, amarillo(),
                         false);
        return;
    case Espera::PREGUNTA:
        preguntaSiNo(letras, pagina, "¿Volver a los valores de serie?", X_IZQUIERDA, Y_AVISO, Y_RESPUESTA,
                     ANCHO_AVISOS, menu.respuestaSi());
        return;
    case Espera::NADA: break;
    }
    switch (menu.aviso()) {
    case Aviso::FIJA:
        escribirAjustado("«" + nombreTecla(menu.datoAviso()) + "» es fija: elige otra tecla", X_IZQUIERDA,
                         Y_AVISO, ANCHO_AVISOS, naranja(), false);
        break;
    case Aviso::CAMBIADAS:
        escribirAjustado("Cambiadas las teclas de " + accion + " y " + TABLA_AJUSTES.deTecla(menu.datoAviso()).clave,
                         X_IZQUIERDA, Y_AVISO, ANCHO_AVISOS, verdeClaro(), false);
        break;
    case Aviso::DE_SERIE:
        escribirAjustado("Todo vuelve a los valores de serie", X_IZQUIERDA, Y_AVISO, ANCHO_AVISOS, verdeClaro(), false);
        break;
    case Aviso::NINGUNO: break;
    }
}

std::string CPantallaOpciones::etiqueta(const LineaOpciones& linea) const
{
    switch (linea.opcion) {
    case Opcion::AJUSTE: return linea.ajuste->vista.rotulo;
    case Opcion::SERIE: return "Valores de serie";
    case Opcion::VOLVER: break;
    }
    return "Volver";
}

std::string CPantallaOpciones::valor(const CMenuOpciones& menu, const LineaOpciones& linea) const
{
    if (!linea.ajuste)
        return "";
    const DescripcionAjuste& d = *linea.ajuste;
    const Preferencias& p = menu.valores();
    const bool esperada = &linea == &menu.lineaElegida() && menu.espera() != Espera::NADA;
    switch (d.vista.control) {
    case Control::PASOS: return "< " + std::to_string(p.*d.numero) + " >";
    case Control::FACTOR: return "< " + std::to_string(menu.factor()) + "× >";
    case Control::ALTERNAR: return p.*d.siNo ? d.vista.textoSi : d.vista.textoNo;
    case Control::BOTON: return esperada ? "..." : "botón " + std::to_string(p.*d.numero);
    case Control::TECLA: break;
    }
    return esperada && menu.espera() == Espera::TECLA ? "..." : nombreTecla(p.teclas[d.accion]);
}

// El nombre que usa el archivo de ajustes.
std::string CPantallaOpciones::nombreTecla(int tecla) const
{
    const char* nombre = sistema.dispositivosActuales()->nombreTecla(tecla);
    return nombre && *nombre ? nombre : "tecla " + std::to_string(tecla);
}

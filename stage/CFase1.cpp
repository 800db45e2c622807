#include "stage/CFase1.h"

#include <string>

#include "enemies/CAcorazado.h"
#include "enemies/CErrante.h"
#include "enemies/CGigante.h"
#include "enemies/CVolador.h"
#include "plataforma/Archivos.h"
#include "plataforma/Recursos.h"
#include "shell/Azar.h"
#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "stage/LectorMapa.h"
#include "world/CListaEntidades.h"
#include "world/CResumen.h"

int32_t ultimaColumna = 65000;

namespace {
// Códigos de la tabla de apariciones.
enum Aparicion : uint8_t { NINGUNO = 0, ERRANTE = 1, ACORAZADO = 2, VOLADOR = 3, GIGANTE = 4 };
}

CFase1::CFase1()
    : capaCercana(), capaLejana(), aparicion(), aparicionX(), aparicionY(),
      desplazamiento(0), hojaFase(nullptr), lejanaEntera(nullptr), resumenMapa(0)
{
    // Si el mapa falla tras cargar la hoja, el destructor no llegaría a correr.
    try {
        cargar(rutaRecurso("maps/fase1.map").c_str(), rutaRecurso("graphics/fase1.bmp").c_str());
    } catch (...) {
        liberarHoja();
        throw;
    }
}

CFase1::~CFase1()
{
    liberarHoja();
}

void CFase1::liberarHoja()
{
    if (lejanaEntera) {
        destroy_bitmap(lejanaEntera);
        lejanaEntera = nullptr;
    }
    if (!hojaFase)
        return;
    sistema.olvidarHoja(hojaFase);
    destroy_bitmap(hojaFase);
    hojaFase = nullptr;
}

void CFase1::cargar(const char* rutaMapa, const char* rutaHoja)
{
    liberarHoja();
    hojaFase = sistema.cargarHoja(rutaHoja);
    leerMapa(rutaMapa);
    prepararCapaLejana();
    cercanaEnTramos.preparar(hojaFase, &capaCercana[0][0], FILAS, COLUMNAS_CERCANA, LADO_LOSETA);
}

void CFase1::prepararCapaLejana()
{
    lejanaEntera = create_bitmap(COLUMNAS_LEJANA * LADO_LOSETA, FILAS * LADO_LOSETA);
    if (!lejanaEntera)
        throw CExcepcion(ERROR_GRAFICOS);
    clear_to_color(lejanaEntera, 0);
    for (int r = 0; r < FILAS; ++r)
        for (int k = 0; k < COLUMNAS_LEJANA; ++k) {
            const int t = capaLejana[r][k];
            blit(hojaFase, lejanaEntera, (t % 16) * LADO_LOSETA, (t / 16) * LADO_LOSETA, k * LADO_LOSETA,
                 r * LADO_LOSETA, LADO_LOSETA, LADO_LOSETA);
        }
}

// Todo el mapa se valida antes de copiar nada: un archivo roto no deja la
// fase a medias.
void CFase1::leerMapa(const char* rutaMapa)
{
    std::string texto;
    int32_t valores[VALORES_MAPA];
    if (!leerArchivo(rutaMapa, texto) || !::leerMapa(texto.data(), texto.size(), valores))
        throw CExcepcion(ERROR_ARCHIVOS);
    resumenMapa = resumen(texto.data(), texto.size());

    const int32_t* v = valores;
    for (auto& fila : capaCercana)
        for (uint8_t& loseta : fila)
            loseta = static_cast<uint8_t>(*v++);
    for (auto& fila : capaLejana)
        for (uint8_t& loseta : fila)
            loseta = static_cast<uint8_t>(*v++);
    for (uint8_t& codigo : aparicion)
        codigo = static_cast<uint8_t>(*v++);
    for (int32_t& ax : aparicionX)
        ax = *v++;
    for (int32_t& ay : aparicionY)
        ay = *v++;
}

void CFase1::actualizarEntidades()
{
    listaEntidades.actualizarTodas();
}

void CFase1::avanzar(uint32_t transcurridos)
{
    desplazamiento = transcurridos < FIN_DESPLAZAMIENTO ? transcurridos : FIN_DESPLAZAMIENTO;
    hacerAparecer(static_cast<int32_t>(desplazamiento / LADO_LOSETA));
}

// Un enemigo como mucho por columna, en el primer cuadro que el scroll pasa
// por ella. Un cuadro que salta más de una columna se deja las de en medio:
// esos enemigos no salen nunca.
void CFase1::hacerAparecer(int32_t columna)
{
    if (columna == ultimaColumna)
        return;
    CEntidad* enemigo = nullptr;
    switch (aparicion[columna]) {
    case ERRANTE:
        enemigo = new CErrante(aparicionX[columna], azar() % 348);
        break;
    case ACORAZADO:
        enemigo = new CAcorazado(aparicionY[columna]);
        break;
    case VOLADOR:
        enemigo = new CVolador(aparicionY[columna]);
        break;
    case GIGANTE:
        enemigo = new CGigante();
        break;
    default:
        break;
    }
    if (enemigo)
        listaEntidades.agregar(enemigo);
    ultimaColumna = columna;
}

void CFase1::iniciar()
{
    sistema.tocarMusica(sistema.musicaFase);
}

void CFase1::dibujar()
{
    acquire_bitmap(sistema.paginaDibujo);
    acquire_bitmap(hojaFase);
    dibujarCapas();
    listaEntidades.dibujarTodas();
    release_bitmap(sistema.paginaDibujo);
    release_bitmap(hojaFase);
}

// La capa lejana va a un cuarto de la velocidad y es opaca: es la que borra
// el campo de juego en cada cuadro. Sus losetas caen en x = columna·64 menos
// lo desplazado, así que lo que se ve empieza en desplazamiento/4. La
// cercana, con máscara, va a un píxel por tick y se ve desde el
// desplazamiento; al final del scroll, su ventana acaba justo en la última
// columna. Las dos van en una pasada: la lejana solo donde la cercana deja
// ver.
void CFase1::dibujarCapas()
{
    cercanaEnTramos.dibujar(sistema.paginaDibujo, static_cast<int>(desplazamiento), 640, lejanaEntera,
                            static_cast<int>(desplazamiento / 4));
}

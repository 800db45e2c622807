#include "stage/CFase1.h"

#include <cstdio>
#include <string>

#include "shell/CExcepcion.h"
#include "shell/CSistema.h"
#include "stage/LectorMapa.h"
#include "world/CListaEntidades.h"

CFase1::CFase1()
    : capaCercana(), capaLejana(), aparicion(), aparicionX(), aparicionY(),
      desplazamiento(0), hojaFase(nullptr), losetas()
{
    // Si el mapa falla tras cargar la hoja, el destructor no llegaría a correr.
    try {
        cargar("maps/fase1.map", "graphics/fase1.bmp");
    } catch (...) {
        liberarLosetas();
        if (hojaFase)
            destroy_bitmap(hojaFase);
        throw;
    }
}

CFase1::~CFase1()
{
    liberarLosetas();
    if (hojaFase)
        destroy_bitmap(hojaFase);
}

void CFase1::cargar(const char* rutaMapa, const char* rutaHoja)
{
    liberarLosetas();
    if (hojaFase)
        destroy_bitmap(hojaFase);
    hojaFase = nullptr;
    hojaFase = sistema.cargarHoja(rutaHoja);
    leerMapa(rutaMapa);
    prepararLosetas();
}

// Todo el mapa se valida antes de copiar nada: un archivo roto no deja la
// fase a medias.
void CFase1::leerMapa(const char* rutaMapa)
{
    FILE* archivo = std::fopen(rutaMapa, "r");
    if (!archivo)
        throw CExcepcion(ERROR_ARCHIVOS);
    std::string texto;
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, archivo)) > 0;)
        texto.append(bloque, n);
    bool fallo = std::ferror(archivo) != 0;
    std::fclose(archivo);
    int32_t valores[VALORES_MAPA];
    if (fallo || !::leerMapa(texto.data(), texto.size(), valores))
        throw CExcepcion(ERROR_ARCHIVOS);

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

// Solo las losetas enteras dentro de la hoja; las demás se pintan con
// masked_blit, que recorta igual que antes.
void CFase1::prepararLosetas()
{
    for (auto& fila : capaCercana)
        for (uint8_t loseta : fila) {
            int sx = (loseta % 16) * LADO_LOSETA, sy = (loseta / 16) * LADO_LOSETA;
            if (loseta == 0 || losetas[loseta] || sx + LADO_LOSETA > hojaFase->w || sy + LADO_LOSETA > hojaFase->h)
                continue;
            BITMAP* cuadro = create_sub_bitmap(hojaFase, sx, sy, LADO_LOSETA, LADO_LOSETA);
            if (!cuadro)
                continue;
            losetas[loseta] = get_rle_sprite(cuadro);
            destroy_bitmap(cuadro);
        }
}

void CFase1::liberarLosetas()
{
    for (RLE_SPRITE*& sprite : losetas) {
        if (sprite)
            destroy_rle_sprite(sprite);
        sprite = nullptr;
    }
}

void CFase1::actualizarEntidades()
{
    listaEntidades.actualizarTodas();
}

void CFase1::avanzar(uint32_t transcurridos)
{
    desplazamiento = transcurridos < FIN_DESPLAZAMIENTO ? transcurridos : FIN_DESPLAZAMIENTO;
}

void CFase1::iniciar()
{
    sistema.tocarMusica(sistema.musicaFase);
}

void CFase1::dibujar()
{
    acquire_bitmap(sistema.paginaDibujo);
    acquire_bitmap(hojaFase);
    dibujarCapaLejana();
    dibujarCapaCercana();
    listaEntidades.dibujarTodas();
    release_bitmap(sistema.paginaDibujo);
    release_bitmap(hojaFase);
}

// La capa lejana va a un cuarto de la velocidad y es opaca: es la que
// borra el campo de juego en cada cuadro.
void CFase1::dibujarCapaLejana()
{
    const int d = static_cast<int>((desplazamiento / 4) % LADO_LOSETA);
    const int c = static_cast<int>(desplazamiento / (4 * LADO_LOSETA));
    for (int r = 0; r < FILAS; ++r) {
        const int y = r * LADO_LOSETA;
        for (int k = 0; k <= 10; ++k) {
            const int t = capaLejana[r][c + k];
            const int sx = (t % 16) * LADO_LOSETA, sy = (t / 16) * LADO_LOSETA;
            if (k == 0)
                blit(hojaFase, sistema.paginaDibujo, sx + d, sy, 0, y, LADO_LOSETA - d, LADO_LOSETA);
            else
                blit(hojaFase, sistema.paginaDibujo, sx, sy, k * LADO_LOSETA - d, y, LADO_LOSETA, LADO_LOSETA);
        }
    }
}

// Al final del scroll la undécima loseta caería en la columna 256, fuera de
// la fila (y fuera de la pantalla): se salta.
void CFase1::dibujarCapaCercana()
{
    const int d = static_cast<int>(desplazamiento % LADO_LOSETA);
    const int c = static_cast<int>(desplazamiento / LADO_LOSETA);
    for (int r = 0; r < FILAS; ++r)
        for (int k = 0; k <= 10 && c + k < COLUMNAS_CERCANA; ++k) {
            const int t = capaCercana[r][c + k];
            if (t != 0)
                dibujarLosetaCercana(t, k * LADO_LOSETA - d, r * LADO_LOSETA);
        }
}

// La loseta del borde izquierdo empieza fuera de la página: el recorte de
// Allegro deja a la vista justo su parte derecha.
void CFase1::dibujarLosetaCercana(int loseta, int destinoX, int destinoY)
{
    if (losetas[loseta]) {
        draw_rle_sprite(sistema.paginaDibujo, losetas[loseta], destinoX, destinoY);
        return;
    }
    int sx = (loseta % 16) * LADO_LOSETA, sy = (loseta / 16) * LADO_LOSETA;
    int recorte = destinoX < 0 ? -destinoX : 0;
    masked_blit(hojaFase, sistema.paginaDibujo, sx + recorte, sy, destinoX + recorte, destinoY,
                LADO_LOSETA - recorte, LADO_LOSETA);
}

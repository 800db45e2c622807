#ifndef CFASE1_H
#define CFASE1_H

#include <allegro.h>

#include <cstdint>

#include "stage/CCapaEnTramos.h"
#include "stage/CFase.h"

// La única fase del juego: dos capas de losetas de 64x64 con parallax y la
// tabla de apariciones de enemigos por columna.
class CFase1 : public CFase {
public:
    static constexpr int FILAS = 7;
    static constexpr int COLUMNAS_CERCANA = 256;
    static constexpr int COLUMNAS_LEJANA = 72;
    static constexpr int LADO_LOSETA = 64;
    // Donde se para el scroll: las diez últimas columnas llenan la pantalla.
    static constexpr uint32_t FIN_DESPLAZAMIENTO = (COLUMNAS_CERCANA - 10) * LADO_LOSETA;

    CFase1();
    ~CFase1() override;

    void cargar(const char* rutaMapa, const char* rutaHoja) override;
    void actualizarEntidades() override;
    void dibujar() override;
    void avanzar(uint32_t transcurridos) override;
    void iniciar() override;

    uint8_t capaCercana[FILAS][COLUMNAS_CERCANA];
    uint8_t capaLejana[FILAS][COLUMNAS_LEJANA];
    uint8_t aparicion[COLUMNAS_CERCANA];
    int32_t aparicionX[COLUMNAS_CERCANA];
    int32_t aparicionY[COLUMNAS_CERCANA];
    uint32_t desplazamiento;
    BITMAP* hojaFase;
    // La capa lejana entera, de 72 losetas de ancho, pintada al cargar: es
    // opaca y solo se desplaza, así que cada cuadro es un único blit de lo que
    // se ve en vez de 77 losetas.
    BITMAP* lejanaEntera;
    // La cercana, cortada en tramos opacos al cargar.
    CCapaEnTramos cercanaEnTramos;
    // El resumen de los bytes del mapa leído: una partida grabada dice con cuál se jugó.
    uint64_t resumenMapa;

private:
    void leerMapa(const char* rutaMapa);
    void hacerAparecer(int32_t columna);
    void liberarHoja();
    void prepararCapaLejana();
    void dibujarCapas();
};

// Columna cuya aparición se miró la última vez. Vale para todo el programa:
// empieza en 65000, que no es ninguna columna, y no vuelve a ponerse a cero
// entre partidas.
extern int32_t ultimaColumna;

#endif

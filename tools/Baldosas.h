#ifndef BALDOSAS_H
#define BALDOSAS_H

class Lienzo;

constexpr int LADO_BALDOSA = 64;
constexpr int BALDOSAS_POR_FILA = 16;
constexpr int FILAS_CAPA = 7;

// Alturas de la fase en la pantalla: el agua lejana empieza en el horizonte
// y la orilla cercana en la última fila de baldosas.
constexpr int Y_HORIZONTE = 4 * LADO_BALDOSA + 40;
constexpr int Y_SUELO = 6 * LADO_BALDOSA;

// Número de cada baldosa en la hoja de la fase.
// Las lejanas son opacas: la capa lejana borra el campo de juego en cada
// cuadro. El cielo y el agua se aclaran u oscurecen con la altura, así que
// esas van de una en una por fila (CIELO + fila).
// Las cercanas dejan ver la lejana por el magenta.
enum Baldosa : int {
    // Lejanas, filas 0 a 3. La 0 también es la casilla vacía de la cercana.
    CIELO,
    ESTRELLAS = CIELO + 4,
    LUCEROS = ESTRELLAS + 4,
    LUNA = LUCEROS + 4, // fila 1
    NUBE_IZQUIERDA,     // fila 2
    NUBE_DERECHA,
    // Lejanas, fila 4: la otra orilla sobre el horizonte.
    HORIZONTE,
    ARBOLEDA,
    JUNCAL_LEJANO,
    COLINA_SUBE,
    COLINA_CIMA,
    COLINA_BAJA,
    OTERO_SUBE,
    OTERO_BAJA,
    // Lejanas, filas 5 y 6: agua (AGUA + fila - 5).
    AGUA,
    ONDAS = AGUA + 2,
    REFLEJO_LUNA = ONDAS + 2, // fila 5, bajo la luna
    // Cercanas, fila 0 y 1: la copa del sauce cuelga desde arriba.
    COPA_EMPIEZA,
    COPA,
    COPA_RAMILLAS,
    COPA_LIANAS,
    COPA_ACABA,
    LIANAS_FIN, // fila 1, bajo COPA_LIANAS
    // Cercanas, fila 5: lo que se alza sobre la orilla.
    JUNCOS,
    PIEDRAS,
    TOCON,
    LOMA_SUBE,
    LOMA_CIMA,
    LOMA_BAJA,
    // Cercanas, fila 6: la orilla y el agua de la charca.
    ORILLA,
    ORILLA_GUIJARROS,
    PIE_SUBIDA, // bajo LOMA_SUBE
    BARRO,      // bajo LOMA_CIMA
    PIE_BAJADA, // bajo LOMA_BAJA
    ORILLA_ACABA,
    ORILLA_EMPIEZA,
    NENUFAR,
    NENUFAR_FLOR,
    TRONCO_IZQUIERDA,
    TRONCO_DERECHA,
    TOTAL_BALDOSAS
};
// En la capa cercana la 0 no se pinta: es cielo abierto.
constexpr int NADA = 0;

constexpr int ANCHO_FASE1 = BALDOSAS_POR_FILA * LADO_BALDOSA;
constexpr int ALTO_FASE1 = (TOTAL_BALDOSAS + BALDOSAS_POR_FILA - 1) / BALDOSAS_POR_FILA * LADO_BALDOSA;

void dibujarBaldosasLejanas(Lienzo& hoja);
void dibujarBaldosasCercanas(Lienzo& hoja);
void dibujarHojaFase1(Lienzo& hoja);

#endif

#include "tools/Cancion.h"
#include "tools/GeneralMidi.h"
#include "tools/Musica.h"

// Tema alegre en Do mayor: estrofa (A) que cadencia en Sol y puente (B) que
// acaba también en Sol para que el bucle resuelva al volver a empezar.
namespace {
const char* const ACORDES_A = "C | G | Am | F | C | G | F | G";
const char* const ACORDES_B = "Am | F | C | G | Am | F | G | G";

const char* const MELODIA_A = R"(
    E5 - G5 - C6 - G5 -  | D5 - G5 - B5 - A5 G5 | A5 - C6 - E6 - D6 C6 | C6 - A5 - F5 - - - |
    E5 - G5 - C6 - E6 -  | D6 - B5 - G5 - A5 B5 | C6 - A5 - F5 - A5 -  | G5 - - - D5 - - - |)";

const char* const MELODIA_B = R"(
    A5 . A5 B5 C6 - A5 - | F5 . F5 G5 A5 - F5 - | G5 . G5 A5 G5 E5 C5 E5 | D5 - - - G5 - - - |
    A5 . A5 B5 C6 - E6 - | D6 - C6 - A5 - F5 -  | G5 - A5 - B5 - C6 D6  | B5 - - - G5 - - - |)";

const char* const COMPAS_PIANO = "x - - x - - x -";
const char* const COMPAS_BAJO = "R - 5 - 8 - 5 -";

void ritmoDeOchoCompases(Partitura& bateria)
{
    bateria.bateria({{gm::PLATILLO, "x . . . . . . ."},
                     {gm::BOMBO, "x . . . x . . ."},
                     {gm::CAJA, ". . x . . . x ."},
                     {gm::CHARLES_CERRADO, ". o x o x o x o"}},
                    1);
    bateria.bateria({{gm::BOMBO, "x . . . x . . ."},
                     {gm::CAJA, ". . x . . . x ."},
                     {gm::CHARLES_CERRADO, "x o x o x o x o"}},
                    6);
    bateria.bateria({{gm::BOMBO, "x . . . . . . . x . . . . . . ."},
                     {gm::CAJA, ". . . . x . . . . . . . x o x x"},
                     {gm::CHARLES_CERRADO, "x . o . x . o . x . o . . . . ."}},
                    1);
}
}

ArchivoMidi temaTitulo()
{
    Cancion cancion("Tokecillo", 120);

    Partitura& flauta = cancion.voz(0, gm::FLAUTA, 96);
    flauta.articulacion(0.92);
    flauta.melodia(MELODIA_A, 100);
    flauta.melodia(MELODIA_B, 100);

    Partitura& piano = cancion.voz(1, gm::PIANO_ACUSTICO, 64);
    piano.articulacion(0.85);
    piano.acordes(ACORDES_A, COMPAS_PIANO, 55, 72);
    piano.acordes(ACORDES_B, COMPAS_PIANO, 55, 72);

    Partitura& bajo = cancion.voz(2, gm::BAJO_DEDOS, 92);
    bajo.articulacion(0.8);
    bajo.bajo(ACORDES_A, COMPAS_BAJO, 2, 100);
    bajo.bajo(ACORDES_B, COMPAS_BAJO, 2, 100);

    Partitura& bateria = cancion.bateria(84);
    ritmoDeOchoCompases(bateria);
    ritmoDeOchoCompases(bateria);

    return cancion.terminar();
}

#include "tools/Cancion.h"
#include "tools/GeneralMidi.h"
#include "tools/Musica.h"

#include <string>

// Tema de fase en La menor, rápido y con corcheas constantes. El último
// compás de cada bloque es Mi mayor: tira hacia el La del bloque siguiente
// y también hacia el principio cuando el tema vuelve a empezar.
namespace {
const char* const ACORDES_A = "Am | F | G | Am | Am | F | G | E";
const char* const ACORDES_B = "F | G | Em | Am | F | G | E | E";
// La guitarra toca quintas sobre la misma armonía.
const char* const QUINTAS_A = "A5 | F5 | G5 | A5 | A5 | F5 | G5 | E5";
const char* const QUINTAS_B = "F5 | G5 | E5 | A5 | F5 | G5 | E5 | E5";

const char* const MELODIA_A = R"(
    A4 . A4 C5 E5 - D5 C5 | F5 - E5 - C5 - A4 -  | G4 - B4 - D5 - G5 -  | E5 - - - A4 . B4 C5 |
    A4 . A4 C5 E5 - A5 -  | F5 - E5 - F5 - A5 -  | G5 - F5 - E5 - D5 -  | E5 - - - G#4 - B4 - |)";

const char* const MELODIA_B = R"(
    C6 - A5 - F5 - A5 -   | B5 - G5 - D5 - G5 -  | B5 - G5 - E5 - G5 -  | A5 - E5 - C5 - E5 - |
    C6 - A5 - F5 - C6 -   | D6 - B5 - G5 - D6 -  | E6 - - - D6 - B5 -   | G#5 - - - E5 - - -  |)";

// Arpegio en semicorcheas: medio compás que se repite dos veces.
std::string arpegio(const std::string& medioCompas)
{
    return medioCompas + " " + medioCompas + " | ";
}

std::string melodiaC()
{
    return arpegio("A4 C5 E5 A5 E5 C5 A4 C5") + arpegio("A4 C5 F5 A5 F5 C5 A4 C5") +
           arpegio("B4 D5 G5 B5 G5 D5 B4 D5") + arpegio("A4 C5 E5 A5 E5 C5 A4 C5") +
           arpegio("A4 C5 E5 A5 E5 C5 A4 C5") + arpegio("A4 C5 F5 A5 F5 C5 A4 C5") +
           arpegio("B4 D5 G5 B5 G5 D5 B4 D5") + arpegio("G#4 B4 E5 G#5 E5 B4 G#4 B4");
}

const char* const COMPAS_GUITARRA = "x x x x x x x x";
const char* const COMPAS_BAJO = "R R 8 R R R 8 R";

void ritmoDeOchoCompases(Partitura& bateria)
{
    bateria.bateria({{gm::PLATILLO, "x . . . . . . . . . . . . . . ."},
                     {gm::BOMBO, "x . . . x . . . x . x . x . . ."},
                     {gm::CAJA, ". . . . x . . . . . . . x . . ."},
                     {gm::CHARLES_CERRADO, ". . x o x o x o x o x o x o x o"}},
                    1);
    bateria.bateria({{gm::BOMBO, "x . . . x . . . x . x . x . . ."},
                     {gm::CAJA, ". . . . x . . . . . . . x . . ."},
                     {gm::CHARLES_CERRADO, "x o x o x o x o x o x o x o x o"}},
                    6);
    bateria.bateria({{gm::BOMBO, "x . . . x . . . x . . . . . . ."},
                     {gm::CAJA, ". . . . x . . o . . x o x x x x"},
                     {gm::CHARLES_CERRADO, "x o x o x o x o . . . . . . . ."}},
                    1);
}
}

ArchivoMidi temaFase1()
{
    Cancion cancion("Fase 1", 152);

    Partitura& solista = cancion.voz(0, gm::ONDA_CUADRADA, 76);
    solista.articulacion(0.9);
    solista.melodia(MELODIA_A, 100);
    solista.melodia(MELODIA_B, 105);
    solista.melodia(melodiaC(), 90);

    Partitura& guitarra = cancion.voz(1, gm::GUITARRA_DISTORSION, 56);
    guitarra.articulacion(0.55);
    guitarra.acordes(QUINTAS_A, COMPAS_GUITARRA, 40, 80);
    guitarra.acordes(QUINTAS_B, COMPAS_GUITARRA, 40, 80);
    guitarra.acordes(QUINTAS_A, COMPAS_GUITARRA, 40, 80);

    Partitura& bajo = cancion.voz(2, gm::BAJO_PUA, 92);
    bajo.articulacion(0.7);
    bajo.bajo(ACORDES_A, COMPAS_BAJO, 2, 105);
    bajo.bajo(ACORDES_B, COMPAS_BAJO, 2, 105);
    bajo.bajo(ACORDES_A, COMPAS_BAJO, 2, 105);

    Partitura& bateria = cancion.bateria(86);
    for (int bloque = 0; bloque < 3; ++bloque)
        ritmoDeOchoCompases(bateria);

    return cancion.terminar();
}

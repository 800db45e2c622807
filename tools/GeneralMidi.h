#ifndef GENERALMIDI_H
#define GENERALMIDI_H

// Sólo instrumentos y golpes que trae freepats: los demás no sonarían.
namespace gm {
constexpr int PIANO_ACUSTICO = 0;
constexpr int GUITARRA_DISTORSION = 30;
constexpr int BAJO_DEDOS = 33;
constexpr int BAJO_PUA = 34;
constexpr int FLAUTA = 73;
constexpr int ONDA_CUADRADA = 80;

constexpr int BOMBO = 36;
constexpr int CAJA = 38;
constexpr int CHARLES_CERRADO = 42;
constexpr int PLATILLO = 49;
}

#endif

#include "tools/Hojas.h"
#include "tools/Lienzo.h"
#include "tools/Pinceles.h"

#include <allegro.h>

// La rana piloto de perfil, mirando a la derecha, como vuela y dispara.
namespace {
// Tres tiempos de la patada y del aleteo; el cuarto cuadro es el golpe.
struct Pose {
    Punto rodilla, tobillo, punta;
    Punto rodillaLejana, tobilloLejano, puntaLejana;
    int puntaAlaY;
};
constexpr Pose POSES[3] = {
    {{22, 37}, {10, 34}, {1, 31}, {26, 27}, {13, 24}, {4, 20}, 3},   // estirada, alas arriba
    {{30, 43}, {17, 43}, {7, 45}, {22, 31}, {10, 29}, {2, 27}, 11},  // encogida, alas en medio
    {{25, 41}, {13, 39}, {3, 38}, {28, 26}, {17, 21}, {8, 17}, 17},  // a medias, alas abajo
};

struct Paleta {
    Color cuerpo, contorno, vientre, pataLejana;
};
constexpr Paleta SANA{colores::VERDE_RANA, colores::VERDE_OSCURO, colores::AMARILLO_VIENTRE,
                      {60, 140, 48}};
// Herida: roja entera, para que el parpadeo se note.
constexpr Paleta HERIDA{{222, 96, 72}, {120, 24, 24}, {250, 190, 160}, {170, 60, 50}};

// Sitio de cada parte dentro del cuadro de 100x50 (caja de choque: 30..82, 7..42).
constexpr Punto CADERA{36, 31};
constexpr Punto CENTRO_CUERPO{52, 27};
constexpr Punto CENTRO_CABEZA{72, 23};
constexpr Punto OJO{73, 13};
constexpr Punto OJO_LEJANO{65, 11};
constexpr Punto RAIZ_ALA{47, 17};

void dibujarPata(BITMAP* b, Punto cadera, Punto rodilla, Punto tobillo, Punto punta, const Color& color,
                 const Color& contorno)
{
    // Pie palmeado: un abanico de tres dedos desde el tobillo.
    triangle(b, tobillo.x, tobillo.y, punta.x, punta.y - 5, punta.x, punta.y + 5, aPixel(contorno));
    for (int dedo = -1; dedo <= 1; ++dedo)
        circlefill(b, punta.x, punta.y + dedo * 4, 1, aPixel(contorno));
    trazo(b, rodilla, tobillo, 3, 2, color);
    trazo(b, cadera, rodilla, 6, 3, color);
}

// Tres plumas de metal, como las alas de la insignia; la más larga detrás.
void dibujarAla(BITMAP* b, Punto raiz, int puntaY)
{
    for (int pluma = 0; pluma < 3; ++pluma) {
        Punto punta{raiz.x - 24 + pluma * 3, puntaY + pluma * 6};
        int puntos[] = {raiz.x + 1, raiz.y - 1, punta.x, punta.y, punta.x + 3, punta.y + 5, raiz.x + 3, raiz.y + 5};
        polygon(b, 4, puntos, aPixel(colores::GRIS_METAL));
        for (int i = 0; i < 4; ++i) {
            int j = (i + 1) % 4;
            line(b, puntos[2 * i], puntos[2 * i + 1], puntos[2 * j], puntos[2 * j + 1], aPixel(colores::GRIS_OSCURO));
        }
        line(b, raiz.x + 1, raiz.y + 1, punta.x + 2, punta.y + 2, aPixel(colores::BLANCO));
    }
}

void dibujarGafa(BITMAP* b, Punto centro, int radio, bool ojosCerrados)
{
    circlefill(b, centro.x, centro.y, radio, aPixel(colores::GRIS_METAL));
    circle(b, centro.x, centro.y, radio, aPixel(colores::GRIS_OSCURO));
    circlefill(b, centro.x, centro.y, radio - 2, aPixel(colores::BLANCO));
    if (ojosCerrados) {
        // Ojos apretados: dos rayas en aspa tras el cristal.
        line(b, centro.x - 2, centro.y - 2, centro.x + 2, centro.y + 2, aPixel(colores::NEGRO));
        line(b, centro.x - 2, centro.y + 2, centro.x + 2, centro.y - 2, aPixel(colores::NEGRO));
    } else {
        // La pupila mira hacia delante, hacia donde dispara.
        circlefill(b, centro.x + radio / 3, centro.y, radio / 3, aPixel(colores::NEGRO));
        putpixel(b, centro.x + radio / 3 + 1, centro.y - 1, aPixel(colores::BLANCO));
    }
}

void dibujarRana(Lienzo& lienzo, int x0, const Pose& pose, const Paleta& p, bool ojosCerrados)
{
    BITMAP* b = lienzo.bmp();
    auto en = [x0](Punto q) { return Punto{x0 + q.x, q.y}; };
    Punto cadera = en(CADERA), cuerpo = en(CENTRO_CUERPO), cabeza = en(CENTRO_CABEZA);

    // Lo más lejano primero: la pata y el ojo del otro lado.
    dibujarPata(b, en({CADERA.x + 2, CADERA.y - 5}), en(pose.rodillaLejana), en(pose.tobilloLejano),
                en(pose.puntaLejana), p.pataLejana, p.contorno);
    circlefill(b, x0 + OJO_LEJANO.x, OJO_LEJANO.y, 5, aPixel(p.contorno));
    dibujarGafa(b, en(OJO_LEJANO), 4, ojosCerrados);

    // Silueta: el contorno es la misma figura un píxel más gruesa.
    ellipsefill(b, cuerpo.x, cuerpo.y, 23, 13, aPixel(p.contorno));
    ellipsefill(b, cabeza.x, cabeza.y, 15, 12, aPixel(p.contorno));
    circlefill(b, x0 + OJO.x, OJO.y, 8, aPixel(p.contorno));
    ellipsefill(b, cuerpo.x, cuerpo.y, 22, 12, aPixel(p.cuerpo));
    ellipsefill(b, cabeza.x, cabeza.y, 14, 11, aPixel(p.cuerpo));
    circlefill(b, x0 + OJO.x, OJO.y, 7, aPixel(p.cuerpo));

    ellipsefill(b, cuerpo.x + 3, cuerpo.y + 7, 17, 5, aPixel(p.vientre));
    ellipsefill(b, cabeza.x + 3, cabeza.y + 6, 9, 4, aPixel(p.vientre));
    // Boca sonriente y orificio de la nariz.
    line(b, cabeza.x - 3, cabeza.y + 3, cabeza.x + 13, cabeza.y + 1, aPixel(p.contorno));
    putpixel(b, cabeza.x - 4, cabeza.y + 2, aPixel(p.contorno));
    putpixel(b, cabeza.x + 11, cabeza.y - 4, aPixel(p.contorno));

    dibujarPata(b, cadera, en(pose.rodilla), en(pose.tobillo), en(pose.punta), p.cuerpo, p.contorno);
    // Brazo hacia delante, como quien vuela con el puño por delante.
    trazo(b, en({64, 32}), en({78, 38}), 3, 2, p.contorno);
    trazo(b, en({64, 31}), en({78, 37}), 2, 2, p.cuerpo);
    circlefill(b, x0 + 81, 37, 2, aPixel(p.contorno));

    // Correa de las gafas por detrás de la cabeza.
    trazo(b, en({OJO.x - 5, OJO.y + 2}), en({58, 19}), 1, 1, colores::GRIS_OSCURO);
    dibujarGafa(b, en(OJO), 6, ojosCerrados);
    dibujarAla(b, en(RAIZ_ALA), pose.puntaAlaY);
}
}

void dibujarHojaRana(Lienzo& lienzo)
{
    for (int f = 0; f < rana::CUADROS_ANIMACION; ++f)
        dibujarRana(lienzo, f * rana::ANCHO_CUADRO, POSES[f], SANA, false);
    dibujarRana(lienzo, rana::X_CUADRO_GOLPE, POSES[0], HERIDA, true);
}

#include "tools/Hojas.h"
#include "tools/Lienzo.h"
#include "tools/Pinceles.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <vector>

// Los bichos de la charca. Cada clase con su silueta y su color, para que se
// reconozcan de un vistazo sobre el agua oscura: el mosquito rojo, el
// escarabajo de bronce, la polilla violeta y la garza blanca.
namespace {
using enemigos::Marco;

int redondo(double v)
{
    return static_cast<int>(std::lround(v));
}

Punto enAngulo(Punto desde, double grados, double largo)
{
    double r = grados * M_PI / 180;
    return {desde.x + redondo(std::cos(r) * largo), desde.y + redondo(std::sin(r) * largo)};
}

Punto entre(Punto a, Punto z, double t)
{
    return {a.x + redondo((z.x - a.x) * t), a.y + redondo((z.y - a.y) * t)};
}

// Herido: los mismos colores, chamuscados.
Color chamuscado(const Color& c)
{
    return mezclar(c, colores::SOMBRA, 0.4);
}

// Cada figura se pinta sola en un lienzo de su cuadro y se pega entera:
// así nada se sale al cuadro del vecino.
void pegar(const Lienzo& cuadro, Lienzo& hoja, const Marco& m, int sinIzquierda = 0, int sinDerecha = 0)
{
    blit(cuadro.bmp(), hoja.bmp(), sinIzquierda, 0, m.x + sinIzquierda, m.y, m.ancho - sinIzquierda - sinDerecha,
         m.alto);
}

// La caída: la figura herida da vueltas en el aire.
void girar(const Lienzo& figura, Lienzo& cuadro, double grados)
{
    rotate_sprite(cuadro.bmp(), figura.bmp(), 0, 0, ftofix(grados * 256 / 360));
}

// Sólo se pinta entre dos filas: las faldas de placas bajo las conchas.
void entreFilas(BITMAP* b, int desde, int hasta)
{
    set_clip_rect(b, 0, desde, b->w - 1, hasta);
}

void sinRecorte(BITMAP* b)
{
    set_clip_rect(b, 0, 0, b->w - 1, b->h - 1);
}

// Raya de lado a lado que sólo pinta sobre la placa: las juntas no se salen.
void rayaSobre(BITMAP* b, int y, const std::vector<Punto>& placa, const Color& color)
{
    auto [menor, mayor] = std::minmax_element(placa.begin(), placa.end(), [](Punto a, Punto z) { return a.x < z.x; });
    for (int x = menor->x; x <= mayor->x; ++x)
        if (getpixel(b, x, y) == aPixel(colores::GRIS_METAL))
            putpixel(b, x, y, aPixel(color));
}

// Bocanada de humo: gris, con la luz por arriba a la izquierda.
void humo(BITMAP* b, Punto c, int radio)
{
    circlefill(b, c.x, c.y, radio, aPixel(colores::GRIS_OSCURO));
    circlefill(b, c.x - radio / 4, c.y - radio / 4, radio * 2 / 3, aPixel(colores::PIEDRA));
}

// Chispa de golpe: una cruz que brilla.
void chispa(BITMAP* b, Punto c, int largo)
{
    hline(b, c.x - largo, c.y, c.x + largo, aPixel(colores::AMARILLO_TITULO));
    vline(b, c.x, c.y - largo, c.y + largo, aPixel(colores::AMARILLO_TITULO));
    putpixel(b, c.x, c.y, aPixel(colores::BLANCO));
}

// Ojo reventado: una X donde brillaba.
void ojoEnAspa(BITMAP* b, Punto c, int radio, const Color& fondo)
{
    circlefill(b, c.x, c.y, radio, aPixel(fondo));
    line(b, c.x - radio / 2, c.y - radio / 2, c.x + radio / 2, c.y + radio / 2, aPixel(colores::BLANCO));
    line(b, c.x - radio / 2, c.y + radio / 2, c.x + radio / 2, c.y - radio / 2, aPixel(colores::BLANCO));
}

// ---------------------------------------------------------------------------
// El errante: un mosquito tigre de pie que mira a la izquierda, con la trompa
// de aguja por delante. Caja de choque del juego: 28..52 x 25..89; el cuerpo
// la llena de la cabeza a la punta del abdomen.
namespace mosquito {
struct Paleta {
    Color cuerpo, oscuro, claro, ala, ojo;
};
constexpr Punto CABEZA{33, 29};
constexpr Punto OJO{30, 28};
constexpr Punto TORAX{41, 46};
constexpr Punto ABDOMEN{42, 70};
constexpr int RX_ABDOMEN = 11, RY_ABDOMEN = 20;
constexpr Punto RAIZ_ALAS{48, 40};
constexpr Punto PUNTA_TROMPA{7, 54};

struct Pata {
    Punto cadera, rodilla, pie;
};
// Cuelgan al volar: la delantera hacia la trompa, la trasera hacia atrás.
constexpr Pata PATAS[3] = {
    {{35, 52}, {22, 60}, {15, 82}},
    {{40, 55}, {30, 72}, {28, 96}},
    {{46, 55}, {60, 70}, {64, 94}},
};

Paleta sano()
{
    // El ala es de vidrio: deja ver la noche, por eso va apagada.
    return {colores::CARMESI, colores::CARMESI_OSCURO, colores::CARMESI_CLARO,
            mezclar(colores::ALA_VIDRIO, colores::CIELO_NOCHE, 0.3), colores::AMARILLO_TITULO};
}

Paleta herido()
{
    Paleta p = sano();
    return {chamuscado(p.cuerpo), chamuscado(p.oscuro), chamuscado(p.claro), chamuscado(p.ala), p.ojo};
}

// Patas rayadas en blanco y rojo: contra el agua oscura se ven igual.
void pataRayada(BITMAP* b, Punto a, Punto z, const Color& color, const Color& raya)
{
    line(b, a.x, a.y, z.x, z.y, aPixel(color));
    line(b, a.x + 1, a.y, z.x + 1, z.y, aPixel(color));
    int pasos = std::max(std::abs(z.x - a.x), std::abs(z.y - a.y)) / 3;
    for (int i = 1; i < pasos; i += 2) {
        Punto p = entre(a, z, double(i) / pasos);
        rectfill(b, p.x, p.y, p.x + 1, p.y, aPixel(raya));
    }
}

void ala(BITMAP* b, Punto raiz, double grados, int largo, const Paleta& p, bool rota)
{
    Punto centro = enAngulo(raiz, grados, largo / 2.0);
    elipseGirada(b, centro, largo / 2 + 1, 8, grados, colores::GRIS_OSCURO);
    elipseGirada(b, centro, largo / 2, 7, grados, p.ala);
    // Venas: la del borde de ataque, más clara.
    Punto punta = enAngulo(raiz, grados, largo - 2);
    line(b, raiz.x, raiz.y, punta.x, punta.y, aPixel(mezclar(p.ala, colores::BLANCO, 0.6)));
    for (double abierta : {-9.0, 9.0}) {
        Punto vena = enAngulo(raiz, grados + abierta, largo - 9);
        line(b, raiz.x, raiz.y, vena.x, vena.y, aPixel(colores::GRIS_METAL));
    }
    if (rota)
        poligono(b, {enAngulo(raiz, grados - 16, largo + 4), enAngulo(raiz, grados + 2, largo - 13),
                     enAngulo(raiz, grados + 18, largo + 4)},
                 colores::MAGENTA_MASCARA);
}

void dibujar(BITMAP* b, bool alasArriba, const Paleta& p, bool herido)
{
    double alzada = alasArriba ? -55 : 25;
    // Las patas se mecen al compás del aleteo; al caer, se encogen.
    int vaiven = alasArriba ? 0 : 3;
    auto pie = [&](const Pata& pata) {
        return herido ? entre(pata.rodilla, pata.cadera, 0.3) : Punto{pata.pie.x + vaiven, pata.pie.y};
    };
    auto rodilla = [&](const Pata& pata) {
        return herido ? Punto{pata.rodilla.x, pata.rodilla.y - 6} : pata.rodilla;
    };

    // Lo de detrás: el ala y las patas del otro lado.
    ala(b, {RAIZ_ALAS.x + 3, RAIZ_ALAS.y - 2}, alzada - 18, herido ? 20 : 40, p, false);
    for (const Pata& pata : PATAS) {
        Punto corrida{5, -2};
        Punto c{pata.cadera.x + corrida.x, pata.cadera.y + corrida.y};
        Punto r{rodilla(pata).x + corrida.x, rodilla(pata).y + corrida.y};
        Punto z{pie(pata).x + corrida.x, pie(pata).y + corrida.y};
        pataRayada(b, c, r, p.oscuro, p.oscuro);
        pataRayada(b, r, z, p.oscuro, p.cuerpo);
    }

    // Abdomen lleno de sangre, con anillos y el brillo por delante.
    ellipsefill(b, ABDOMEN.x, ABDOMEN.y, RX_ABDOMEN + 1, RY_ABDOMEN + 1, aPixel(colores::SOMBRA));
    ellipsefill(b, ABDOMEN.x, ABDOMEN.y, RX_ABDOMEN, RY_ABDOMEN, aPixel(p.cuerpo));
    ellipsefill(b, ABDOMEN.x - 5, ABDOMEN.y - 3, 3, 12, aPixel(p.claro));
    for (int y = ABDOMEN.y - 13; y < ABDOMEN.y + RY_ABDOMEN; y += 7) {
        double dy = double(y - ABDOMEN.y) / RY_ABDOMEN;
        int medio = redondo(RX_ABDOMEN * std::sqrt(1 - dy * dy)) - 1;
        hline(b, ABDOMEN.x - medio, y, ABDOMEN.x + medio, aPixel(p.oscuro));
    }

    // Tórax jorobado con una placa de blindaje en el lomo.
    ellipsefill(b, TORAX.x, TORAX.y, 13, 12, aPixel(colores::SOMBRA));
    ellipsefill(b, TORAX.x, TORAX.y, 12, 11, aPixel(p.cuerpo));
    ellipsefill(b, TORAX.x - 3, TORAX.y + 5, 7, 4, aPixel(p.oscuro));
    std::vector<Punto> placa = {{36, 37}, {47, 34}, {53, 41}, {49, 50}, {38, 47}};
    poligono(b, placa, herido ? chamuscado(colores::GRIS_METAL) : colores::GRIS_METAL);
    perfil(b, placa, colores::GRIS_OSCURO);
    line(b, 38, 38, 46, 35, aPixel(colores::BLANCO));
    putpixel(b, 47, 44, aPixel(colores::GRIS_OSCURO));
    putpixel(b, 40, 44, aPixel(colores::GRIS_OSCURO));

    // Cabeza, trompa de aguja y antenas de pluma.
    circlefill(b, CABEZA.x, CABEZA.y, 10, aPixel(colores::SOMBRA));
    circlefill(b, CABEZA.x, CABEZA.y, 9, aPixel(p.cuerpo));
    Punto trompa = herido ? Punto{12, 40} : PUNTA_TROMPA;
    trazo(b, {26, 34}, trompa, 2, 1, colores::SOMBRA);
    trazo(b, {26, 34}, trompa, 1, 0, colores::GRIS_METAL);
    for (auto [base, punta] : {std::pair<Punto, Punto>{{36, 21}, {46, 6}}, {{31, 20}, {25, 5}}}) {
        line(b, base.x, base.y, punta.x, punta.y, aPixel(colores::ALA_VIDRIO));
        for (int i = 1; i <= 4; ++i) {
            Punto p0 = entre(base, punta, i / 5.0);
            line(b, p0.x - 2, p0.y, p0.x + 2, p0.y, aPixel(colores::ALA_VIDRIO));
        }
    }
    if (herido) {
        ojoEnAspa(b, OJO, 6, p.oscuro);
    } else {
        // Ojo compuesto encendido y el ceño por encima.
        circlefill(b, OJO.x, OJO.y, 6, aPixel(p.ojo));
        circlefill(b, OJO.x - 1, OJO.y + 2, 3, aPixel(colores::NARANJA));
        rectfill(b, OJO.x - 3, OJO.y - 4, OJO.x - 2, OJO.y - 3, aPixel(colores::BLANCO));
        line(b, OJO.x - 6, OJO.y - 8, OJO.x + 7, OJO.y - 4, aPixel(p.oscuro));
        line(b, OJO.x - 6, OJO.y - 7, OJO.x + 7, OJO.y - 3, aPixel(p.oscuro));
    }

    // Lo de delante: las patas y el ala de este lado.
    for (const Pata& pata : PATAS) {
        pataRayada(b, pata.cadera, rodilla(pata), p.cuerpo, colores::BLANCO);
        pataRayada(b, rodilla(pata), pie(pata), p.cuerpo, colores::BLANCO);
    }
    ala(b, RAIZ_ALAS, alzada, herido ? 30 : 42, p, herido);
}
}

void dibujarErrante(Lienzo& hoja)
{
    for (int f = 0; f < 2; ++f) {
        Lienzo cuadro(enemigos::ERRANTE[f].ancho, enemigos::ERRANTE[f].alto, colores::MAGENTA_MASCARA);
        mosquito::dibujar(cuadro.bmp(), f == 0, mosquito::sano(), false);
        pegar(cuadro, hoja, enemigos::ERRANTE[f]);
    }
    // Cae de cabeza dando vueltas, con el ala rota y echando humo.
    const Marco& m = enemigos::ERRANTE[2];
    Lienzo figura(m.ancho, m.alto, colores::MAGENTA_MASCARA), cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
    mosquito::dibujar(figura.bmp(), false, mosquito::herido(), true);
    girar(figura, cuadro, 120);
    humo(cuadro.bmp(), {30, 22}, 7);
    humo(cuadro.bmp(), {22, 10}, 5);
    chispa(cuadro.bmp(), {90, 34}, 3);
    chispa(cuadro.bmp(), {72, 28}, 2);
    pegar(cuadro, hoja, m);
}

// ---------------------------------------------------------------------------
// El acorazado: un escarabajo blindado que camina a la derecha por la orilla,
// con un cañón al cielo que dispara desde (100, 18). Caja de choque:
// 25..100 x 25..125; los pies pisan la última fila del cuadro.
namespace escarabajo {
struct Paleta {
    Color concha, oscuro, claro, placa;
};
constexpr Paleta VIVO{colores::BRONCE, colores::BRONCE_OSCURO, colores::BRONCE_CLARO, colores::GRIS_METAL};

constexpr Punto BASE_CONCHA{60, 90};
constexpr int RX_CONCHA = 40, RY_CONCHA = 58;
constexpr int ALTO_FALDA = 11;
constexpr Punto CABEZA{104, 86};
constexpr Punto TORRETA{84, 47};
constexpr Punto BOCA_CANON{100, 18};
constexpr int Y_PISO = 126;

// La concha: cúpula de bronce con juntas de placas y una falda remachada.
// Volcada, la cúpula mira al suelo (los restos).
void concha(BITMAP* b, Punto base, int rx, int ry, bool volcada, const Paleta& p)
{
    int hacia = volcada ? 1 : -1;
    poligono(b, mediaElipse(base, rx + 1, ry + 1, volcada), colores::SOMBRA);
    poligono(b, mediaElipse(base, rx, ry, volcada), p.placa);
    int junta = base.y + hacia * ALTO_FALDA;
    if (volcada)
        entreFilas(b, junta, b->h - 1);
    else
        entreFilas(b, 0, junta);
    poligono(b, mediaElipse(base, rx, ry, volcada), p.concha);
    for (int k = 1; k <= 2; ++k)
        quebrada(b, mediaElipse(base, rx - 11 * k, ry - 16 * k, volcada), p.oscuro);
    quebrada(b, mediaElipse({base.x - 1, base.y}, rx - 12, ry - 17, volcada), p.claro);
    elipseGirada(b, {base.x - rx / 2, base.y + hacia * ry * 2 / 3}, rx / 4, 3, volcada ? 35 : -35, p.claro);
    sinRecorte(b);
    hline(b, base.x - rx + 1, junta, base.x + rx - 1, aPixel(colores::SOMBRA));
    // Remaches a lo largo de la falda.
    int fila = base.y + hacia * ALTO_FALDA / 2;
    for (int x = base.x - rx + 6; x <= base.x + rx - 6; x += 9) {
        circlefill(b, x, fila, 1, aPixel(colores::GRIS_OSCURO));
        putpixel(b, x - 1, fila - 1, aPixel(colores::BLANCO));
    }
}

struct Pata {
    Punto cadera;
    int pieX;
    int codo; // hacia dónde dobla la rodilla
    int fase; // en grados: las patas de un trípode van a la par
};
// Trípode: la delantera y la trasera de un lado con la de en medio del otro.
constexpr Pata CERCANAS[3] = {{{80, 94}, 102, 1, 0}, {{60, 96}, 64, 1, 180}, {{40, 94}, 26, -1, 0}};
constexpr Pata LEJANAS[3] = {{{86, 90}, 110, 1, 180}, {{66, 92}, 72, 1, 0}, {{46, 90}, 36, -1, 180}};

void pata(BITMAP* b, const Pata& una, int fotograma, int baja, const Color& color, const Color& rodillera)
{
    // El pie avanza en el aire y retrocede apoyado: el cuerpo va a la derecha.
    double t = (fotograma * 90 + una.fase) * M_PI / 180;
    Punto cadera{una.cadera.x, una.cadera.y + baja};
    Punto pie{una.pieX - redondo(8 * std::cos(t)), Y_PISO - std::max(0, redondo(7 * std::sin(t)))};
    Punto rodilla{(cadera.x + pie.x) / 2 + una.codo * 11, cadera.y - 1};
    trazo(b, cadera, rodilla, 5, 4, colores::SOMBRA);
    trazo(b, rodilla, pie, 4, 2, colores::SOMBRA);
    trazo(b, cadera, rodilla, 4, 3, color);
    trazo(b, rodilla, pie, 3, 1, color);
    circlefill(b, rodilla.x, rodilla.y, 3, aPixel(rodillera));
    putpixel(b, rodilla.x - 1, rodilla.y - 1, aPixel(colores::BLANCO));
    line(b, pie.x, pie.y, pie.x + 3, pie.y + 1, aPixel(colores::SOMBRA));
}

void cabeza(BITMAP* b, Punto c, const Paleta& p, bool muerta)
{
    // Pinzas por delante, de metal.
    for (auto [raiz, punta] : {std::pair<Punto, Punto>{{c.x + 10, c.y + 1}, {c.x + 21, c.y - 2}},
                               {{c.x + 10, c.y + 6}, {c.x + 21, c.y + 11}}}) {
        trazo(b, raiz, punta, 3, 1, colores::SOMBRA);
        trazo(b, raiz, punta, 2, 0, p.placa);
    }
    ellipsefill(b, c.x, c.y, 14, 12, aPixel(colores::SOMBRA));
    ellipsefill(b, c.x, c.y, 13, 11, aPixel(p.oscuro));
    // Visera blindada sobre el ojo.
    std::vector<Punto> visera = {{c.x - 8, c.y - 10}, {c.x + 6, c.y - 11}, {c.x + 13, c.y - 4}, {c.x - 4, c.y - 4}};
    poligono(b, visera, p.placa);
    perfil(b, visera, colores::GRIS_OSCURO);
    Punto ojo{c.x + 6, c.y - 1};
    if (muerta) {
        ojoEnAspa(b, ojo, 4, p.oscuro);
    } else {
        circlefill(b, ojo.x, ojo.y, 4, aPixel(colores::ROJO));
        circlefill(b, ojo.x + 1, ojo.y, 2, aPixel(colores::AMARILLO_TITULO));
        putpixel(b, ojo.x + 2, ojo.y - 1, aPixel(colores::BLANCO));
    }
}

void canon(BITMAP* b, Punto raiz, Punto boca, const Paleta& p)
{
    trazo(b, raiz, boca, 5, 4, colores::SOMBRA);
    trazo(b, raiz, boca, 4, 3, p.placa);
    Punto brillo = {raiz.x - 2, raiz.y - 1};
    line(b, brillo.x, brillo.y, boca.x - 2, boca.y, aPixel(colores::BLANCO));
    circlefill(b, boca.x, boca.y, 4, aPixel(colores::GRIS_OSCURO));
    circlefill(b, boca.x, boca.y, 2, aPixel(colores::NEGRO));
}

void torreta(BITMAP* b, Punto base, const Paleta& p)
{
    poligono(b, mediaElipse(base, 12, 11, false), colores::SOMBRA);
    poligono(b, mediaElipse(base, 11, 10, false), p.placa);
    quebrada(b, mediaElipse(base, 7, 6, false), colores::GRIS_OSCURO);
    line(b, base.x - 8, base.y - 4, base.x - 4, base.y - 8, aPixel(colores::BLANCO));
}

void dibujar(BITMAP* b, int fotograma)
{
    const Paleta& p = VIVO;
    // Al cruzar las patas el cuerpo baja un píxel: se nota el paso.
    int baja = fotograma % 2;
    auto enCuerpo = [baja](Punto q) { return Punto{q.x, q.y + baja}; };
    for (const Pata& l : LEJANAS)
        pata(b, l, fotograma, baja, p.oscuro, colores::GRIS_OSCURO);
    cabeza(b, enCuerpo(CABEZA), p, false);
    ellipsefill(b, 62, 94 + baja, 37, 7, aPixel(colores::SOMBRA));
    ellipsefill(b, 62, 94 + baja, 36, 6, aPixel(p.oscuro));
    concha(b, enCuerpo(BASE_CONCHA), RX_CONCHA, RY_CONCHA, false, p);
    canon(b, enCuerpo({TORRETA.x + 2, TORRETA.y - 6}), enCuerpo(BOCA_CANON), p);
    torreta(b, enCuerpo(TORRETA), p);
    for (const Pata& c : CERCANAS)
        pata(b, c, fotograma, baja, p.concha, p.placa);
}

// Lo que queda: la concha volcada y aplastada, las patas al aire, la torreta
// arrancada, fuego en las grietas y humo. Todo por encima de la fila 70, que
// es donde el juego pone la orilla.
void restos(BITMAP* b)
{
    Paleta p{chamuscado(colores::BRONCE), chamuscado(colores::BRONCE_OSCURO), chamuscado(colores::BRONCE_CLARO),
             chamuscado(colores::GRIS_METAL)};
    Punto base{84, 40};
    // Detrás, dos columnas de humo que el viento tumba hacia atrás.
    for (auto [c, r] : {std::pair<Punto, int>{{78, 22}, 6}, {{72, 12}, 8}, {{62, 5}, 5}, {{100, 22}, 5},
                        {{98, 12}, 7}, {{90, 4}, 4}})
        humo(b, c, r);
    // Patas tiesas hacia arriba; dos, partidas.
    struct Tiesa {
        Punto cadera, rodilla, pie;
        bool partida;
    };
    for (const Tiesa& t : {Tiesa{{54, 38}, {44, 22}, {36, 12}, false}, Tiesa{{74, 36}, {70, 18}, {60, 10}, true},
                           Tiesa{{98, 36}, {104, 20}, {112, 12}, false},
                           Tiesa{{118, 38}, {128, 24}, {134, 20}, true}}) {
        Punto fin = t.partida ? entre(t.rodilla, t.pie, 0.3) : t.pie;
        trazo(b, t.cadera, t.rodilla, 4, 3, colores::SOMBRA);
        trazo(b, t.rodilla, fin, 3, 2, colores::SOMBRA);
        trazo(b, t.cadera, t.rodilla, 3, 2, p.concha);
        trazo(b, t.rodilla, fin, 2, 1, p.concha);
        circlefill(b, t.rodilla.x, t.rodilla.y, 2, aPixel(p.placa));
        if (t.partida)
            chispa(b, {fin.x, fin.y - 3}, 2);
    }
    ellipsefill(b, base.x, base.y, 55, 7, aPixel(colores::SOMBRA));
    ellipsefill(b, base.x, base.y, 54, 6, aPixel(p.oscuro));
    concha(b, base, 58, 28, true, p);
    // La cabeza cuelga a un lado, y la torreta ha salido despedida al otro.
    cabeza(b, {146, 56}, p, true);
    canon(b, {26, 58}, {8, 48}, p);
    line(b, 8, 48, 3, 40, aPixel(colores::GRIS_OSCURO));
    torreta(b, {24, 68}, p);
    // Grietas con brasas dentro.
    quebrada(b, {{62, 44}, {70, 52}, {66, 58}, {74, 66}}, colores::SOMBRA);
    quebrada(b, {{104, 44}, {98, 54}, {106, 60}}, colores::SOMBRA);
    for (Punto brasa : {Punto{70, 52}, Punto{100, 52}}) {
        ellipsefill(b, brasa.x, brasa.y, 4, 3, aPixel(colores::NARANJA));
        ellipsefill(b, brasa.x, brasa.y, 2, 1, aPixel(colores::AMARILLO_TITULO));
    }
    // Llamas sobre la tripa.
    for (Punto llama : {Punto{66, 34}, Punto{90, 33}, Punto{110, 34}}) {
        poligono(b, {{llama.x - 5, llama.y}, {llama.x - 1, llama.y - 12}, {llama.x + 5, llama.y}}, colores::NARANJA);
        poligono(b, {{llama.x - 2, llama.y}, {llama.x, llama.y - 6}, {llama.x + 2, llama.y}},
                 colores::AMARILLO_TITULO);
    }
}
}

void dibujarAcorazado(Lienzo& hoja)
{
    for (int f = 0; f < 4; ++f) {
        const Marco& m = enemigos::ACORAZADO[f];
        Lienzo cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
        escarabajo::dibujar(cuadro.bmp(), f);
        pegar(cuadro, hoja, m);
    }
    const Marco& m = enemigos::RESTOS_ACORAZADO;
    Lienzo cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
    escarabajo::restos(cuadro.bmp());
    pegar(cuadro, hoja, m);
}

// ---------------------------------------------------------------------------
// El volador: una polilla violeta vista de frente, con ojos pintados en las
// alas, que bate arriba y abajo. Caja de choque: casi todo el cuadro.
namespace polilla {
struct Paleta {
    Color ala, oscuro, claro;
};
constexpr Paleta VIVA{colores::VIOLETA, colores::VIOLETA_OSCURO, colores::VIOLETA_CLARO};
constexpr int LADO = 64;

struct Alas {
    std::vector<Punto> anterior, posterior;
    Punto ocelo;
};

// Del lado izquierdo; el derecho es su espejo.
Alas alas(bool arriba)
{
    if (arriba)
        return {{{29, 24}, {16, 9}, {5, 4}, {2, 14}, {6, 27}, {19, 33}, {29, 31}},
                {{29, 32}, {15, 33}, {7, 43}, {11, 55}, {22, 55}, {29, 43}},
                {12, 16}};
    return {{{29, 22}, {14, 16}, {3, 20}, {1, 34}, {6, 45}, {18, 46}, {29, 33}},
            {{29, 34}, {18, 44}, {13, 56}, {21, 61}, {29, 50}},
            {11, 32}};
}

std::vector<Punto> espejo(const std::vector<Punto>& v)
{
    std::vector<Punto> r;
    for (Punto p : v)
        r.push_back({LADO - 1 - p.x, p.y});
    return r;
}

std::vector<Punto> subido(const std::vector<Punto>& v, int dy)
{
    std::vector<Punto> r;
    for (Punto p : v)
        r.push_back({p.x, p.y + dy});
    return r;
}

void ala(BITMAP* b, const std::vector<Punto>& forma, const Paleta& p)
{
    poligono(b, forma, p.ala);
    perfil(b, forma, colores::SOMBRA);
    // Venas de la raíz a cada pico del borde.
    for (std::size_t i = 1; i + 1 < forma.size(); ++i) {
        Punto v = entre(forma[0], forma[i], 0.85);
        line(b, forma[0].x, forma[0].y, v.x, v.y, aPixel(p.oscuro));
    }
    // Borde de ataque claro.
    line(b, forma[0].x, forma[0].y, forma[1].x, forma[1].y, aPixel(p.claro));
    line(b, forma[1].x, forma[1].y, forma[2].x, forma[2].y, aPixel(p.claro));
}

void ocelo(BITMAP* b, Punto c)
{
    circlefill(b, c.x, c.y, 4, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, c.x, c.y, 2, aPixel(colores::NEGRO));
    putpixel(b, c.x - 1, c.y - 1, aPixel(colores::BLANCO));
}

void dibujar(BITMAP* b, bool arriba, const Paleta& p, bool herida)
{
    // Al bajar las alas el cuerpo sube: el golpe de ala lo empuja.
    int dy = arriba ? 0 : -3;
    Alas a = alas(arriba);
    auto en = [dy](Punto q) { return Punto{q.x, q.y + dy}; };
    for (bool derecha : {false, true}) {
        auto lado = [&](const std::vector<Punto>& v) { return subido(derecha ? espejo(v) : v, dy); };
        ala(b, lado(a.posterior), p);
        ala(b, lado(a.anterior), p);
        Punto o = en(derecha ? Punto{LADO - 1 - a.ocelo.x, a.ocelo.y} : a.ocelo);
        ocelo(b, o);
        // Rota por los agujeros del golpe.
        if (herida)
            circlefill(b, o.x + (derecha ? -4 : 5), o.y + 8, 3, aPixel(colores::MAGENTA_MASCARA));
    }
    // Abdomen peludo a rayas, tórax y cabeza.
    Punto abdomen = en({32, 44}), torax = en({32, 30}), cabeza = en({32, 20});
    ellipsefill(b, abdomen.x, abdomen.y, 6, 12, aPixel(colores::SOMBRA));
    ellipsefill(b, abdomen.x, abdomen.y, 5, 11, aPixel(p.oscuro));
    for (int y = abdomen.y - 6; y <= abdomen.y + 8; y += 4)
        hline(b, abdomen.x - 3, y, abdomen.x + 3, aPixel(p.claro));
    ellipsefill(b, torax.x, torax.y, 7, 8, aPixel(colores::SOMBRA));
    ellipsefill(b, torax.x, torax.y, 6, 7, aPixel(p.claro));
    ellipsefill(b, torax.x, torax.y + 1, 3, 4, aPixel(p.ala));
    circlefill(b, cabeza.x, cabeza.y, 6, aPixel(colores::SOMBRA));
    circlefill(b, cabeza.x, cabeza.y, 5, aPixel(p.oscuro));
    // Antenas de pluma.
    for (int lado : {-1, 1}) {
        Punto base{cabeza.x + lado * 2, cabeza.y - 4}, punta{cabeza.x + lado * 12, cabeza.y - 16};
        line(b, base.x, base.y, punta.x, punta.y, aPixel(p.claro));
        for (int i = 1; i <= 3; ++i) {
            Punto q = entre(base, punta, i / 4.0);
            line(b, q.x, q.y, q.x + lado * 3, q.y + 2, aPixel(p.claro));
        }
    }
    // Ojos que brillan en la oscuridad.
    for (int lado : {-1, 1}) {
        Punto ojo{cabeza.x + lado * 3, cabeza.y};
        if (herida) {
            line(b, ojo.x - 1, ojo.y - 1, ojo.x + 1, ojo.y + 1, aPixel(colores::BLANCO));
            line(b, ojo.x - 1, ojo.y + 1, ojo.x + 1, ojo.y - 1, aPixel(colores::BLANCO));
        } else {
            circlefill(b, ojo.x, ojo.y, 2, aPixel(colores::NARANJA));
            putpixel(b, ojo.x, ojo.y - 1, aPixel(colores::AMARILLO_TITULO));
        }
    }
}
}

void dibujarVolador(Lienzo& hoja)
{
    for (int f = 0; f < 2; ++f) {
        const Marco& m = enemigos::VOLADOR[f];
        Lienzo cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
        polilla::dibujar(cuadro.bmp(), f == 0, polilla::VIVA, false);
        pegar(cuadro, hoja, m);
    }
    // Cae boca abajo, chamuscada y con las alas agujereadas.
    const Marco& m = enemigos::VOLADOR[2];
    Lienzo figura(m.ancho, m.alto, colores::MAGENTA_MASCARA), cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
    polilla::Paleta p = polilla::VIVA;
    polilla::dibujar(figura.bmp(), false, {chamuscado(p.ala), chamuscado(p.oscuro), chamuscado(p.claro)}, true);
    girar(figura, cuadro, 160);
    humo(cuadro.bmp(), {44, 8}, 5);
    chispa(cuadro.bmp(), {14, 10}, 2);
    // Sus dos últimas columnas son también las primeras del gigante.
    pegar(cuadro, hoja, m, 0, enemigos::COLUMNAS_COMPARTIDAS);
}

// ---------------------------------------------------------------------------
// El gigante: una garza acorazada, encorvada, que mira a la izquierda y se
// come a las ranas. Dispara por la punta del pico (4, 60) y lleva su arma
// en la garra del ala, a la altura de (4, 130). Caja de choque:
// 36..100 x 20..160.
namespace garza {
constexpr Punto PUNTA_PICO{4, 60};
constexpr Punto CABEZA{52, 34};
constexpr Punto OJO{46, 32};
constexpr Punto CUELLO{56, 52};
constexpr Punto CUERPO{74, 98};
constexpr int RX_CUERPO = 34, RY_CUERPO = 56;
constexpr Punto HOMBRO{56, 98};
constexpr Punto MANO{22, 122};

struct Pata {
    Punto muslo, talon, pie;
};
constexpr Pata CERCANA{{66, 146}, {70, 164}, {60, 180}};
constexpr Pata LEJANA{{86, 144}, {92, 162}, {84, 179}};

void pata(BITMAP* b, const Pata& p, const Color& color)
{
    trazo(b, p.muslo, p.talon, 4, 3, colores::SOMBRA);
    trazo(b, p.talon, p.pie, 3, 2, colores::SOMBRA);
    trazo(b, p.muslo, p.talon, 3, 2, color);
    trazo(b, p.talon, p.pie, 2, 1, color);
    // Espinillera de metal y dedos largos, tres por delante y uno atrás.
    std::vector<Punto> espinillera = {{p.talon.x - 3, p.talon.y + 1}, {p.talon.x + 3, p.talon.y + 1},
                                      {p.pie.x + 3, p.pie.y - 5}, {p.pie.x - 2, p.pie.y - 5}};
    poligono(b, espinillera, colores::GRIS_METAL);
    perfil(b, espinillera, colores::GRIS_OSCURO);
    for (Punto dedo : {Punto{p.pie.x - 14, p.pie.y + 1}, Punto{p.pie.x - 10, p.pie.y - 3},
                       Punto{p.pie.x - 5, p.pie.y + 2}, Punto{p.pie.x + 7, p.pie.y + 1}})
        trazo(b, p.pie, dedo, 1, 1, color);
}

void dibujar(BITMAP* b)
{
    const Color pluma = colores::PLUMA_GARZA, sombra = colores::PLUMA_SOMBRA;
    // Detrás: la pata lejana y las plumas de la cola.
    pata(b, LEJANA, sombra);
    for (auto [raiz, punta] : {std::pair<Punto, Punto>{{98, 130}, {124, 170}}, {{92, 136}, {112, 176}},
                               {{104, 124}, {130, 160}}}) {
        trazo(b, raiz, punta, 6, 2, colores::SOMBRA);
        trazo(b, raiz, punta, 5, 1, sombra);
    }

    // La silueta entera con su contorno, y luego el relleno.
    ellipsefill(b, CUERPO.x, CUERPO.y, RX_CUERPO + 1, RY_CUERPO + 1, aPixel(colores::SOMBRA));
    ellipsefill(b, CUELLO.x, CUELLO.y, 18, 21, aPixel(colores::SOMBRA));
    ellipsefill(b, CABEZA.x, CABEZA.y, 18, 14, aPixel(colores::SOMBRA));
    ellipsefill(b, CUERPO.x, CUERPO.y, RX_CUERPO, RY_CUERPO, aPixel(pluma));
    ellipsefill(b, CUELLO.x, CUELLO.y, 17, 20, aPixel(pluma));
    ellipsefill(b, CABEZA.x, CABEZA.y, 17, 13, aPixel(pluma));

    // El ala plegada a la espalda, con las plumas largas colgando.
    elipseGirada(b, {90, 96}, 21, 47, -8, colores::SOMBRA);
    elipseGirada(b, {90, 96}, 20, 46, -8, sombra);
    for (int fila = 0; fila < 3; ++fila)
        quebrada(b, {{76, 70 + fila * 16}, {90, 78 + fila * 16}, {106, 72 + fila * 16}}, pluma);
    for (auto [raiz, punta] : {std::pair<Punto, Punto>{{84, 126}, {96, 160}}, {{92, 128}, {106, 156}},
                               {{100, 124}, {114, 150}}}) {
        trazo(b, raiz, punta, 5, 2, colores::SOMBRA);
        trazo(b, raiz, punta, 4, 1, sombra);
    }

    // Peto de placas remachadas.
    std::vector<Punto> peto = {{42, 66}, {60, 58}, {70, 74}, {68, 108}, {56, 136}, {43, 120}, {38, 92}};
    poligono(b, peto, colores::GRIS_METAL);
    perfil(b, peto, colores::GRIS_OSCURO);
    for (int y : {84, 104, 122}) {
        rayaSobre(b, y, peto, colores::GRIS_OSCURO);
        rayaSobre(b, y + 1, peto, colores::BLANCO);
    }
    for (Punto remache : {Punto{46, 76}, Punto{62, 72}, Punto{44, 96}, Punto{64, 96}, Punto{50, 114}, Punto{62, 114}})
        circlefill(b, remache.x, remache.y, 1, aPixel(colores::GRIS_OSCURO));
    line(b, 45, 68, 58, 62, aPixel(colores::BLANCO));

    // Penacho negro de la nuca, tendido hacia atrás.
    for (auto [raiz, punta] : {std::pair<Punto, Punto>{{62, 27}, {100, 16}}, {{63, 32}, {96, 28}}}) {
        trazo(b, raiz, punta, 3, 2, colores::SOMBRA);
        trazo(b, raiz, punta, 2, 1, sombra);
    }
    // Casco con cresta, y la franja negra del ojo que le da mala cara.
    std::vector<Punto> casco = {{36, 30}, {40, 22}, {52, 18}, {66, 21}, {70, 29}, {54, 27}};
    poligono(b, casco, colores::GRIS_METAL);
    perfil(b, casco, colores::GRIS_OSCURO);
    trazo(b, {44, 20}, {60, 12}, 2, 1, colores::GRIS_OSCURO);
    line(b, 42, 23, 52, 20, aPixel(colores::BLANCO));
    putpixel(b, 62, 24, aPixel(colores::GRIS_OSCURO));
    trazo(b, {42, 35}, {66, 31}, 2, 1, colores::SOMBRA);
    circlefill(b, OJO.x, OJO.y, 4, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, OJO.x - 1, OJO.y, 2, aPixel(colores::ROJO));
    putpixel(b, OJO.x - 2, OJO.y - 1, aPixel(colores::BLANCO));
    line(b, 38, 27, 52, 30, aPixel(colores::GRIS_OSCURO));

    // El pico, largo como una lanza: por su punta sale el disparo.
    std::vector<Punto> superior = {{42, 36}, {PUNTA_PICO.x, PUNTA_PICO.y - 1}, {44, 44}};
    std::vector<Punto> inferior = {{44, 44}, {PUNTA_PICO.x + 2, PUNTA_PICO.y + 1}, {42, 51}};
    poligono(b, superior, colores::AMARILLO_TITULO);
    poligono(b, inferior, colores::NARANJA);
    perfil(b, superior, colores::BRONCE_OSCURO);
    perfil(b, inferior, colores::BRONCE_OSCURO);
    line(b, 40, 38, 12, 55, aPixel(colores::BLANCO));
    circlefill(b, PUNTA_PICO.x + 1, PUNTA_PICO.y, 2, aPixel(colores::BLANCO));

    // El ala de delante hace de brazo: brazal de metal y garra que sujeta el arma.
    for (int i = 0; i < 3; ++i) {
        Punto raiz = entre(HOMBRO, MANO, 0.1 + i * 0.2);
        trazo(b, raiz, {raiz.x + 8, raiz.y + 18}, 4, 2, colores::SOMBRA);
        trazo(b, raiz, {raiz.x + 8, raiz.y + 18}, 3, 1, sombra);
    }
    trazo(b, HOMBRO, MANO, 10, 7, colores::SOMBRA);
    trazo(b, HOMBRO, MANO, 9, 6, sombra);
    trazo(b, entre(HOMBRO, MANO, 0.5), entre(HOMBRO, MANO, 0.85), 8, 6, colores::GRIS_OSCURO);
    trazo(b, entre(HOMBRO, MANO, 0.5), entre(HOMBRO, MANO, 0.85), 7, 5, colores::GRIS_METAL);
    Punto brillo0 = entre(HOMBRO, MANO, 0.52), brillo1 = entre(HOMBRO, MANO, 0.8);
    line(b, brillo0.x - 1, brillo0.y - 5, brillo1.x - 2, brillo1.y - 4, aPixel(colores::BLANCO));
    for (Punto una : {Punto{12, 116}, Punto{10, 126}, Punto{14, 136}}) {
        trazo(b, MANO, una, 3, 2, colores::SOMBRA);
        trazo(b, MANO, una, 2, 1, colores::GRIS_OSCURO);
    }

    pata(b, CERCANA, pluma);
}

// El arma: una bola de pinchos encendida que gira. Con seis pinchos, cuatro
// cuadros de 15 grados dan la vuelta sin salto.
void bolaDePinchos(BITMAP* b, int fotograma)
{
    Punto c{16, 16};
    double giro = fotograma * 15;
    for (int k = 0; k < 6; ++k) {
        double a = giro + 60 * k;
        std::vector<Punto> pincho = {enAngulo(c, a - 28, 6), enAngulo(c, a, 15), enAngulo(c, a + 28, 6)};
        poligono(b, pincho, colores::GRIS_METAL);
        perfil(b, pincho, colores::SOMBRA);
        Punto filo = enAngulo(c, a - 8, 12);
        line(b, filo.x, filo.y, enAngulo(c, a - 20, 7).x, enAngulo(c, a - 20, 7).y, aPixel(colores::BLANCO));
    }
    // El núcleo late: un cuadro más grande, otro más chico.
    int nucleo = 7 + fotograma % 2;
    circlefill(b, c.x, c.y, nucleo + 1, aPixel(colores::SOMBRA));
    circlefill(b, c.x, c.y, nucleo, aPixel(colores::NARANJA));
    circlefill(b, c.x, c.y, nucleo - 2, aPixel(colores::AMARILLO_TITULO));
    circlefill(b, c.x, c.y, 2, aPixel(colores::BLANCO));
    // El brillo da la vuelta con la bola.
    Punto brillo = enAngulo(c, giro * 6 - 135, 6);
    circlefill(b, brillo.x, brillo.y, 1, aPixel(colores::BLANCO));
}
}

void dibujarGigante(Lienzo& hoja)
{
    const Marco& m = enemigos::GIGANTE;
    Lienzo cuadro(m.ancho, m.alto, colores::MAGENTA_MASCARA);
    garza::dibujar(cuadro.bmp());
    // Sus dos primeras columnas son también las últimas de la caída del volador.
    pegar(cuadro, hoja, m, enemigos::COLUMNAS_COMPARTIDAS, 0);
    for (int f = 0; f < 4; ++f) {
        const Marco& a = enemigos::ARMA_GIGANTE[f];
        Lienzo arma(a.ancho, a.alto, colores::MAGENTA_MASCARA);
        garza::bolaDePinchos(arma.bmp(), f);
        pegar(arma, hoja, a);
    }
}
}

void dibujarHojaEnemigos(Lienzo& lienzo)
{
    dibujarErrante(lienzo);
    dibujarAcorazado(lienzo);
    dibujarVolador(lienzo);
    dibujarGigante(lienzo);
}

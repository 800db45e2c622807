#include <gtest/gtest.h>

#include <memory>

#include "stage/CFase1.h"
#include "tests/world/MundoDePrueba.h"
#include "world/CListaEntidades.h"

namespace {

// Capa cercana: suelo liso en la fila 6, losetas con agujero en la 5, cielo
// abierto arriba. Capa lejana: losetas lisas que dicen su columna.
int cercana(int fila, int columna)
{
    if (fila == 6)
        return 2 + 2 * (columna % 15);
    if (fila == 5)
        return 1 + 2 * (columna % 15);
    return 0;
}

int lejana(int, int columna)
{
    return 32 + 2 * (columna % 16);
}

class PruebaFase : public MundoDePrueba {
protected:
    void SetUp() override
    {
        MundoDePrueba::SetUp();
        escribirMapa(textoMapa(cercana, lejana));
        fase.reset(new CFase1());
    }

    void TearDown() override
    {
        fase.reset();
        MundoDePrueba::TearDown();
    }

    // Lo que debe verse en un punto del campo con el scroll dado.
    static int esperado(int sx, int sy, uint32_t d)
    {
        int fila = sy / 64;
        int columna = static_cast<int>((sx + d) / 64), dentro = static_cast<int>((sx + d) % 64);
        int t = columna < 256 ? cercana(fila, columna) : 0;
        bool agujero = t % 2 == 1 && dentro >= 48;
        if (t != 0 && !agujero)
            return colorLoseta(t);
        return colorLoseta(lejana(fila, static_cast<int>((sx + d / 4) / 64)));
    }

    void comprobarCampo(uint32_t transcurridos)
    {
        clear_to_color(sistema.paginaDibujo, makecol(1, 2, 3));
        fase->avanzar(transcurridos);
        fase->dibujar();
        int fallos = 0;
        for (int sy = 0; sy < 448; sy += 7)
            for (int sx = 0; sx < 640; ++sx)
                if (pixel(sx, sy) != esperado(sx, sy, fase->desplazamiento) && ++fallos < 5)
                    ADD_FAILURE() << "tras " << transcurridos << " ticks, punto (" << sx << ", " << sy << ")";
        // El marcador no es cosa de la fase.
        EXPECT_EQ(pixel(320, 460), makecol(1, 2, 3));
    }

    std::unique_ptr<CFase1> fase;
};

TEST_F(PruebaFase, AlEmpezarNadaEstaDesplazado)
{
    comprobarCampo(0);
    EXPECT_EQ(pixel(0, 6 * 64), colorLoseta(2));
    EXPECT_EQ(pixel(639, 10), colorLoseta(lejana(0, 9)));
}

// A los 100 ticks la capa cercana corre 36 píxeles y la lejana 25.
TEST_F(PruebaFase, LasDosCapasCorrenASuVelocidad)
{
    comprobarCampo(100);
    EXPECT_EQ(pixel(27, 6 * 64), colorLoseta(cercana(6, 1)));
    EXPECT_EQ(pixel(28, 6 * 64), colorLoseta(cercana(6, 2)));
    EXPECT_EQ(pixel(38, 10), colorLoseta(lejana(0, 0)));
    EXPECT_EQ(pixel(39, 10), colorLoseta(lejana(0, 1)));
    comprobarCampo(1234);
}

TEST_F(PruebaFase, ElScrollSeParaEnLaUltimaPantalla)
{
    comprobarCampo(20000);
    EXPECT_EQ(fase->desplazamiento, 15744u);
    EXPECT_EQ(pixel(0, 6 * 64), colorLoseta(cercana(6, 246)));
    EXPECT_EQ(pixel(639, 6 * 64), colorLoseta(cercana(6, 255)));
    EXPECT_EQ(pixel(0, 10), colorLoseta(lejana(0, 61)));
    EXPECT_EQ(pixel(31, 10), colorLoseta(lejana(0, 61)));
    EXPECT_EQ(pixel(32, 10), colorLoseta(lejana(0, 62)));
    comprobarCampo(15743);
    fase->avanzar(15745);
    EXPECT_EQ(fase->desplazamiento, 15744u);
}

// Entidad que pinta un cuadrado de 20x20 de su color en su x, y.
struct Mancha : CEntidadDePrueba {
    Mancha(int color, int x0, int y0) : CEntidadDePrueba("mancha", TIPO_ENEMIGO, nullptr), color(color) { x = x0, y = y0; }
    void dibujar() override { rectfill(sistema.paginaDibujo, x, y, x + 19, y + 19, color); }
    int color;
};

// Las entidades se pintan encima de las dos capas, y la que va después en la
// lista encima de la anterior: una sobre el suelo de la capa cercana, otra
// sobre el cielo de la lejana, y una tercera que pisa a la primera.
TEST_F(PruebaFase, LasEntidadesVanEncimaDeLasCapas)
{
    const int rojo = makecol(250, 10, 10), verde = makecol(10, 250, 10);
    crear<Mancha>(rojo, 100, 6 * 64 + 10);
    crear<Mancha>(rojo, 300, 20);
    crear<Mancha>(verde, 110, 6 * 64 + 20);
    fase->avanzar(0);
    fase->dibujar();
    EXPECT_EQ(pixel(105, 6 * 64 + 15), rojo) << "sobre la capa cercana";
    EXPECT_EQ(pixel(310, 30), rojo) << "sobre la capa lejana";
    EXPECT_EQ(pixel(115, 6 * 64 + 25), verde) << "la segunda mancha, sobre la primera";
    EXPECT_EQ(pixel(320, 30), esperado(320, 30, 0)) << "fuera de las manchas, las capas";
}

// Dibujo de referencia de la capa cercana, loseta a loseta con masked_blit.
void cercanaConMascara(const CFase1& fase, BITMAP* hoja, BITMAP* pagina)
{
    int d = fase.desplazamiento % 64, c = fase.desplazamiento / 64;
    for (int r = 0; r < 7; ++r)
        for (int k = 0; k <= 10 && c + k < 256; ++k) {
            int t = fase.capaCercana[r][c + k];
            if (t == 0)
                continue;
            int sx = (t % 16) * 64, sy = (t / 16) * 64;
            if (k == 0)
                masked_blit(hoja, pagina, sx + d, sy, 0, r * 64, 64 - d, 64);
            else
                masked_blit(hoja, pagina, sx, sy, k * 64 - d, r * 64, 64, 64);
        }
}

// Las losetas cercanas se pintan de otra manera, más rápida: los píxeles
// deben ser los mismos que con masked_blit, con máscaras irregulares y
// losetas que se salen de la hoja.
TEST_F(PruebaFase, LaCapaCercanaPintaLoMismoQueMaskedBlit)
{
    BITMAP* hoja = create_bitmap(1024, 160);
    unsigned semilla = 7;
    for (int y = 0; y < hoja->h; ++y)
        for (int x = 0; x < hoja->w; ++x) {
            semilla = semilla * 1103515245u + 12345u;
            int v = (semilla >> 16) & 0xFF;
            putpixel(hoja, x, y, v < 90 ? bitmap_mask_color(hoja) : makecol(v, x & 0xFF, y & 0xFF));
        }
    destroy_bitmap(simulados.imagenes["graphics/fase1.bmp"]);
    simulados.imagenes["graphics/fase1.bmp"] = hoja;
    escribirMapa(textoMapa([](int f, int c) { return (f * 37 + c * 11) % 48; }, [](int, int) { return 3; }));
    fase.reset(new CFase1());
    BITMAP* referencia = create_bitmap(640, 480);
    // Al final, atrás: otra partida vuelve a empezar la capa.
    for (uint32_t d : { 0u, 5u, 63u, 64u, 100u, 7777u, 15744u, 3u }) {
        fase->avanzar(d);
        clear_to_color(sistema.paginaDibujo, makecol(9, 9, 9));
        fase->dibujar();
        clear_to_color(referencia, makecol(9, 9, 9));
        blit(sistema.paginaDibujo, referencia, 0, 0, 0, 0, 640, 448);
        cercanaConMascara(*fase, fase->hojaFase, referencia);
        int distintos = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                distintos += getpixel(referencia, x, y) != pixel(x, y);
        EXPECT_EQ(distintos, 0) << "scroll " << d;
    }
    destroy_bitmap(referencia);
}

}

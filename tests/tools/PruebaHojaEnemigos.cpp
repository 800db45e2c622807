#include "HojaGenerada.h"

#include "tools/CarpetaSalida.h"
#include "tools/Hojas.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

// La hoja de enemigos tal como la recorta el juego: cuadros, cajas de choque
// y de dónde salen los disparos. Los números son los del juego, no los del
// generador, para que un cuadro movido en el generador se note aquí.
namespace {
struct Cuadro {
    int x, y, ancho, alto;
};
// Caja de choque dentro del cuadro, con los dos extremos incluidos.
struct Caja {
    int x1, y1, x2, y2;
};

const std::vector<Cuadro> ERRANTE = {{0, 0, 100, 100}, {100, 0, 100, 100}};
constexpr Cuadro CAIDA_ERRANTE{200, 0, 100, 100};
constexpr Cuadro RESTOS_ACORAZADO{300, 0, 170, 90};
const std::vector<Cuadro> ACORAZADO = {{0, 100, 128, 128}, {128, 100, 128, 128}, {256, 100, 128, 128},
                                       {384, 100, 128, 128}};
const std::vector<Cuadro> VOLADOR = {{0, 228, 64, 64}, {64, 228, 64, 64}};
constexpr Cuadro CAIDA_VOLADOR{128, 228, 64, 64};
constexpr Cuadro GIGANTE{190, 228, 139, 182};
const std::vector<Cuadro> ARMA_GIGANTE = {{0, 292, 32, 32}, {32, 292, 32, 32}, {64, 292, 32, 32}, {96, 292, 32, 32}};

struct Clase {
    const char* nombre;
    std::vector<Cuadro> cuadros; // los de vuelo o de paso, sin la caída
    Caja caja;
};
const std::vector<Clase> CLASES = {
    {"errante", ERRANTE, {28, 25, 52, 89}},
    {"acorazado", ACORAZADO, {25, 25, 100, 125}},
    {"volador", VOLADOR, {5, 5, 59, 59}},
    {"gigante", {GIGANTE}, {36, 20, 100, 160}},
};

struct Rgb {
    double r, g, b;
};

double distancia(const Rgb& a, const Rgb& b)
{
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

constexpr char RUTA_ENEMIGOS[] = "graphics/enemigos.bmp";

class HojaDeEnemigos : public HojaGenerada<RUTA_ENEMIGOS> {
protected:
    static bool mascara(int x, int y)
    {
        int p = getpixel(hoja_, x, y);
        return getr24(p) == 255 && getg24(p) == 0 && getb24(p) == 255;
    }

    // Píxeles pintados en un rectángulo relativo al cuadro.
    static int pintados(const Cuadro& c, int x1, int y1, int x2, int y2)
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                n += !mascara(c.x + x, c.y + y);
        return n;
    }
    static int pintados(const Cuadro& c) { return pintados(c, 0, 0, c.ancho - 1, c.alto - 1); }

    static int diferencias(const Cuadro& a, const Cuadro& b)
    {
        int n = 0;
        for (int y = 0; y < a.alto; ++y)
            for (int x = 0; x < a.ancho; ++x)
                n += getpixel(hoja_, a.x + x, a.y + y) != getpixel(hoja_, b.x + x, b.y + y);
        return n;
    }

    // El color que más se ve: se reparten los píxeles en cubos de 64 por
    // canal y se toma la media del cubo más lleno.
    struct Dominante {
        Rgb color;
        double parte;
    };
    static Dominante dominante(const std::vector<Cuadro>& cuadros)
    {
        struct Cubo {
            int n = 0;
            double r = 0, g = 0, b = 0;
        };
        std::map<int, Cubo> cubos;
        int total = 0;
        for (const Cuadro& c : cuadros)
            for (int y = c.y; y < c.y + c.alto; ++y)
                for (int x = c.x; x < c.x + c.ancho; ++x) {
                    if (mascara(x, y))
                        continue;
                    int p = getpixel(hoja_, x, y);
                    Cubo& cubo = cubos[getr24(p) / 64 * 16 + getg24(p) / 64 * 4 + getb24(p) / 64];
                    ++cubo.n;
                    cubo.r += getr24(p);
                    cubo.g += getg24(p);
                    cubo.b += getb24(p);
                    ++total;
                }
        Cubo mayor;
        for (const auto& [clave, cubo] : cubos)
            if (cubo.n > mayor.n)
                mayor = cubo;
        if (mayor.n == 0)
            return {{0, 0, 0}, 0};
        return {{mayor.r / mayor.n, mayor.g / mayor.n, mayor.b / mayor.n}, double(mayor.n) / total};
    }

    static Rgb media(const std::vector<Cuadro>& cuadros)
    {
        Rgb suma{0, 0, 0};
        int n = 0;
        for (const Cuadro& c : cuadros)
            for (int y = c.y; y < c.y + c.alto; ++y)
                for (int x = c.x; x < c.x + c.ancho; ++x)
                    if (!mascara(x, y)) {
                        int p = getpixel(hoja_, x, y);
                        suma = {suma.r + getr24(p), suma.g + getg24(p), suma.b + getb24(p)};
                        ++n;
                    }
        return n ? Rgb{suma.r / n, suma.g / n, suma.b / n} : suma;
    }
};

std::string donde(const Cuadro& c)
{
    return "cuadro en " + std::to_string(c.x) + "," + std::to_string(c.y);
}
}

TEST_F(HojaDeEnemigos, FueraDeLosCuadrosTodoEsMascara)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(hoja_->w, 512);
    ASSERT_EQ(hoja_->h, 416);
    std::vector<Cuadro> todos = {CAIDA_ERRANTE, RESTOS_ACORAZADO, CAIDA_VOLADOR, GIGANTE};
    for (const auto* fila : {&ERRANTE, &ACORAZADO, &VOLADOR, &ARMA_GIGANTE})
        todos.insert(todos.end(), fila->begin(), fila->end());
    int fuera = 0;
    std::string primero;
    for (int y = 0; y < hoja_->h; ++y)
        for (int x = 0; x < hoja_->w; ++x) {
            bool dentro = false;
            for (const Cuadro& c : todos)
                dentro = dentro || (x >= c.x && x < c.x + c.ancho && y >= c.y && y < c.y + c.alto);
            if (!dentro && !mascara(x, y) && fuera++ == 0)
                primero = std::to_string(x) + "," + std::to_string(y);
        }
    EXPECT_EQ(fuera, 0) << "el primero en " << primero;
    // La caída del volador y el cuerpo del gigante comparten estas columnas.
    int compartidos = 0;
    for (int y = 228; y <= 291; ++y)
        for (int x = 190; x <= 191; ++x)
            compartidos += !mascara(x, y);
    EXPECT_EQ(compartidos, 0);
}

TEST_F(HojaDeEnemigos, NingunColorSeVuelveMascaraA16Bits)
{
    ASSERT_TRUE(hoja_);
    // El juego corre a 16 bits: un casi magenta se vería transparente.
    const int mascara16 = makecol16(255, 0, 255);
    int perdidos = 0;
    for (int y = 0; y < hoja_->h; ++y)
        for (int x = 0; x < hoja_->w; ++x) {
            int p = getpixel(hoja_, x, y);
            perdidos += !mascara(x, y) && makecol16(getr24(p), getg24(p), getb24(p)) == mascara16;
        }
    EXPECT_EQ(perdidos, 0);
}

TEST_F(HojaDeEnemigos, CadaCuerpoLlenaSuCajaDeArribaAbajo)
{
    ASSERT_TRUE(hoja_);
    for (const Clase& clase : CLASES)
        for (const Cuadro& c : clase.cuadros) {
            const Caja& k = clase.caja;
            int ancho = k.x2 - k.x1 + 1, alto = k.y2 - k.y1 + 1;
            EXPECT_GE(pintados(c, k.x1, k.y1, k.x2, k.y2) * 100, ancho * alto * 60) << clase.nombre << ", " << donde(c);
            // Por cuartos de alto: que no quede la caja medio vacía por arriba o por abajo.
            for (int cuarto = 0; cuarto < 4; ++cuarto) {
                int desde = k.y1 + alto * cuarto / 4, hasta = k.y1 + alto * (cuarto + 1) / 4 - 1;
                EXPECT_GE(pintados(c, k.x1, desde, k.x2, hasta) * 100, ancho * (hasta - desde + 1) * 25)
                    << clase.nombre << ", " << donde(c) << ", cuarto " << cuarto;
            }
        }
}

TEST_F(HojaDeEnemigos, TodosLosCuadrosTienenDibujo)
{
    ASSERT_TRUE(hoja_);
    std::vector<Cuadro> todos = {CAIDA_ERRANTE, RESTOS_ACORAZADO, CAIDA_VOLADOR, GIGANTE};
    for (const auto* fila : {&ERRANTE, &ACORAZADO, &VOLADOR, &ARMA_GIGANTE})
        todos.insert(todos.end(), fila->begin(), fila->end());
    for (const Cuadro& c : todos)
        EXPECT_GE(pintados(c) * 100, c.ancho * c.alto * 15) << donde(c);
    // Los restos quedan sobre la orilla: el juego los pinta 64 más abajo que
    // al acorazado, cuyos pies pisan su fila 127.
    EXPECT_EQ(pintados(RESTOS_ACORAZADO, 0, 72, RESTOS_ACORAZADO.ancho - 1, RESTOS_ACORAZADO.alto - 1), 0);
    EXPECT_GT(pintados(RESTOS_ACORAZADO, 0, 56, RESTOS_ACORAZADO.ancho - 1, 66), 500);
}

TEST_F(HojaDeEnemigos, LosDisparosSalenDeAlgoDibujado)
{
    ASSERT_TRUE(hoja_);
    // El cañón del acorazado, hacia (100, 20); el pico del gigante, en (4, 60).
    for (const Cuadro& c : ACORAZADO) {
        EXPECT_GE(pintados(c, 96, 16, 104, 24), 30) << donde(c);
        // Y el cañón apunta arriba: por encima del lomo no hay más que él.
        EXPECT_EQ(pintados(c, 0, 0, 88, 20), 0) << donde(c);
    }
    EXPECT_GE(pintados(GIGANTE, 2, 56, 8, 64), 20);
}

TEST_F(HojaDeEnemigos, LasAnimacionesCambianDeCuadroEnCuadro)
{
    ASSERT_TRUE(hoja_);
    // Cada cuadro, contra el siguiente de su ciclo: al menos un 8 % distinto.
    for (const auto* ciclo : {&ERRANTE, &ACORAZADO, &VOLADOR, &ARMA_GIGANTE})
        for (std::size_t i = 0; i < ciclo->size(); ++i) {
            const Cuadro& a = (*ciclo)[i];
            const Cuadro& b = (*ciclo)[(i + 1) % ciclo->size()];
            EXPECT_GE(diferencias(a, b) * 100, a.ancho * a.alto * 8) << donde(a) << " frente al " << donde(b);
        }
    // La caída no es otro cuadro de vuelo: cambia mucho más.
    for (auto [caida, vuelo] : {std::pair{CAIDA_ERRANTE, &ERRANTE}, {CAIDA_VOLADOR, &VOLADOR}})
        for (const Cuadro& c : *vuelo) {
            EXPECT_GE(diferencias(caida, c) * 100, c.ancho * c.alto * 25) << donde(caida) << " frente al " << donde(c);
            EXPECT_GT(diferencias(caida, c), diferencias((*vuelo)[0], (*vuelo)[1])) << donde(caida);
        }
}

TEST_F(HojaDeEnemigos, CadaClaseTieneSuColorYSeVeDeNoche)
{
    ASSERT_TRUE(hoja_);
    const Rgb noche{10, 16, 48};
    std::vector<Dominante> dominantes;
    for (const Clase& clase : CLASES) {
        Dominante d = dominante(clase.cuadros);
        // Un color que manda de verdad, no el más repetido entre muchos.
        EXPECT_GE(d.parte, 0.25) << clase.nombre;
        EXPECT_GE(distancia(d.color, noche), 120) << clase.nombre;
        EXPECT_GE(distancia(media(clase.cuadros), noche), 120) << clase.nombre;
        dominantes.push_back(d);
    }
    for (std::size_t i = 0; i < CLASES.size(); ++i)
        for (std::size_t j = i + 1; j < CLASES.size(); ++j)
            EXPECT_GE(distancia(dominantes[i].color, dominantes[j].color), 80)
                << CLASES[i].nombre << " y " << CLASES[j].nombre;
}

#include "AllegroSinPantalla.h"

#include "tools/CarpetaSalida.h"
#include "tools/Hojas.h"
#include "tools/Mapa.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

// La fase tal como la carga el juego: la hoja de baldosas y el mapa de texto.
namespace {
constexpr int LADO = 64;
constexpr int FILAS = 7;
constexpr int CERCANAS = 256, LEJANAS = 72;
// Bloques del mapa, en el orden del archivo.
constexpr int INICIO_LEJANA = FILAS * CERCANAS;
constexpr int INICIO_APARICION = INICIO_LEJANA + FILAS * LEJANAS;
constexpr int INICIO_X = INICIO_APARICION + CERCANAS;
constexpr int INICIO_Y = INICIO_X + CERCANAS;
constexpr int TOTAL = INICIO_Y + CERCANAS;

class FaseGenerada : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        arrancarAllegroSinPantalla();
        carpeta_ = new CarpetaTemporal();
        CarpetaSalida salida(carpeta_->ruta());
        generarHojas(salida);
        generarMapas(salida);
        hoja_ = load_bitmap(carpeta_->archivo("graphics/fase1.bmp").c_str(), nullptr);
        // Se lee como el juego: "%i," hasta el final del archivo.
        std::FILE* f = std::fopen(carpeta_->archivo("maps/fase1.map").c_str(), "r");
        int v = 0, leidos = 0;
        while (f && (leidos = std::fscanf(f, "%i,", &v)) == 1)
            numeros_.push_back(v);
        terminoEnFinDeArchivo_ = leidos == EOF;
        if (f)
            std::fclose(f);
    }
    static void TearDownTestSuite()
    {
        destroy_bitmap(hoja_);
        numeros_.clear();
        delete carpeta_;
    }

    static int cercana(int fila, int columna) { return numeros_[fila * CERCANAS + columna]; }
    static int lejana(int fila, int columna) { return numeros_[INICIO_LEJANA + fila * LEJANAS + columna]; }
    static int aparicion(int columna) { return numeros_[INICIO_APARICION + columna]; }
    static int aparicionX(int columna) { return numeros_[INICIO_X + columna]; }
    static int aparicionY(int columna) { return numeros_[INICIO_Y + columna]; }

    static bool dentroDeLaHoja(int n) { return n >= 0 && (n / 16 + 1) * LADO <= hoja_->h; }
    static bool opaco(int baldosa, int x, int y)
    {
        int p = getpixel(hoja_, baldosa % 16 * LADO + x, baldosa / 16 * LADO + y);
        return !(getr24(p) == 255 && getg24(p) == 0 && getb24(p) == 255);
    }
    static int pixel(int baldosa, int x, int y) { return getpixel(hoja_, baldosa % 16 * LADO + x, baldosa / 16 * LADO + y); }
    // En la capa cercana la 0 es cielo abierto: no se pinta.
    static bool opacoCercano(int baldosa, int x, int y) { return baldosa != 0 && opaco(baldosa, x, y); }
    static int pintados(int baldosa)
    {
        int n = 0;
        for (int y = 0; y < LADO; ++y)
            for (int x = 0; x < LADO; ++x)
                n += opaco(baldosa, x, y);
        return n;
    }
    static std::string texto()
    {
        std::ifstream f(carpeta_->archivo("maps/fase1.map"));
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    static CarpetaTemporal* carpeta_;
    static BITMAP* hoja_;
    static std::vector<int> numeros_;
    static bool terminoEnFinDeArchivo_;
};

CarpetaTemporal* FaseGenerada::carpeta_ = nullptr;
BITMAP* FaseGenerada::hoja_ = nullptr;
std::vector<int> FaseGenerada::numeros_;
bool FaseGenerada::terminoEnFinDeArchivo_ = false;
}

TEST_F(FaseGenerada, ElMapaSonTresMilSesentaYCuatroNumerosEnDecimal)
{
    EXPECT_TRUE(terminoEnFinDeArchivo_) << "algo que no es un número corta la lectura";
    EXPECT_EQ(numeros_.size(), static_cast<std::size_t>(TOTAL));
    std::string t = texto();
    EXPECT_EQ(t.find_first_not_of("0123456789,-\n"), std::string::npos);
    // Con %i un cero delante es octal: 010 sería un 8 y 08, dos números.
    EXPECT_FALSE(std::regex_search(t, std::regex("(^|[^0-9])0[0-9]")));
    // Una línea por fila de cada capa y una por bloque de apariciones.
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), FILAS + FILAS + 3);
}

TEST_F(FaseGenerada, CadaBaldosaDelMapaEstaEnLaHojaYTieneDibujo)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    EXPECT_EQ(hoja_->w, 16 * LADO);
    EXPECT_EQ(hoja_->h % LADO, 0);
    std::set<int> cercanas, lejanas;
    for (int fila = 0; fila < FILAS; ++fila) {
        for (int c = 0; c < CERCANAS; ++c)
            if (cercana(fila, c) != 0)
                cercanas.insert(cercana(fila, c));
        for (int c = 0; c < LEJANAS; ++c)
            lejanas.insert(lejana(fila, c));
    }
    for (int n : cercanas) {
        ASSERT_TRUE(n > 0 && n < 256 && dentroDeLaHoja(n)) << "baldosa cercana " << n;
        EXPECT_GT(pintados(n), 100) << "baldosa cercana " << n << " casi vacía";
    }
    // La capa lejana borra el campo de juego: ni un píxel de máscara.
    for (int n : lejanas) {
        ASSERT_TRUE(n >= 0 && n < 256 && dentroDeLaHoja(n)) << "baldosa lejana " << n;
        EXPECT_EQ(pintados(n), LADO * LADO) << "baldosa lejana " << n << " con magenta";
    }
    // Ninguna baldosa sirve a las dos capas: unas llevan máscara y otras no.
    for (int n : cercanas)
        EXPECT_EQ(lejanas.count(n), 0u) << "baldosa " << n;
    // La hoja no guarda filas de más.
    int mayor = std::max(*cercanas.rbegin(), *lejanas.rbegin());
    EXPECT_EQ(hoja_->h, (mayor / 16 + 1) * LADO);
}

TEST_F(FaseGenerada, LasBaldosasVecinasCasanSinCostura)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    // Cercana, de lado: lo opaco llega al borde a la misma altura en las dos.
    for (int fila = 0; fila < FILAS; ++fila)
        for (int c = 0; c + 1 < CERCANAS; ++c) {
            int a = cercana(fila, c), b = cercana(fila, c + 1), distintos = 0;
            for (int y = 0; y < LADO; ++y)
                distintos += opacoCercano(a, LADO - 1, y) != opacoCercano(b, 0, y);
            EXPECT_LE(distintos, 2) << "fila " << fila << ", columnas " << c << "|" << c + 1 << ": " << a << "|" << b;
        }
    // Cercana, de arriba abajo: abajo nada flota (se apoya en la de debajo)
    // y arriba nada queda colgando en el aire (cuelga de la de encima).
    for (int fila = 0; fila + 1 < FILAS; ++fila)
        for (int c = 0; c < CERCANAS; ++c) {
            int arriba = cercana(fila, c), abajo = cercana(fila + 1, c), sueltos = 0;
            for (int x = 0; x < LADO; ++x)
                sueltos += fila + 1 >= FILAS / 2 ? opacoCercano(arriba, x, LADO - 1) && !opacoCercano(abajo, x, 0)
                                                 : opacoCercano(abajo, x, 0) && !opacoCercano(arriba, x, LADO - 1);
            EXPECT_LE(sueltos, 1) << "filas " << fila << "/" << fila + 1 << ", columna " << c << ": " << arriba << "/"
                                  << abajo;
        }
    // Lejana: el color cambia poco al cruzar cualquier borde.
    auto salto = [&](int a, int xa, int ya, int b, int xb, int yb, bool vertical) {
        long suma = 0;
        for (int i = 0; i < LADO; ++i) {
            int p = pixel(a, vertical ? i : xa, vertical ? ya : i), q = pixel(b, vertical ? i : xb, vertical ? yb : i);
            suma += std::abs(getr24(p) - getr24(q)) + std::abs(getg24(p) - getg24(q)) + std::abs(getb24(p) - getb24(q));
        }
        return suma / LADO;
    };
    for (int fila = 0; fila < FILAS; ++fila)
        for (int c = 0; c < LEJANAS; ++c) {
            if (c + 1 < LEJANAS) {
                EXPECT_LE(salto(lejana(fila, c), LADO - 1, 0, lejana(fila, c + 1), 0, 0, false), 12)
                    << "lejana, fila " << fila << ", columnas " << c << "|" << c + 1;
            }
            if (fila + 1 < FILAS) {
                EXPECT_LE(salto(lejana(fila, c), 0, LADO - 1, lejana(fila + 1, c), 0, 0, true), 12)
                    << "lejana, filas " << fila << "/" << fila + 1 << ", columna " << c;
            }
        }
}

TEST_F(FaseGenerada, LasOleadasTraenCadaEnemigoASuSitio)
{
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    std::vector<int> gigantes;
    std::set<int> tipos;
    for (int c = 0; c < CERCANAS; ++c) {
        int codigo = aparicion(c);
        ASSERT_TRUE(codigo >= 0 && codigo <= 4) << "columna " << c;
        if (codigo == 0) {
            EXPECT_EQ(aparicionX(c), 0) << "columna " << c;
            EXPECT_EQ(aparicionY(c), 0) << "columna " << c;
            continue;
        }
        tipos.insert(codigo);
        // La columna 0 solo saldría en la primera partida; de la 247 en adelante, nunca.
        EXPECT_TRUE(c >= 1 && c <= 246) << "aparición en la columna " << c;
        switch (codigo) {
        case 1: // errante: entra por el borde derecho; su altura la echa el juego a suertes
            EXPECT_TRUE(aparicionX(c) >= 560 && aparicionX(c) <= 700) << "columna " << c;
            EXPECT_EQ(aparicionY(c), 0) << "columna " << c;
            break;
        case 2: // acorazado: 128 de alto, con los pies en la orilla (y = 384)
            EXPECT_TRUE(aparicionY(c) >= 220 && aparicionY(c) <= 300) << "columna " << c;
            EXPECT_NEAR(aparicionY(c) + 128, 6 * LADO, 8) << "columna " << c;
            break;
        case 3: // volador: su onda de ±60 no se sale del campo de juego
            EXPECT_TRUE(aparicionY(c) >= 60 && aparicionY(c) <= 320) << "columna " << c;
            break;
        case 4:
            gigantes.push_back(c);
            break;
        }
    }
    EXPECT_EQ(tipos, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(gigantes.size(), 1u);
    // Se queda unos 15 s (23 columnas): tiene que dar tiempo antes de la última pantalla.
    EXPECT_LE(gigantes[0], 215);
    EXPECT_GE(gigantes[0], 150);
}

TEST_F(FaseGenerada, LaFaseSeAprietaConHuecosParaRespirar)
{
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    auto cuantas = [](int desde, int hasta) {
        int n = 0;
        for (int c = desde; c <= hasta; ++c)
            n += aparicion(c) != 0;
        return n;
    };
    EXPECT_GT(cuantas(1, 40), 3);
    EXPECT_LT(cuantas(1, 80), cuantas(110, 190));
    // Antes del gigante, un respiro de al menos seis columnas seguidas.
    int gigante = 0;
    for (int c = 0; c < CERCANAS; ++c)
        if (aparicion(c) == 4)
            gigante = c;
    ASSERT_GT(gigante, 6);
    EXPECT_EQ(cuantas(gigante - 6, gigante - 1), 0);
}

TEST_F(FaseGenerada, ElAcorazadoEntraCaminandoSobreOrillaLlana)
{
    ASSERT_TRUE(hoja_);
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    int acorazados = 0;
    for (int c = 0; c < CERCANAS; ++c) {
        if (aparicion(c) != 2)
            continue;
        ++acorazados;
        // Mientras entra por la izquierda pisa las columnas que tiene delante.
        for (int k = c; k < std::min(c + 12, CERCANAS); ++k) {
            int suelo = cercana(FILAS - 1, k), llenos = 0;
            for (int x = 0; x < LADO; ++x)
                llenos += opacoCercano(suelo, x, 0);
            EXPECT_EQ(llenos, LADO) << "acorazado de la columna " << c << ": sin orilla llana en la " << k;
        }
    }
    EXPECT_GE(acorazados, 3);
}

namespace {
// Una descripción mínima y correcta, para estropearla de una en una.
DescripcionMapa descripcionVacia()
{
    static const std::string cerca(COLUMNAS_CERCANAS, ' '), lejos(COLUMNAS_LEJANAS, '.');
    DescripcionMapa d;
    d.leyendaCercana = {{' ', enCualquierFila(NADA)}, {'=', enFilas(6, 6, ORILLA)}};
    d.leyendaLejana = {{'.', enCualquierFila(CIELO)}};
    Tramo c, l;
    c.fill(cerca.c_str());
    l.fill(lejos.c_str());
    d.cercana = {c};
    d.lejana = {l};
    return d;
}

std::string errataDe(const DescripcionMapa& d)
{
    try {
        traducirMapa(d);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}
}

TEST(EscritorDeMapas, LaDescripcionMinimaDaTodoCeros)
{
    Mapa m = traducirMapa(descripcionVacia());
    EXPECT_EQ(m.cercana, std::vector<int>(FILAS * COLUMNAS_CERCANAS, 0));
    std::string t = textoDelMapa(m);
    EXPECT_EQ(std::count(t.begin(), t.end(), ','), TOTAL - 1);
}

TEST(EscritorDeMapas, CadaCaracterVaASuFilaYSuColumna)
{
    DescripcionMapa d = descripcionVacia();
    std::string suelo(COLUMNAS_CERCANAS, '=');
    d.cercana[0][6] = suelo.c_str();
    d.oleadas = {volador(7, 100), errante(9)};
    Mapa m = traducirMapa(d);
    EXPECT_EQ(m.cercana[6 * COLUMNAS_CERCANAS + 255], ORILLA);
    EXPECT_EQ(m.cercana[5 * COLUMNAS_CERCANAS + 255], NADA);
    EXPECT_EQ(m.aparicion[7], 3);
    EXPECT_EQ(m.aparicionY[7], 100);
    EXPECT_EQ(m.aparicion[9], 1);
    EXPECT_EQ(m.aparicionX[9], X_ENTRADA_ERRANTE);
}

TEST(EscritorDeMapas, UnaErrataDiceDondeEsta)
{
    std::string raro(COLUMNAS_CERCANAS, ' '), corto(COLUMNAS_CERCANAS - 1, ' '), fuera(COLUMNAS_CERCANAS, ' ');
    raro[40] = 'X';
    fuera[12] = '=';
    DescripcionMapa d = descripcionVacia();
    d.cercana[0][3] = raro.c_str();
    EXPECT_NE(errataDe(d).find("columna 40"), std::string::npos) << errataDe(d);

    d = descripcionVacia();
    d.cercana[0][2] = fuera.c_str(); // la orilla solo va en la fila de abajo
    EXPECT_NE(errataDe(d).find("fila 2, columna 12"), std::string::npos) << errataDe(d);

    d = descripcionVacia();
    d.cercana[0][4] = corto.c_str();
    EXPECT_NE(errataDe(d), "");

    d = descripcionVacia();
    d.oleadas = {errante(30), volador(30, 100)};
    EXPECT_NE(errataDe(d).find("columna 30"), std::string::npos) << errataDe(d);

    for (int columna : {0, 247}) {
        d = descripcionVacia();
        d.oleadas = {errante(columna)};
        EXPECT_NE(errataDe(d), "") << "oleada en la columna " << columna;
    }
    d = descripcionVacia();
    d.oleadas = {errante(246)};
    EXPECT_EQ(errataDe(d), "");
}

TEST_F(FaseGenerada, LaFaseCreceHastaElGiganteYDaTiempoAPelearlo)
{
    ASSERT_EQ(static_cast<int>(numeros_.size()), TOTAL);
    // Lo que cuesta cada uno: el volador cae de un impacto, el errante aguanta
    // tres y el acorazado es un tanque.
    auto peso = [](int codigo) {
        switch (codigo) {
        case 1:
            return 2;
        case 2:
            return 4;
        case 3:
            return 1;
        default:
            return 0;
        }
    };
    int cuartos[4] = {};
    for (int c = 0; c < 200; ++c)
        cuartos[c / 50] += peso(aparicion(c));
    for (int q = 1; q < 4; ++q)
        EXPECT_GE(cuartos[q], cuartos[q - 1]) << "cuarto " << q << " de las columnas 0 a 199";
    EXPECT_GE(cuartos[3], 2 * cuartos[0]) << "el final no aprieta más que el principio";

    // Una columna pasa cada 64 ticks de 10 ms y el avance se para con la 246.
    constexpr int TICKS_POR_COLUMNA = 64, TICK_PARADA = 15744;
    // El gigante pelea 15 s y tarda 2,4 s en irse.
    constexpr int TICKS_GIGANTE = 1500 + 240;
    ASSERT_EQ(ULTIMA_COLUMNA_ALCANZADA * TICKS_POR_COLUMNA, TICK_PARADA);
    int gigante = 0;
    for (int c = 0; c < CERCANAS; ++c)
        if (aparicion(c) == 4)
            gigante = c;
    ASSERT_GT(gigante, 0);
    EXPECT_LE(gigante * TICKS_POR_COLUMNA + TICKS_GIGANTE, TICK_PARADA) << "columna " << gigante;
}

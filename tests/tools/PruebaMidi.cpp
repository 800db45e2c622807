#include "LectorMidi.h"

#include "tools/ArchivoMidi.h"
#include "tools/Cancion.h"
#include "tools/Partitura.h"
#include "tools/PistaMidi.h"

#include <gtest/gtest.h>

namespace {
std::string bytes(std::initializer_list<int> valores)
{
    std::string s;
    for (int v : valores)
        s += static_cast<char>(v);
    return s;
}
}

TEST(CantidadVariable, CodificaLosLimitesDeCadaLongitud)
{
    EXPECT_EQ(codificarVlq(0), bytes({0x00}));
    EXPECT_EQ(codificarVlq(0x7F), bytes({0x7F}));
    EXPECT_EQ(codificarVlq(0x80), bytes({0x81, 0x00}));
    EXPECT_EQ(codificarVlq(0x2000), bytes({0xC0, 0x00}));
    EXPECT_EQ(codificarVlq(0x3FFF), bytes({0xFF, 0x7F}));
    EXPECT_EQ(codificarVlq(0x4000), bytes({0x81, 0x80, 0x00}));
    EXPECT_EQ(codificarVlq(0x0FFFFFFF), bytes({0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(CantidadVariable, RechazaValoresQueNoCabenEnCuatroBytes)
{
    EXPECT_THROW(codificarVlq(0x10000000), std::invalid_argument);
}

TEST(PistaMidi, LaLongitudDeclaradaCoincideConLosBytes)
{
    ArchivoMidi archivo(96);
    PistaMidi& pista = archivo.nuevaPista();
    pista.nombre("prueba");
    pista.nota(0, 96, 0, 60, 100);
    pista.nota(20000, 96, 0, 62, 100);  // delta de tres bytes
    archivo.terminarEn(20096);
    MidiLeido leido = leerMidi(archivo.bytes());
    ASSERT_EQ(leido.pistas.size(), 1u);
    EXPECT_EQ(leido.pistas[0].longitudDeclarada, leido.pistas[0].bytesLeidos);
    EXPECT_TRUE(leido.pistas[0].terminaConFinDePista);
    EXPECT_EQ(leido.pistas[0].tickFinal, 20096u);
}

TEST(PistaMidi, ElFinDePistaCortaLasNotasLargas)
{
    ArchivoMidi archivo(96);
    archivo.nuevaPista().nota(0, 1000, 0, 60, 100);
    archivo.terminarEn(384);
    MidiLeido leido = leerMidi(archivo.bytes());
    EXPECT_EQ(leido.pistas[0].tickFinal, 384u);
    EXPECT_EQ(leido.pistas[0].notasSonandoAlFinal, 0);
}

TEST(PistaMidi, NotasRepetidasSeApaganAntesDeVolverAEncenderse)
{
    PistaMidi pista;
    pista.nota(96, 96, 0, 60, 100);
    pista.nota(0, 96, 0, 60, 100);  // añadida fuera de orden
    pista.terminarEn(192);
    // Tras el primer encendido, el apagado en el tick 96 debe ir antes del nuevo encendido.
    std::string s = pista.bytes();
    std::size_t apagado = s.find(bytes({0x80, 60}));
    std::size_t segundo = s.find(bytes({0x90, 60}), s.find(bytes({0x90, 60})) + 1);
    ASSERT_NE(apagado, std::string::npos);
    EXPECT_LT(apagado, segundo);
}

TEST(Partitura, LosCompasesSeRepartenEntreSusSimbolos)
{
    ArchivoMidi archivo(96);
    Partitura voz(archivo.nuevaPista(), 0, 384);
    voz.melodia("C4 - - - | C4 D4 E4 F4 G4 A4 B4 C5 | . - C4 .", 100);
    EXPECT_EQ(voz.compasActual(), 3);
    archivo.terminarEn(3 * 384);
    MidiLeido leido = leerMidi(archivo.bytes());
    EXPECT_EQ(leido.pistas[0].notas, 10);
}

TEST(Partitura, NombresDeNota)
{
    EXPECT_EQ(tonoDeNombre("C4"), 60);
    EXPECT_EQ(tonoDeNombre("A4"), 69);
    EXPECT_EQ(tonoDeNombre("G#4"), 68);
    EXPECT_EQ(tonoDeNombre("Bb3"), 58);
    EXPECT_THROW(tonoDeNombre("H4"), std::invalid_argument);
    EXPECT_THROW(tonoDeNombre("C"), std::invalid_argument);
}

TEST(Partitura, UnCompasQueNoSeDivideBienEsUnError)
{
    ArchivoMidi archivo(96);
    Partitura voz(archivo.nuevaPista(), 0, 384);
    EXPECT_THROW(voz.melodia("C4 D4 E4 F4 G4", 100), std::invalid_argument);
}

TEST(Cancion, VocesDeDistintaLongitudNoSeCierran)
{
    Cancion cancion("prueba", 120);
    cancion.voz(0, 0, 100).melodia("C4 | D4", 100);
    cancion.voz(1, 0, 100).melodia("C4", 100);
    EXPECT_THROW(cancion.terminar(), std::logic_error);
}

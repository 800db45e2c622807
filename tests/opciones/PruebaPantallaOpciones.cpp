#include <map>
#include <utility>

#include "opciones/CPantallaOpciones.h"
#include "tests/plataforma/PruebaConSimulados.h"
#include "opciones/CPreferenciasActivas.h"

namespace {

using PruebaPantallaOpciones = PruebaConSimulados;

// Con mando, el botón de disparo (el 1) espera un botón: el 8, que es el de
// Start, se cambia con él; otra espera acaba con Escape sin salir de las
// opciones, y el botón que llega después ya no cuenta. El segundo Escape
// vuelve al menú.
TEST_F(PruebaPantallaOpciones, ElMandoEligeSusBotonesYEscapeDejaLaEspera)
{
    simulados.hayMando = true;
    sistema.inicializar(preferenciasActivas);
    CLetras letras;
    letras.cargar(&simulados, "graphics/letras.bmp");
    // En cada siesta, la tecla o el botón (desde 0) que se pulsa; la
    // siguiente lo suelta. Las entradas con mando: volumen, silencio, modo,
    // escala y el botón de disparo.
    const std::map<int, std::pair<int, int>> guion = { { 2, { KEY_DOWN, -1 } },  { 4, { KEY_DOWN, -1 } },
                                                       { 6, { KEY_DOWN, -1 } },  { 8, { KEY_DOWN, -1 } },
                                                       { 10, { KEY_ENTER, -1 } }, { 12, { 0, 7 } },
                                                       { 14, { KEY_ENTER, -1 } }, { 16, { KEY_ESC, -1 } },
                                                       { 18, { 0, 2 } },          { 20, { KEY_ESC, -1 } } };
    simulados.alDormir = [&](int siesta) {
        const auto paso = guion.find(siesta);
        const auto [tecla, boton] = paso != guion.end() ? paso->second : std::pair<int, int>{ 0, -1 };
        for (int t : { KEY_DOWN, KEY_ENTER, KEY_ESC })
            simulados.teclas[t] = t == tecla;
        simulados.mando.pulsado = boton;
    };
    simulados.topeSiestas = 200;
    CPantallaOpciones(letras).ejecutar();
    EXPECT_EQ(simulados.siestas, 20) << "el Escape que deja la espera del botón no vuelve al menú; el segundo sí";
    EXPECT_EQ(preferenciasActivas.actuales().botonDisparo, 8);
    EXPECT_EQ(preferenciasActivas.actuales().botonInicio, 1);
    EXPECT_TRUE(simulados.llamo("botones 7 0"));
    EXPECT_FALSE(simulados.llamo("botones 2 0")) << "el botón tras Escape cambió el disparo";
}

}

#include <gtest/gtest.h>

#include "plataforma/Dialogo.h"
#include "shell/CExcepcion.h"

namespace {

TEST(PruebaMensajes, CadaCodigoTieneSuTexto)
{
    EXPECT_STREQ(mensajeDeError(0), "Error iniciando Allegro");
    EXPECT_STREQ(mensajeDeError(1), "Error iniciando modo gráfico!");
    EXPECT_STREQ(mensajeDeError(2), "Error iniciando teclado");
    EXPECT_STREQ(mensajeDeError(3), "Error iniciando temporizador");
    EXPECT_STREQ(mensajeDeError(4), "Error en el sistema de archivos");
    EXPECT_STREQ(mensajeDeError(5), "Error desconocido");
    EXPECT_STREQ(mensajeDeError(-1), "Error desconocido");
}

// El diálogo nativo lee un byte por letra: la "á" debe llegar como 0xE1.
TEST(PruebaMensajes, ElDialogoRecibeLatin1)
{
    EXPECT_EQ(utf8ALatin1(mensajeDeError(1)), "Error iniciando modo gr\xE1" "fico!");
    EXPECT_EQ(utf8ALatin1("Escuadrón ñ"), "Escuadr\xF3n \xF1");
    // Lo que no existe en Latin-1, o llega roto, no se cuela como basura.
    EXPECT_EQ(utf8ALatin1("a\xE2\x82\xAC" "b"), "a?b");
    EXPECT_EQ(utf8ALatin1("a\xF0\x9F\x90\xB8" "b"), "a?b");
    EXPECT_EQ(utf8ALatin1("a\xC3"), "a?");
    EXPECT_EQ(utf8ALatin1("a\xA1z"), "a?z");
}

TEST(PruebaMensajes, SinPantallaElAvisoSaleEnteroPorStderr)
{
    const char* pantalla = getenv("DISPLAY");
    std::string guardada = pantalla ? pantalla : "";
    unsetenv("DISPLAY");
    ::testing::internal::CaptureStderr();
    mostrarDialogo("Error iniciando modo gráfico!");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error iniciando modo gráfico!\n");
    if (pantalla)
        setenv("DISPLAY", guardada.c_str(), 1);
}

}

#ifndef PRUEBACONSIMULADOS_H
#define PRUEBACONSIMULADOS_H

#include <gtest/gtest.h>

#include "opciones/CPreferenciasActivas.h"
#include "shell/CSistema.h"
#include "tests/plataforma/CDispositivosSimulados.h"

// Base de las pruebas que usan el contexto del motor sobre la plataforma
// simulada; al acabar lo apaga y le devuelve la plataforma de verdad.
class PruebaConSimulados : public ::testing::Test {
protected:
    void SetUp() override { sistema.usarDispositivos(&simulados); }
    void TearDown() override
    {
        sistema.finalizar();
        sistema.usarDispositivos(nullptr);
        preferenciasActivas.usarAjustes(nullptr);
    }

    CDispositivosSimulados simulados;
};

#endif

#ifndef HOJAGENERADA_H
#define HOJAGENERADA_H

#include "AllegroSinPantalla.h"
#include "tools/CarpetaSalida.h"
#include "tools/Hojas.h"

#include <allegro.h>
#include <gtest/gtest.h>

// Pruebas sobre una hoja que dibuja el generador: se genera una sola vez por
// grupo de pruebas, en una carpeta temporal, y se carga como la cargaría el juego.
template <const char* RUTA>
class HojaGenerada : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        arrancarAllegroSinPantalla();
        carpeta_ = new CarpetaTemporal();
        generarHojas(CarpetaSalida(carpeta_->ruta()));
        hoja_ = load_bitmap(carpeta_->archivo(RUTA).c_str(), nullptr);
    }
    static void TearDownTestSuite()
    {
        destroy_bitmap(hoja_);
        delete carpeta_;
    }

    static inline CarpetaTemporal* carpeta_ = nullptr;
    static inline BITMAP* hoja_ = nullptr;
};

#endif

#include <gtest/gtest.h>

#include "tests/world/MundoDePrueba.h"

namespace {

// Caja absoluta de (x1, y1) a (x2, y2), con la entidad en el origen.
CEntidadDePrueba conCaja(int x1, int y1, int x2, int y2)
{
    CEntidadDePrueba e("caja", TIPO_ENEMIGO, nullptr);
    e.caja(x1, y1, x2, y2);
    return e;
}

bool chocan(CEntidadDePrueba a, CEntidadDePrueba b)
{
    bool ab = a.colisiona(&b), ba = b.colisiona(&a);
    EXPECT_EQ(ab, ba) << "la prueba de cajas no es simétrica";
    return ab;
}

TEST(PruebaCajas, TocarseNoEsChocar)
{
    EXPECT_FALSE(chocan(conCaja(0, 0, 20, 20), conCaja(20, 5, 40, 25)));
    EXPECT_TRUE(chocan(conCaja(0, 0, 20, 20), conCaja(19, 5, 39, 25)));
    EXPECT_FALSE(chocan(conCaja(0, 0, 20, 20), conCaja(5, 20, 25, 40)));
    EXPECT_FALSE(chocan(conCaja(0, 0, 20, 20), conCaja(30, 30, 50, 50)));
}

TEST(PruebaCajas, CompartirLosDosBordesDeUnEjeNoEsChocar)
{
    EXPECT_FALSE(chocan(conCaja(0, 0, 20, 20), conCaja(10, 0, 30, 20)));
    EXPECT_FALSE(chocan(conCaja(0, 0, 20, 20), conCaja(0, 10, 20, 30)));
    // Una caja dentro de otra sí choca.
    EXPECT_TRUE(chocan(conCaja(0, 0, 100, 100), conCaja(10, 10, 30, 30)));
}

TEST(PruebaCajas, UnaCruzNoChocaYNadieChocaConsigoMismo)
{
    EXPECT_FALSE(chocan(conCaja(45, 0, 55, 100), conCaja(0, 45, 100, 55)));
    CEntidadDePrueba e = conCaja(0, 0, 20, 20);
    EXPECT_FALSE(e.colisiona(&e));
}

TEST(PruebaCajas, LaCajaSeMueveConLaEntidad)
{
    CEntidadDePrueba a = conCaja(30, 7, 82, 42), b = conCaja(0, 0, 19, 19);
    b.x = 140;
    b.y = 210;
    EXPECT_FALSE(a.colisiona(&b));
    a.x = 100;
    a.y = 200;
    EXPECT_TRUE(a.colisiona(&b));
    EXPECT_TRUE(b.colisiona(&a));
    b.x = 182;  // su borde izquierdo sobre el derecho de a
    EXPECT_FALSE(a.colisiona(&b));
}

}

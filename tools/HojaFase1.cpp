#include "tools/Baldosas.h"
#include "tools/Lienzo.h"

void dibujarHojaFase1(Lienzo& hoja)
{
    dibujarBaldosasLejanas(hoja);
    dibujarBaldosasCercanas(hoja);
}

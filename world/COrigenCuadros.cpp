#include "world/COrigenCuadros.h"

#include "shell/CSistema.h"

void COrigenCuadros::fijarArranque()
{
    sistema.fijarCuadro();
}

void COrigenCuadros::fijarCuadro()
{
    sistema.fijarCuadro();
}

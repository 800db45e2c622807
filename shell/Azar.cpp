#include "shell/Azar.h"

namespace {
uint32_t estadoAzar = AZAR_DE_ARRANQUE;
}

int azar()
{
    estadoAzar = estadoAzar * 214013u + 2531011u;
    return static_cast<int>((estadoAzar >> 16) & 0x7FFF);
}

uint32_t leerEstadoAzar()
{
    return estadoAzar;
}

void fijarEstadoAzar(uint32_t estado)
{
    estadoAzar = estado;
}

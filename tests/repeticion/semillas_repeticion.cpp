// Escribe las semillas del fuzzer de repeticiones en la carpeta que se le
// da: una pequeña buena, una sin cuadros y otra cortada a media lista de
// tramos. Las hace el propio codificador para que sigan al formato.
#include <cstdio>
#include <string>

#include "plataforma/Archivos.h"
#include "repeticion/CRepeticion.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    const std::string carpeta = argv[1];
    CRepeticion vacia;
    vacia.cabecera = { "0.1.0", 0x1122334455667788ull, 1, -1 };
    // 250 cuadros con un cuadro lento, uno sin ticks y teclas que cambian.
    CRepeticion pequena = vacia;
    const uint8_t teclas[] = { 0, BIT_DISPARO, BIT_ARRIBA | BIT_DISPARO, BIT_DERECHA, BIT_ABAJO | BIT_IZQUIERDA,
                               BIT_CAPTURA, BIT_DERECHA | BIT_DISPARO };
    for (uint32_t i = 0; i < 250; ++i) {
        pequena.cuadros.push_back({ i == 17 ? 3u : i == 18 ? 0u : 1u, teclas[i / 40] });
        if ((i + 1) % CUADROS_POR_CONTROL == 0)
            pequena.controles.push_back(0x0101010101010101ull * (i + 1));
    }
    pequena.resumenFinal = 0xFEDCBA9876543210ull;
    const std::string bytes = pequena.codificar();
    const bool bien = escribirArchivoAtomico(carpeta + "/pequena.rep", bytes) &&
                      escribirArchivoAtomico(carpeta + "/vacia.rep", vacia.codificar()) &&
                      escribirArchivoAtomico(carpeta + "/cortada.rep", bytes.substr(0, 40));
    if (!bien)
        std::perror(carpeta.c_str());
    return bien ? 0 : 1;
}

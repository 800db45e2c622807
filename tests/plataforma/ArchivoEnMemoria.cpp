#include "tests/plataforma/ArchivoEnMemoria.h"

#include <cstring>

const PACKFILE_VTABLE ArchivoEnMemoria::FUNCIONES = { cerrar,         leerByte, devolverByte, leerBloque, escribirByte,
                                                      escribirBloque, saltar,   alFinal,      conError };

ArchivoEnMemoria::ArchivoEnMemoria(const uint8_t* datosDados, size_t largoDado)
    : datos(datosDados), largo(largoDado), posicion(0), abierto(pack_fopen_vtable(&FUNCIONES, this))
{
}

ArchivoEnMemoria::~ArchivoEnMemoria()
{
    if (abierto)
        pack_fclose(abierto);
}

int ArchivoEnMemoria::cerrar(void*)
{
    return 0;
}

int ArchivoEnMemoria::leerByte(void* yo)
{
    ArchivoEnMemoria& a = *static_cast<ArchivoEnMemoria*>(yo);
    return a.posicion < a.largo ? a.datos[a.posicion++] : EOF;
}

// Solo se devuelve el byte recién leído: el mismo que ya estaba.
int ArchivoEnMemoria::devolverByte(int c, void* yo)
{
    ArchivoEnMemoria& a = *static_cast<ArchivoEnMemoria*>(yo);
    if (a.posicion == 0 || a.datos[a.posicion - 1] != uint8_t(c))
        return EOF;
    --a.posicion;
    return c;
}

long ArchivoEnMemoria::leerBloque(void* p, long n, void* yo)
{
    ArchivoEnMemoria& a = *static_cast<ArchivoEnMemoria*>(yo);
    if (n <= 0)
        return 0;
    const size_t quedan = a.largo - a.posicion;
    const size_t leidos = size_t(n) < quedan ? size_t(n) : quedan;
    std::memcpy(p, a.datos + a.posicion, leidos);
    a.posicion += leidos;
    return long(leidos);
}

int ArchivoEnMemoria::escribirByte(int, void*)
{
    return EOF;
}

long ArchivoEnMemoria::escribirBloque(const void*, long, void*)
{
    return 0;
}

// Como pack_fseek: solo hacia delante; pasar del final deja al final y falla.
int ArchivoEnMemoria::saltar(void* yo, int desplazamiento)
{
    ArchivoEnMemoria& a = *static_cast<ArchivoEnMemoria*>(yo);
    if (desplazamiento < 0)
        return -1;
    if (size_t(desplazamiento) > a.largo - a.posicion) {
        a.posicion = a.largo;
        return -1;
    }
    a.posicion += size_t(desplazamiento);
    return 0;
}

int ArchivoEnMemoria::alFinal(void* yo)
{
    const ArchivoEnMemoria& a = *static_cast<const ArchivoEnMemoria*>(yo);
    return a.posicion >= a.largo;
}

int ArchivoEnMemoria::conError(void*)
{
    return 0;
}

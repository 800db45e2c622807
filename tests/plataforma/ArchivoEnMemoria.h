#ifndef ARCHIVOENMEMORIA_H
#define ARCHIVOENMEMORIA_H

#include <allegro.h>

#include <cstddef>
#include <cstdint>

// Los bytes de una entrada como un PACKFILE de solo lectura: los cargadores
// de Allegro los leen igual que del archivo, sin pasar por el disco. Leer
// más allá del final da EOF, como en un archivo.
class ArchivoEnMemoria {
public:
    ArchivoEnMemoria(const uint8_t* datos, size_t largo);
    ~ArchivoEnMemoria();
    ArchivoEnMemoria(const ArchivoEnMemoria&) = delete;
    ArchivoEnMemoria& operator=(const ArchivoEnMemoria&) = delete;

    PACKFILE* archivo() const { return abierto; }

private:
    static int cerrar(void* yo);
    static int leerByte(void* yo);
    static int devolverByte(int c, void* yo);
    static long leerBloque(void* p, long n, void* yo);
    static int escribirByte(int c, void* yo);
    static long escribirBloque(const void* p, long n, void* yo);
    static int saltar(void* yo, int desplazamiento);
    static int alFinal(void* yo);
    static int conError(void* yo);

    static const PACKFILE_VTABLE FUNCIONES;
    const uint8_t* datos;
    size_t largo;
    size_t posicion;
    PACKFILE* abierto;
};

#endif

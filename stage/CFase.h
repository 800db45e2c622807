#ifndef CFASE_H
#define CFASE_H

#include <cstdint>

// Una fase: su mapa, su desplazamiento y los recorridos de cada cuadro.
class CFase {
public:
    CFase() {}
    // Lanza CExcepcion de archivos si el mapa o las losetas no se pueden leer.
    virtual void cargar(const char* rutaMapa, const char* rutaHoja) = 0;
    virtual void actualizarEntidades() = 0;
    virtual void dibujar() = 0;
    // Con los ticks pasados desde que empezó la partida.
    virtual void avanzar(uint32_t transcurridos) = 0;
    virtual void iniciar() = 0;
    virtual ~CFase() {}
};

#endif

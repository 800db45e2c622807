#ifndef CEXCEPCION_H
#define CEXCEPCION_H

#include <cstdint>

// Códigos de fallo que viajan hasta main; cada uno tiene su mensaje.
enum CodigoError : int32_t {
    ERROR_ALLEGRO = 0,
    ERROR_GRAFICOS = 1,
    ERROR_TECLADO = 2,
    ERROR_TEMPORIZADOR = 3,
    ERROR_ARCHIVOS = 4
};

// La única excepción del juego: se lanza y se captura por valor.
class CExcepcion {
public:
    explicit CExcepcion(int32_t codigoError) : codigo(codigoError) {}

    int32_t codigo;
};

// Texto (UTF-8) que ve el jugador para un código; desconocido si no es 0..4.
const char* mensajeDeError(int32_t codigo);

#endif

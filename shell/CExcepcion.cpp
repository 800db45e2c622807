#include "shell/CExcepcion.h"

const char* mensajeDeError(int32_t codigo)
{
    switch (codigo) {
    case ERROR_ALLEGRO:      return "Error iniciando Allegro";
    case ERROR_GRAFICOS:     return "Error iniciando modo gráfico!";
    case ERROR_TECLADO:      return "Error iniciando teclado";
    case ERROR_TEMPORIZADOR: return "Error iniciando temporizador";
    case ERROR_ARCHIVOS:     return "Error en el sistema de archivos";
    default:                 return "Error desconocido";
    }
}

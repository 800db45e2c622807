#include "tools/Musica.h"

#include "tools/CarpetaSalida.h"

void generarMusica(const CarpetaSalida& salida)
{
    salida.escribir("musics/tokecillo.mid", temaTitulo().bytes());
    salida.escribir("musics/fase1.mid", temaFase1().bytes());
}

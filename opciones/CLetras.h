#ifndef CLETRAS_H
#define CLETRAS_H

#include <allegro.h>

#include <string>
#include <vector>

#include "plataforma/CDispositivos.h"

// Las letras del menú en una hoja que dibuja el generador: los caracteres
// imprimibles de Latin-1, una celda cada uno, con el margen de la tilde de
// las mayúsculas encima. Se escriben en cualquier color, a 1x, 2x o 3x.
class CLetras {
public:
    static constexpr int COLUMNAS = 16, FILAS = 12;
    static constexpr int ANCHO_CELDA = 8, ALTO_CELDA = 11;
    static constexpr int ANCHO_HOJA = COLUMNAS * ANCHO_CELDA, ALTO_HOJA = FILAS * ALTO_CELDA;
    static constexpr int ESCALA_MAXIMA = 3;

    CLetras();
    ~CLetras();
    CLetras(const CLetras&) = delete;
    CLetras& operator=(const CLetras&) = delete;

    // Lanza el error de archivos si la hoja falta, está rota o no mide lo suyo.
    void cargar(CDispositivos* dispositivos, const std::string& ruta);
    void liberar();

    // El texto en UTF-8; lo que no está en la hoja sale como «?».
    void escribir(BITMAP* destino, const std::string& texto, int x, int y, int color, int escala) const;
    static int ancho(const std::string& texto, int escala);
    static int alto(int escala) { return ALTO_CELDA * escala; }

private:
    static std::vector<int> codigos(const std::string& texto);
    static int celdaDe(int codigo);

    // Una copia de la hoja por escala, a 8 bits: 1 donde hay letra.
    BITMAP* tinta[ESCALA_MAXIMA];
    std::vector<BITMAP*> celdas[ESCALA_MAXIMA];
};

#endif

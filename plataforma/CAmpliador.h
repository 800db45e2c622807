#ifndef CAMPLIADOR_H
#define CAMPLIADOR_H

#include <allegro.h>

#include "plataforma/CCambiosPagina.h"

#include <cstdint>
#include <vector>

// Pasa la página de 16 bits a píxeles de 32 bits de la pantalla, ampliada
// por un factor entero. El blit de Allegro a una ventana X convierte cada
// píxel componente a componente y a 2x se lleva alrededor de un milisegundo
// por cuadro; con una tabla de los 65536 colores es una lectura por píxel
// de la página.
class CAmpliador {
public:
    // Las máscaras de rojo, verde y azul del píxel de 32 bits de destino. Se
    // prepara tras cada cambio de modo: con él puede cambiar también cómo
    // guarda Allegro los 16 bits.
    void preparar(uint32_t rojo, uint32_t verde, uint32_t azul);

    // Cada píxel de la página (de 16 bits) en un cuadrado de factor x factor.
    // destino es la esquina de arriba a la izquierda; pasoFila, en bytes.
    void ampliar(BITMAP* pagina, uint8_t* destino, int pasoFila, int factor) const;
    // Solo la zona de la página, a su sitio dentro de la página ampliada.
    void ampliar(BITMAP* pagina, uint8_t* destino, int pasoFila, int factor, const Zona& zona) const;
    // La página a ancho x alto, píxel más cercano: sin emborronar, aunque
    // unas columnas y filas salgan una vez más anchas que otras.
    void estirar(BITMAP* pagina, uint8_t* destino, int pasoFila, int ancho, int alto) const;

private:
    // Dónde está cada componente en los 16 bits y adónde va en los 32.
    struct Desplazamientos {
        int rojo, verde, azul;
        int salidaRojo, salidaVerde, salidaAzul;
    };
    uint32_t convertir(uint16_t color) const;
    uint32_t calcular(uint16_t color) const;
    bool prepararCalculo(uint32_t rojo, uint32_t verde, uint32_t azul);
    void convertirFilaCalculando(const uint16_t* origen, uint32_t* fila, int ancho, int factor) const;
    template <typename Convertir>
    static void convertirFila(const uint16_t* origen, uint32_t* fila, int ancho, int factor, Convertir convertir);

    std::vector<uint32_t> colores;
    uint32_t porByteAlto[256] = {}, porByteBajo[256] = {};
    bool porBytes = false;
    // Con 8 bits por componente en la ventana, la tabla sale de unas pocas
    // operaciones por componente que se hacen de 8 en 8 píxeles.
    Desplazamientos desplazamientos = {};
    bool calculando = false;
    // La columna de la página de cada columna estirada, para el ancho de la
    // última vez: cada cuadro usa la misma y no se vuelve a calcular.
    mutable std::vector<int> columnas;
    mutable int anchoPagina = 0;
};

#endif

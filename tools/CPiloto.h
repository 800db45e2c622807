#ifndef CPILOTO_H
#define CPILOTO_H

#include <cstdint>
#include <set>

class CEntidad;

// El piloto de la demo: mira la partida al acabar cada cuadro y decide las
// teclas del siguiente. Esquiva balas y cuerpos que tiene delante, se pone a
// la altura del enemigo más cercano y dispara sin parar. Solo lee el estado:
// la partida que juega es una partida como otra cualquiera.
class CPiloto {
public:
    void decidir(volatile char* teclas);

    // Lo que lleva visto, para contarlo al acabar.
    int enemigosDestruidos = 0;
    bool giganteReventado = false;

private:
    void contar();
    // La amenaza más cercana por delante a la altura de la rana, o nula.
    CEntidad* amenaza() const;
    CEntidad* blanco() const;

    bool disparoPulsado = false;
    std::set<const CEntidad*> vivos;
};

#endif

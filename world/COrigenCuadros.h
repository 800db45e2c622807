#ifndef CORIGENCUADROS_H
#define CORIGENCUADROS_H

// De dónde toma la partida el tick y las teclas de cada cuadro. Este, el de
// serie, los lee del reloj y del teclado; la grabadora los anota además, y una
// partida grabada da los suyos. Es todo lo que la partida sabe de grabaciones.
class COrigenCuadros {
public:
    virtual ~COrigenCuadros() {}

    // Fijan en el contexto el tick y las teclas del arranque y de cada cuadro.
    virtual void fijarArranque();
    virtual void fijarCuadro();
    // Tras jugar cada cuadro, y al acabar la partida, con todo aún vivo.
    virtual void cuadroJugado() {}
    virtual void partidaAcabada() {}
    // Verdadero si la partida se acaba por su lado: ya no quedan cuadros, o
    // quien la mira la deja.
    virtual bool acabada() const { return false; }

    // Sin mostrarla no se atiende al teclado, ni se dibuja, ni se espera al reloj.
    virtual bool seMuestra() const { return true; }
    virtual bool admitePausa() const { return true; }
    // Lo suyo sobre el cuadro ya dibujado.
    virtual void rotularCuadro() {}
    // Falso si este cuadro no ha de esperar al tick siguiente.
    virtual bool esperaAlTick() const { return true; }
};

#endif

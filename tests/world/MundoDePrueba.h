#ifndef MUNDODEPRUEBA_H
#define MUNDODEPRUEBA_H

#include <functional>
#include <string>
#include <vector>

#include "shell/CSistema.h"
#include "tests/plataforma/PruebaConSimulados.h"
#include "world/CEntidad.h"
#include "world/CListaEntidades.h"

// Colores de los dibujos de prueba: cada cifra, cada loseta y cada cuadro
// de la rana tiene el suyo, para reconocerlos en la página.
int colorCifra(int cifra);
int colorLoseta(int loseta);
int colorCuadroRana(int cuadro);
// Las tres cifras del marcador que empiezan en x, leídas de una página por su
// color ("074"); una celda que no es ninguna cifra sale como -1.
std::string numeroEn(BITMAP* pagina, int x);
const int COLOR_MARCADOR_R = 40;

// Mapa de texto con los cinco bloques; las losetas cercanas y lejanas se
// eligen con una función de (fila, columna) y las apariciones con una de
// (bloque, columna): 0 el código, 1 la x, 2 la y. Sin ella, ninguna.
std::string textoMapa(const std::function<int(int, int)>& cercana, const std::function<int(int, int)>& lejana,
                      const std::string& separador = ",",
                      const std::function<int(int, int)>& apariciones = nullptr);

// El motor arrancado sobre la plataforma simulada, con hojas de dibujos
// reconocibles, una carpeta de trabajo propia con maps/fase1.map y el reloj
// en un tick fijo. Al acabar vacía la lista de entidades.
class MundoDePrueba : public PruebaConSimulados {
protected:
    void SetUp() override;
    void TearDown() override;

    void escribirMapa(const std::string& texto);
    void avanzarTicks(uint32_t n) { sistema.fijarTicks(sistema.leerTicks() + n); }
    void pulsar(int tecla, bool abajo = true) { simulados.teclas[tecla] = abajo ? 1 : 0; }
    int pixel(int x, int y) const { return getpixel(sistema.paginaDibujo, x, y); }
    std::vector<CEntidad*> entidades() const;
    // Crea una entidad y la añade a la lista, como hace el juego.
    template <class T, class... A> T* crear(A... argumentos)
    {
        T* e = new T(argumentos...);
        listaEntidades.agregar(e);
        return e;
    }
    bool vivo(const CEntidad* e) const;
    // Pasa el reloj y llama una vez al actualizar.
    void paso(CEntidad* e, uint32_t ticks = 1)
    {
        avanzarTicks(ticks);
        e->actualizar();
    }
    template <class T> std::vector<T*> entidadesDe() const
    {
        std::vector<T*> halladas;
        for (CEntidad* e : entidades())
            if (T* t = dynamic_cast<T*>(e))
                halladas.push_back(t);
        return halladas;
    }

    std::string carpeta;
    std::string carpetaAnterior;
    // Lo que anotan las entidades de prueba; vive hasta después de vaciar la lista.
    std::vector<std::string> registro;
};

// El generador común del juego escrito aparte, para saber qué tiene que
// salir: estado·214013 + 2531011, bits 16 a 30.
struct ModeloAzar {
    uint32_t estado = 1;
    int siguiente()
    {
        estado = estado * 214013u + 2531011u;
        return static_cast<int>((estado >> 16) & 0x7fff);
    }
};

// Entidad de prueba: cuenta sus llamadas en un registro común y, si se le
// pide, se quita durante su actualizar.
class CEntidadDePrueba : public CEntidad {
public:
    CEntidadDePrueba(const std::string& nombre, int tipo, std::vector<std::string>* registro);
    ~CEntidadDePrueba() override;
    void alImpactar(CEntidad* otra) override;
    void actualizar() override;
    void dibujar() override;
    void caja(int x, int y, int x2, int y2);

    std::string nombre;
    std::vector<std::string>* registro;
    bool quitarse = false;
    // Entidad que se añade a la lista al actualizarse (una sola vez).
    CEntidad* crearAlActualizar = nullptr;
    // Qué hace al recibir un impacto: por defecto, gastar a la otra.
    std::function<void(CEntidadDePrueba*, CEntidad*)> reaccion;
};

#endif

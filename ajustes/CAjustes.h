#ifndef CAJUSTES_H
#define CAJUSTES_H

#include <functional>
#include <string>

#include "ajustes/LineaOrdenes.h"
#include "ajustes/Preferencias.h"
#include "ajustes/TablaAjustes.h"

// Las preferencias guardadas en el archivo de ajustes, en el formato de
// configuración de Allegro. Lo que no se entiende se cambia por su valor
// por defecto con un aviso en stderr, y el archivo tal como estaba se
// guarda aparte (.roto) antes de escribir encima. Los valores de la línea
// de órdenes valen solo para esta partida: nunca se guardan.
class CAjustes {
public:
    // $XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg, o ~/.config/… si la variable no está.
    static std::string rutaPorDefecto();
    // Escape, F8, F10, F11, M, del 1 al 5 y las del volumen: hacen otra cosa
    // en todo el juego y ninguna acción las puede usar.
    static constexpr int TECLAS_FIJAS[] = { KEY_ESC, KEY_F8, KEY_F10, KEY_F11, KEY_M, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5,
                                            KEY_MINUS, KEY_EQUALS, KEY_MINUS_PAD, KEY_PLUS_PAD };
    static bool teclaFija(int tecla);

    explicit CAjustes(std::string ruta, const OpcionesLinea& linea = OpcionesLinea());

    // Las de esta partida: las del archivo con las de la línea de órdenes
    // encima. Sin archivo, las de por defecto. Necesita Allegro ya iniciado.
    Preferencias cargar();
    // Las teclas del archivo, por el nombre que les da la plataforma: solo se
    // saben con el teclado instalado. Las que no valen se quedan las de siempre.
    void resolverTeclas(Preferencias& partida, const std::function<const char*(int)>& nombrar);
    // El jugador cambió ese ajuste en el juego: se guarda ese, de los actuales.
    void anotar(Ajuste cual, const Preferencias& actuales);

    // Escribe el archivo entero sin dejarlo nunca a medias: primero uno
    // temporal en la misma carpeta, y luego lo renombra encima del viejo.
    bool guardar();

    const Preferencias& guardadas() const { return enArchivo; }
    const std::string& ruta() const { return archivo; }

private:
    void aplicarLinea(Preferencias& partida) const;
    void nombrarTeclas(const int (&teclas)[NUM_ACCIONES]);
    // La ruta del temporal escrito y comprobado, o nada si no se pudo.
    std::string escribirTemporal();
    bool apartarRoto();
    std::string destino() const;
    void avisarSinGuardar(const std::string& motivo);

    std::string archivo;
    OpcionesLinea linea;
    Preferencias enArchivo;
    // Los nombres leídos, hasta que se resuelven; vacío si no venía.
    // Tras resolverlas, los de las teclas elegidas, que son los que se guardan.
    std::string nombresTeclas[NUM_ACCIONES];
    // El nombre de cada tecla en la plataforma, para guardar las que se elijan jugando.
    std::function<const char*(int)> nombrar;
    // El archivo traía algo que no se entendió y todavía no se ha apartado.
    bool roto;
    bool avisadoSinGuardar;
};

#endif

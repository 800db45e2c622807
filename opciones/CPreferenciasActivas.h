#ifndef CPREFERENCIASACTIVAS_H
#define CPREFERENCIASACTIVAS_H

#include "ajustes/CAjustes.h"
#include "ajustes/Preferencias.h"
#include "plataforma/CVentana.h"
#include "shell/CEntornoJugador.h"
#include "sonido/CVolumen.h"

// Las preferencias con que se juega ahora, puestas alrededor del contexto:
// abren la pantalla en su modo, dan el volumen, el mando y las teclas, y
// atienden las teclas que valen en todo el juego (M, - y +, F10 y F11).
// Cada cambio vale en el acto y se guarda en el archivo de ajustes, si lo hay.
class CPreferenciasActivas : public CEntornoJugador {
public:
    CPreferenciasActivas();

    // De dónde se leen al arrancar y dónde se guardan los cambios; sin
    // ajustes, las de serie y sin guardar nada.
    void usarAjustes(CAjustes* otros) { ajustes = otros; }

    void abrirPantalla(CDispositivos* dispositivosDados) override;
    void tecladoInstalado() override;
    void temporizadorInstalado() override;
    void sonidoInstalado() override;
    void prepararEntrada(CEntrada& entrada) override;
    void atenderTeclas(CEntrada& entrada) override;

    // Las de esta partida: las guardadas con las de la línea de órdenes encima.
    const Preferencias& actuales() const { return preferencias; }
    // Las que el jugador cambió en las opciones: valen en el acto y ese ajuste se guarda.
    void aplicar(const Preferencias& nuevas, Ajuste cambiado);
    // El mayor factor de ventana que cabe en el escritorio.
    int factorVentanaMaximo() const { return ventana.factorMaximo(); }

private:
    // F10 y F11: otro modo con la pantalla ya abierta, y la página visible otra vez.
    void cambiarModo(const ModoPantalla& nuevo);
    // Lo que el jugador acaba de cambiar, al archivo de ajustes si lo hay.
    void recordar(Ajuste cual);

    Preferencias preferencias;
    CVentana ventana;
    CVolumen volumen;
    CAjustes* ajustes;
    CDispositivos* dispositivos;
};

extern CPreferenciasActivas preferenciasActivas;

#endif

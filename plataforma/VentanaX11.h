#ifndef VENTANAX11_H
#define VENTANAX11_H

#include <allegro.h>

#include "plataforma/CAmpliador.h"
#include "plataforma/Escala.h"

// Lo que Allegro no hace por la ventana de X: pantalla completa sin cambiar
// la resolución y un volcado ampliado barato. Fuera de X no hace nada y
// devuelve falso, y entonces se queda lo que haga Allegro.

// Nombre y clase de la ventana (WM_CLASS: escuadron-rana, Escuadron-rana),
// con los que el escritorio la junta con su entrada del menú. Allegro los
// pone al crear sus ventanas, y la de fuera la crea ya install_allegro: va
// antes. Solo guarda los nombres, sin hablar con X.
void nombrarVentanaX11();

// El título en UTF-8 (_NET_WM_NAME) junto al WM_NAME en Latin-1 que pone
// Allegro: los escritorios de ahora leen este. Tras cada cambio de modo.
void rotularVentanaX11(const char* tituloUtf8);

// El icono de la ventana (_NET_WM_ICON): el magenta de máscara es lo
// transparente. Sin icono no hace nada. Tras cada cambio de modo.
void ponerIconoX11(BITMAP* icono);

// Pide al gestor de ventanas (la pista _NET_WM_STATE_FULLSCREEN) que la
// ventana cubra la pantalla, o que la deje. Sin gestor de ventanas basta con
// que esté en 0,0 y mida lo que el escritorio.
void pedirPantallaCompletaX11(bool completa);

// Verdadero si el teclado va a la ventana del juego.
bool tieneFocoX11();

// Tras un cambio de modo: devuelve el teclado a la ventana si lo tenía (sin
// gestor de ventanas, al volver a mostrarse la ventana el foco se queda en la
// raíz) y deja que Allegro atienda ya lo que mandó el servidor mientras, para
// que el foco perdido en el cambio se anote ahora y no más tarde.
void asentarVentanaX11(bool conFoco);

// Para el hilo de fondo, cien veces por segundo: Allegro atiende la ventana
// solo si el servidor ha mandado algo. Mirarlo no espera respuesta del
// servidor, como sí haría el XSync de Allegro; antes manda lo pendiente, que
// era lo otro que hacía ese XSync.
void atenderEventosX11();

// Prepara el ampliador para los píxeles de la ventana; falso si la ventana
// no es una de X con píxeles de 32 bits en el orden de esta máquina.
bool prepararAmpliadorX11(CAmpliador& ampliador);

// La página ampliada, en (x, y) de la ventana, directamente en la imagen X
// que Allegro manda al servidor (la misma con la que repinta la ventana
// cuando se destapa): a un factor entero, solo lo que cambió desde la
// anterior. Falso si no se pudo, y la página no se ha mostrado.
bool volcarAmpliadaX11(BITMAP* pagina, const CAmpliador& ampliador, CCambiosPagina& cambios, const ModoPantalla& modo,
                       int x, int y);

#endif

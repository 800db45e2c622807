#!/usr/bin/env bash
# La pantalla de opciones con teclas de verdad: el 4 la abre y se ve; el
# volumen baja dos pasos y el disparo pasa a Control_L pulsándola; Escape
# vuelve al menú y el archivo de ajustes lo guarda; la partida dispara con
# Control_L y no con Espacio; una tecla fija se rechaza con su línea a la
# vista; y sin la hoja de letras el arranque da el error de archivos.
source "$(dirname "$0")/comun.sh" "$@"

AJUSTES="$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg"
# Las entradas, de arriba abajo y sin mando: volumen, silencio, modo, escala
# y las seis teclas; el disparo es la novena.
BAJADAS_A_DISPARO=8
# La línea de avisos, bajo las dos columnas, el naranja de un rechazo y el
# amarillo de lo que se espera.
LINEA_AVISOS=584x22+28+324
NARANJA='rgb(240,132,40)'
AMARILLO='rgb(255,214,64)'
# La fila del disparo (la quinta de las teclas) y la franja verde de la elegida.
FILA_DISPARO=314x21+302+189
FRANJA='rgb(40,96,56)'

ajuste() {
    sed -n "s/^$1 *= *//p" "$AJUSTES"
}

# Y comprueba que la franja de la elegida está en su fila.
irADisparo() {
    for _ in $(seq $BAJADAS_A_DISPARO); do pulsar Down; done
    esperarColor "$FILA_DISPARO" "$FRANJA" 3000 ||
        fallar "tras $BAJADAS_A_DISPARO bajadas el disparo no está elegido ($PIXELES píxeles de la franja en su fila)"
    paso "el disparo está elegido: $PIXELES píxeles de la franja en su fila"
}

# Intro en el disparo: la línea de avisos pide la tecla, en amarillo.
esperarTecla() {
    pulsar Return
    esperarColor "$LINEA_AVISOS" "$AMARILLO" 100 ||
        fallar "Intro en el disparo no pide la tecla ($PIXELES píxeles amarillos en los avisos)"
}

iniciarX
copiarJuego
quitarEnemigos
llegarAlMenu
pulsar 4
esperarPanel opciones.bmp 5
paso "el 4 abre las opciones"

pulsar Left
pulsar Left
irADisparo
esperarTecla
pulsar Control_L
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
paso "volumen dos pasos abajo, disparo en Control_L, y Escape vuelve al menú"
[ "$(ajuste volumen)" = 8 ] && [ "$(ajuste disparo)" = Control_L ] ||
    fallar "el archivo de ajustes no lo guardó: $(cat "$AJUSTES" 2>/dev/null)"
paso "el archivo dice volumen = 8 y disparo = Control_L"

disparaSoloCon Control_L
paso "la partida dispara con Control_L y no con Espacio"

pulsar 4
esperarPanel opciones.bmp 5
irADisparo
esperarTecla
[ "$(pixelesDe "$TRABAJO/color.png" "$LINEA_AVISOS" "$NARANJA")" -eq 0 ] ||
    fallar "la línea de avisos ya era naranja antes del rechazo"
pulsar Escape
esperarColor "$LINEA_AVISOS" "$NARANJA" 100 ||
    fallar "Escape al esperar tecla no dejó a la vista su rechazo ($PIXELES píxeles naranjas)"
naranja=$PIXELES
[ "$(ajuste disparo)" = Control_L ] || fallar "la tecla fija cambió el disparo: $(cat "$AJUSTES")"
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
paso "Escape como tecla de una acción se rechaza con su línea ($naranja píxeles naranjas) y no cambia nada"

rm "$JUEGO/graphics/letras.bmp"
lanzarJuego
esperarAvisoDeArchivos "sin letras.bmp"
aceptarAvisoYSalirConUno "sin letras.bmp"

#!/usr/bin/env bash
# Escape acaba la partida y vuelve al menú, que sigue atendiendo (la 3 sale
# con 0). El botón de cerrar de la ventana acaba el programa con 0 desde la
# presentación, desde el menú y en plena partida.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego

llegarAlMenu
empezarPartida
sleep 1
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
paso "Escape: vuelve el menú"
sleep 0.5
kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó tras volver al menú"
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 tras la partida devolvió $ESTADO"
paso "tecla 3: estado 0"

# Cierra la ventana; antes comprueba que el juego seguía vivo ahí.
cerrarYEsperar() {
    local donde=$1
    sleep 0.5
    kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego ya no estaba vivo en $donde"
    cerrarVentana
    esperarFin 5
    [ "$ESTADO" -eq 0 ] || fallar "cerrar la ventana en $donde devolvió $ESTADO"
    paso "botón de cerrar en $donde: estado 0"
}

lanzarJuego
esperarVentana "Escuadr"
esperarPantalla "$JUEGO/graphics/pelmora.bmp"
cerrarYEsperar "la presentación"

llegarAlMenu
cerrarYEsperar "el menú"

llegarAlMenu
empezarPartida
cerrarYEsperar "la partida"

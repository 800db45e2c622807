#!/usr/bin/env bash
# En el menú, la tecla 2 vuelve al menú (no tiene pantalla propia); el
# programa sigue respondiendo y sale con la 3.
source "$(dirname "$0")/comun.sh" "$1"

iniciarX
copiarJuego
lanzarJuego
esperarVentana "Escuadr"
esperarPantalla "$JUEGO/graphics/pelmora.bmp"
pulsar space
esperarPantalla "$JUEGO/graphics/main.bmp" 8

for tecla in 2 2; do
    pulsar "$tecla"
    sleep 0.5
    kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó tras la tecla $tecla"
    esperarPantalla "$JUEGO/graphics/main.bmp" 3
    paso "tras la tecla $tecla vuelve el menú"
done

pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"

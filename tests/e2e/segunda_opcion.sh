#!/usr/bin/env bash
# En el menú, la tecla 2 es la segunda opción: no tiene pantalla propia y
# vuelve al menú, que se carga y se muestra otra vez. Sostenida, lo repite en
# cada vuelta (el menú no espera a que se suelte): el juego lee main.bmp una
# y otra vez, cosa que sin la opción no pasa. Luego sale con la 3.
source "$(dirname "$0")/comun.sh" "$1"

iniciarX
copiarJuego
lanzarJuego
esperarVentana "Escuadr"
esperarPantalla "$JUEGO/graphics/pelmora.bmp"
pulsar space
esperarPantalla "$JUEGO/graphics/main.bmp" 8

# Bytes que el juego ha leído hasta ahora, de archivos y de la conexión con X.
leidos() {
    awk '/^rchar:/ { print $2 }' "/proc/$PID_JUEGO/io"
}
medida=$(stat -c %s "$JUEGO/graphics/main.bmp")

# Sin tocar nada, el menú apenas lee.
antes=$(leidos)
sleep 1
quieto=$(( $(leidos) - antes ))
paso "en el menú quieto el juego lee $quieto bytes en 1 s"
[ "$quieto" -lt "$medida" ] || fallar "en el menú quieto el juego lee $quieto bytes: la medida no valdría"

xdotool windowfocus --sync "$WID"
antes=$(leidos)
xdotool keydown 2
sleep 1
xdotool keyup 2
veces=$(( ($(leidos) - antes) / medida ))
paso "con la tecla 2 sostenida 1 s, main.bmp se leyó unas $veces veces"
[ "$veces" -ge 5 ] || fallar "la tecla 2 no vuelve a cargar el menú (main.bmp leído $veces veces)"

sleep 0.3
kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó tras la tecla 2"
esperarPantalla "$JUEGO/graphics/main.bmp" 3
pulsar 2
esperarPantalla "$JUEGO/graphics/main.bmp" 3
paso "tras soltar la 2, y tras otra pulsación, sigue el menú"

pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"

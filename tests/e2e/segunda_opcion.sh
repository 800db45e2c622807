#!/usr/bin/env bash
# En el menú, la tecla 2 es la segunda opción: no tiene pantalla propia y
# vuelve al menú, que se carga y se muestra otra vez. Sostenida, lo repite en
# cada vuelta (el menú no espera a que se suelte): el juego lee main.bmp una
# y otra vez, cosa que el menú quieto no hace. Luego sale con la 3.
source "$(dirname "$0")/comun.sh" "$1"

iniciarX
copiarJuego
llegarAlMenu

# Veces que cabe main.bmp en lo que el juego lee (archivos y X) en 1 s,
# con la tecla dada sostenida o, sin tecla, quieto.
lecturasDelMenu() {
    local antes
    xdotool windowfocus --sync "$WID"
    antes=$(awk '/^rchar:/ { print $2 }' "/proc/$PID_JUEGO/io")
    [ -z "${1:-}" ] || xdotool keydown "$1"
    sleep 1
    [ -z "${1:-}" ] || xdotool keyup "$1"
    echo $(( ($(awk '/^rchar:/ { print $2 }' "/proc/$PID_JUEGO/io") - antes) / $(stat -c %s "$JUEGO/graphics/main.bmp") ))
}
quieto=$(lecturasDelMenu)
veces=$(lecturasDelMenu 2)
paso "main.bmp leído en 1 s: $quieto veces con el menú quieto, $veces con la 2 sostenida"
[ "$quieto" -eq 0 ] || fallar "el menú quieto ya lee main.bmp $quieto veces: la medida no valdría"
[ "$veces" -ge 5 ] || fallar "la tecla 2 no vuelve a cargar el menú (main.bmp leído $veces veces)"

sleep 0.3
esperarPantalla "$JUEGO/graphics/main.bmp" 3
paso "tras soltar la 2 sigue el menú"
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"

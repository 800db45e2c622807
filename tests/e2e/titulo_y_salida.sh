#!/usr/bin/env bash
# Presentación → Espacio → menú → 3: el juego se cierra con estado 0. El
# Espacio aún pulsado al empezar la espera del título la acaba en el acto.
source "$(dirname "$0")/comun.sh" "$1"

iniciarX
copiarJuego
lanzarJuego
esperarVentana "Escuadr"
paso "ventana $WID: $(xdotool getwindowname "$WID"), $(xdotool getwindowgeometry "$WID" | grep Geometry)"
xdotool getwindowgeometry "$WID" | grep -q 'Geometry: 640x480' || fallar "la ventana no mide 640x480"

esperarPantalla "$JUEGO/graphics/pelmora.bmp"
paso "se ve la presentación"
sleep 1
capturar "$TRABAJO/sigue.png"
[ "$(diferencias "$TRABAJO/sigue.png" "$JUEGO/graphics/pelmora.bmp")" -lt 3072 ] || fallar "la presentación no espera al Espacio"

inicio=$(date +%s%N)
xdotool windowfocus --sync "$WID"
xdotool keydown space
esperarPantalla "$JUEGO/graphics/main.bmp" 4
xdotool keyup space
ms=$(( ($(date +%s%N) - inicio) / 1000000 ))
paso "menú a los $ms ms de pulsar Espacio"
# La espera entera son 500 ticks, que nunca pasan en menos de 5 s de reloj
# por cargada que esté la máquina; acortada, el menú llega antes (2-3 s
# con la máquina muy cargada).
[ "$ms" -lt 4500 ] || fallar "el Espacio sostenido no acortó la espera del título ($ms ms)"

pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
paso "salida limpia con estado 0"

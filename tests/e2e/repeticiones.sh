#!/usr/bin/env bash
# Una partida de verdad, con teclas, queda grabada; --verificar la rehace sin
# pantalla y sale con 0; con un byte cambiado sale con 1 o 2 y lo dice; y
# --repeticion la muestra en la ventana con su rótulo y sale al acabar.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
llegarAlMenu
empezarPartida
xdotool windowfocus --sync "$WID"
xdotool keydown Right
sleep 0.4
xdotool keyup Right
for _ in 1 2 3 4 5; do
    xdotool keydown space
    sleep 0.1
    xdotool keyup space
    sleep 0.2
done
xdotool keydown Up
sleep 0.3
xdotool keyup Up
sleep 1.5
volverAlMenuYSalir
grabadas=("$XDG_DATA_HOME"/escuadron-rana/repeticiones/*.rep)
GRABADA=${grabadas[0]}
[ -f "$GRABADA" ] || fallar "la partida no quedó grabada"
paso "partida grabada: $(basename "$GRABADA"), $(stat -c %s "$GRABADA") bytes"

verificar() {
    (cd "$JUEGO" && env -u DISPLAY ./escuadron-rana --verificar "$@")
}
salida=$(verificar "$GRABADA")
estado=$?
paso "--verificar sin pantalla: $salida (estado $estado)"
[ "$estado" -eq 0 ] && grep -q "coincide" <<<"$salida" || fallar "la partida grabada no se rehace igual"

# Un byte de en medio cambiado: la suma del archivo ya no cuadra.
cp "$GRABADA" "$TRABAJO/tocada.rep"
medio=$(($(stat -c %s "$GRABADA") / 2))
original=$(od -An -tu1 -j "$medio" -N1 "$GRABADA" | tr -d ' ')
printf "\\$(printf '%03o' $(( (original + 1) % 256 )))" | dd of="$TRABAJO/tocada.rep" bs=1 seek="$medio" conv=notrunc status=none
salida=$(verificar "$TRABAJO/tocada.rep")
estado=$?
paso "con el byte $medio cambiado: $salida (estado $estado)"
[ "$estado" -eq 1 ] || [ "$estado" -eq 2 ] || fallar "un archivo tocado sale con $estado"
grep -q "tocada.rep: " <<<"$salida" || fallar "no dice qué le pasa al archivo tocado"

# Vista en la ventana: el rótulo blanco arriba a la izquierda, y al acabar sale con 0.
lanzarJuego --repeticion "$GRABADA"
esperarVentana "Escuadr"
sleep 1
capturar "$TRABAJO/repeticion.png" || fallar "no se pudo capturar la repetición"
blancos=$(convert "$TRABAJO/repeticion.png" -crop 90x10+6+6 +repage -fuzz 10% -fill black +opaque white \
    -fill white -opaque white -format '%[fx:mean*w*h]' info: | cuentaEntera)
paso "la repetición en la ventana: $blancos píxeles blancos en el rótulo"
[ "$blancos" -gt 40 ] 2>/dev/null || fallar "no se ve el rótulo de la repetición"
esperarFin 15
[ "$ESTADO" -eq 0 ] || fallar "la repetición acabó con estado $ESTADO"
paso "la repetición acaba sola y sale con 0"

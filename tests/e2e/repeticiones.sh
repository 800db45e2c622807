#!/usr/bin/env bash
# Una partida de verdad, con teclas, queda grabada; --verificar la rehace sin
# pantalla y sale con 0; con un byte cambiado sale con 2 porque la suma no cuadra;
# grabada con otras reglas, --verificar y --repeticion la rechazan con 2;
# --repeticion la muestra en la ventana con su rótulo y sale al acabar; y 30 s
# de menú sin tocar nada ponen la demo, que deja el 1 sin empezar partida.
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

# Un byte del resumen final cambiado (los 8 bytes antes de la suma): el
# archivo se lee entero, y solo la suma dice que está dañado; sin ella se
# rehace la partida y se aparta en el final, con 1.
cp "$GRABADA" "$TRABAJO/tocada.rep"
tocado=$(($(stat -c %s "$GRABADA") - 12))
original=$(od -An -tu1 -j "$tocado" -N1 "$GRABADA" | tr -d ' ')
printf "\\$(printf '%03o' $(( (original + 1) % 256 )))" | dd of="$TRABAJO/tocada.rep" bs=1 seek="$tocado" conv=notrunc status=none
salida=$(verificar "$TRABAJO/tocada.rep")
estado=$?
paso "con el byte $tocado cambiado: $salida (estado $estado)"
motivo="$TRABAJO/tocada.rep: no es una repetición válida: la suma de comprobación no cuadra: el archivo está dañado"
[ "$estado" -eq 2 ] && grep -qxF "$motivo" <<<"$salida" || fallar "el archivo tocado sale con $estado y dice: $salida"

# Los mismos bytes con otra versión de las reglas (los dos bytes tras la del
# formato) y la suma rehecha: FNV-1a de 64 bits de todo menos los 8 últimos.
conReglas() {
    local reglas=$1 origen=$2 destino=$3 tamano h=$((0xCBF29CE484222325)) b i
    tamano=$(stat -c %s "$origen")
    { head -c 10 "$origen"; printf "\\$(printf '%03o' "$reglas")\\000"; tail -c +13 "$origen" | head -c $((tamano - 20)); } > "$destino.sin"
    for b in $(od -An -v -tu1 "$destino.sin"); do
        h=$(( (h ^ b) * 0x100000001B3 ))
    done
    for ((i = 0; i < 8; ++i)); do
        printf "\\$(printf '%03o' $(( (h >> (8 * i)) & 255 )))"
    done | cat "$destino.sin" - > "$destino"
}
conReglas 1 "$GRABADA" "$TRABAJO/reglas1.rep"
salida=$(verificar "$TRABAJO/reglas1.rep")
estado=$?
paso "con las reglas 1: $salida (estado $estado)"
[ "$estado" -eq 2 ] && grep -qxF "$TRABAJO/reglas1.rep: grabada con las reglas 1; este juego tiene las 2" <<<"$salida" &&
    grep -qxF "$TRABAJO/reglas1.rep: grabada por la versión 0.1.0 del juego" <<<"$salida" ||
    fallar "una repetición de otras reglas sale con $estado y dice: $salida"
salida=$(cd "$JUEGO" && env -u DISPLAY ./escuadron-rana --repeticion "$TRABAJO/reglas1.rep" 2>&1)
estado=$?
[ "$estado" -eq 2 ] && grep -qF "grabada con las reglas 1; este juego tiene las 2" <<<"$salida" ||
    fallar "--repeticion de otras reglas sale con $estado y dice: $salida"
paso "--repeticion también la rechaza: $salida"

# Vista en la ventana: el rótulo blanco arriba a la izquierda, y al acabar sale con 0.
lanzarJuego --repeticion "$GRABADA"
esperarVentana "Escuadr"
sleep 1
blancos=$(blancosDelRotulo)
paso "la repetición en la ventana: $blancos píxeles blancos en el rótulo"
[ "$blancos" -gt 40 ] 2>/dev/null || fallar "no se ve el rótulo de la repetición"
esperarFin 15
[ "$ESTADO" -eq 0 ] || fallar "la repetición acabó con estado $ESTADO"
paso "la repetición acaba sola y sale con 0"

llegarAlMenu
sleep 28
esperarPantalla "$JUEGO/graphics/main.bmp" 1
sleep 4
blancos=$(blancosDelRotulo)
paso "32 s de menú quieto: $blancos píxeles blancos en el rótulo de la demo"
[ "$blancos" -gt 20 ] 2>/dev/null || fallar "tras 32 s de menú quieto no hay demo"
pulsar 1
esperarPantalla "$JUEGO/graphics/main.bmp" 3
sleep 1
esperarPantalla "$JUEGO/graphics/main.bmp" 1
paso "el 1 acaba la demo y el menú vuelve sin empezar partida"
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"

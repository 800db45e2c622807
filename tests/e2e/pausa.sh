#!/usr/bin/env bash
# P pausa la partida: la ventana se queda quieta, el juego duerme y P la
# reanuda. Otra ventana que se lleva el foco también la pausa, y las teclas
# que se soltaron fuera no siguen pulsadas al volver. Escape sale de la pausa.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
quitarEnemigos
llegarAlMenu
empezarPartida
sleep 1

HZ=$(getconf CLK_TCK)
cpuJuego() { sed 's/^.*) //' "/proc/$PID_JUEGO/stat" | awk '{ print $12 + $13 }'; }

# Píxeles distintos entre dos capturas de la ventana tomadas con 1 s entre medias.
cambioEnUnSegundo() {
    local d
    for _ in 1 2 3; do
        capturar "$TRABAJO/a.png"
        sleep 1
        capturar "$TRABAJO/b.png"
        d=$(compare -metric AE "$TRABAJO/a.png" "$TRABAJO/b.png" null: 2>&1)
        [[ "$d" =~ ^[0-9]+$ ]] && break
        echo "-- captura fallida: $d" >&2
    done
    echo "$d"
}

d=$(cambioEnUnSegundo)
paso "jugando: $d píxeles cambian en 1 s"
[ "${d%.*}" -gt 1000 ] || fallar "la partida no se mueve antes de pausar ($d)"

pulsar p
sleep 0.3
d=$(cambioEnUnSegundo)
d2=$(cambioEnUnSegundo)
paso "en pausa: $d y $d2 píxeles cambian en 1 s"
[ "$d" = 0 ] && [ "$d2" = 0 ] || fallar "en pausa la ventana cambia ($d, $d2 píxeles)"
# Lo que gasta el juego mientras nadie le toca.
cpu0=$(cpuJuego); t0=$(date +%s%N)
sleep 4
cpu1=$(cpuJuego); t1=$(date +%s%N)
porcentaje=$(awk -v c=$((cpu1 - cpu0)) -v hz="$HZ" -v ns=$((t1 - t0)) 'BEGIN { printf "%.2f", 100 * c / hz / (ns / 1e9) }')
paso "CPU en pausa: $((cpu1 - cpu0)) ticks de $HZ Hz en $(( (t1 - t0) / 1000000 )) ms = $porcentaje % de un núcleo"
awk -v p="$porcentaje" 'BEGIN { exit !(p < 2) }' || fallar "en pausa el juego gasta $porcentaje % de un núcleo"

pulsar p
sleep 0.3
d=$(cambioEnUnSegundo)
paso "reanudada: $d píxeles cambian en 1 s"
[ "${d%.*}" -gt 1000 ] || fallar "P no reanudó la partida ($d)"

# La rana va a la derecha con la flecha pulsada cuando otra ventana se lleva
# el foco; la flecha se suelta allí.
OTRA_PID=""
xmessage -geometry 200x50+700+600 "otra ventana" >/dev/null 2>&1 &
OTRA_PID=$!
trap 'kill $OTRA_PID 2>/dev/null; limpiar' EXIT
for _ in $(seq 50); do
    OTRA=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n 1)
    [ -n "$OTRA" ] && break
    sleep 0.1
done
[ -n "$OTRA" ] || fallar "no apareció la otra ventana"
xdotool windowfocus --sync "$WID"
xdotool keydown Right
sleep 0.3
xdotool windowfocus --sync "$OTRA"
xdotool keyup Right
sleep 0.3
d=$(cambioEnUnSegundo)
paso "con el foco en otra ventana: $d píxeles cambian en 1 s"
[ "$d" = 0 ] || fallar "perder el foco no pausó la partida ($d)"

# Volver a la ventana no reanuda: hace falta P.
xdotool windowfocus --sync "$WID"
sleep 0.3
d=$(cambioEnUnSegundo)
paso "con el foco de vuelta: $d píxeles cambian en 1 s"
[ "$d" = 0 ] || fallar "recuperar el foco reanudó la partida sin P ($d)"
pulsar p
sleep 0.3
capturar "$TRABAJO/r1.png"
sleep 1
capturar "$TRABAJO/r2.png"
c1=$(cajaRana "$TRABAJO/r1.png"); c2=$(cajaRana "$TRABAJO/r2.png")
paso "rana tras reanudar: $c1, 1 s después $c2"
# El aleteo cambia un poco la caja; la flecha pulsada la llevaría 200 px en 1 s.
centroX() { [[ "$1" =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+ ]] && echo $(( BASH_REMATCH[2] + BASH_REMATCH[1] / 2 )); }
x1=$(centroX "$c1"); x2=$(centroX "$c2")
[ -n "$x1" ] && [ -n "$x2" ] || fallar "no se ve la rana ($c1, $c2)"
[ $(( x2 - x1 )) -lt 20 ] || fallar "la rana sigue yendo a la derecha con la flecha soltada fuera ($c1 → $c2)"

kill "$OTRA_PID" 2>/dev/null
# Escape acaba la partida también en pausa.
pulsar p
sleep 0.3
volverAlMenuYSalir

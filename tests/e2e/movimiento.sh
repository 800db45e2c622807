#!/usr/bin/env bash
# La flecha derecha sostenida mueve la rana a 2 píxeles por tick: medio
# segundo son unos 100 píxeles a la derecha, y la altura no cambia. La rana
# se busca en las capturas por su verde, que no está en ningún otro dibujo.
# Al acabar, la partida queda grabada como repetición.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
quitarEnemigos
llegarAlMenu
empezarPartida

# Dónde queda el verde dentro del primer cuadro de la hoja de la rana.
convert "$JUEGO/graphics/rana.bmp" -crop 100x50+0+0 +repage "$TRABAJO/cuadro0.png"
posicionRana "$TRABAJO/cuadro0.png"; hx=$PX; hy=$PY

disparoConCaptura
esperarCaptura "$JUEGO/snap0.bmp"
posicionRana "$JUEGO/snap0.bmp"; x0=$PX; y0=$PY
paso "rana quieta: borde derecho $x0, borde de arriba $y0 (caja $(cajaRana "$JUEGO/snap0.bmp"))"
# Empieza con la esquina del dibujo en (100, 200).
[ "$x0" -eq $((100 + hx)) ] && [ "$y0" -eq $((200 + hy)) ] \
    || fallar "la rana no empieza en (100, 200): sus bordes están en ($x0, $y0), no en ($((100 + hx)), $((200 + hy)))"

# Quieta no se mueve: otra captura, un segundo después, la ve en el mismo sitio.
sleep 1.2
disparoConCaptura
esperarCaptura "$JUEGO/snap1.bmp"
posicionRana "$JUEGO/snap1.bmp"; x1=$PX; y1=$PY
paso "un segundo después, sin flechas: ($x1, $y1)"
[ "$x1" -eq "$x0" ] && [ "$y1" -eq "$y0" ] || fallar "la rana se movió sola"

# Con los disparos ya fuera, medio segundo de flecha derecha.
sleep 1.2
xdotool windowfocus --sync "$WID"
inicio=$(date +%s%N)
xdotool keydown Right
sleep 0.5
xdotool keyup Right
ms=$(( ($(date +%s%N) - inicio) / 1000000 ))
sleep 0.3
disparoConCaptura
esperarCaptura "$JUEGO/snap2.bmp"
posicionRana "$JUEGO/snap2.bmp"; x2=$PX; y2=$PY
dx=$((x2 - x1))
paso "flecha derecha durante ~$ms ms: ($x2, $y2), $dx píxeles a la derecha"
[ "$dx" -ge 70 ] && [ "$dx" -le 140 ] || fallar "con medio segundo de flecha la rana se movió $dx píxeles (se esperaban unos 100)"
[ "$y2" -eq "$y1" ] || fallar "la flecha derecha cambió la altura de $y1 a $y2"

volverAlMenuYSalir

# La partida, acabada con Escape, quedó grabada como repetición.
grabadas=("$XDG_DATA_HOME"/escuadron-rana/repeticiones/*.rep)
[ -f "${grabadas[0]}" ] && [ "$(head -c 7 "${grabadas[0]}")" = RANAREP ] ||
    fallar "la partida no quedó grabada en $XDG_DATA_HOME/escuadron-rana/repeticiones"
paso "partida grabada en $(basename "${grabadas[0]}"), $(stat -c %s "${grabadas[0]}") bytes"

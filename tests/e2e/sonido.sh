#!/usr/bin/env bash
# La música se oye: el arranque de sonido del juego toca musics/fase1.mid y
# lo que sale por ALSA se graba en un archivo que sox mide.
source "$(dirname "$0")/comun.sh" "$1"
PRUEBA_SONIDO=$2

iniciarX
copiarJuego
grabarSonidoEn "$TRABAJO/salida.raw"
(cd "$JUEGO" && timeout 60 "$PRUEBA_SONIDO") >"$TRABAJO/prueba.txt" 2>&1 \
    || { cat "$TRABAJO/prueba.txt"; fallar "la prueba de sonido no terminó bien"; }
grep '^midi:' "$TRABAJO/prueba.txt"
[ -s "$TRABAJO/salida.raw" ] || fallar "no salió nada por ALSA"
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$TRABAJO/salida.raw" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
paso "RMS de lo grabado: $rms"
awk -v r="$rms" 'BEGIN { exit !(r > 0.05) }' || fallar "la música no se oye (RMS $rms)"

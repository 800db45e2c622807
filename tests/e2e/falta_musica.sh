#!/usr/bin/env bash
# Sin musics/fase1.mid el juego avisa "Error en el sistema de archivos" en una
# ventana X y por stderr, no muestra la presentación, y tras aceptar sale con 1.
source "$(dirname "$0")/comun.sh" "$1"

iniciarX
copiarJuego
rm "$JUEGO/musics/fase1.mid"
lanzarJuego
esperarAvisoDeArchivos "sin fase1.mid"
paso "aviso del juego en la ventana $WID"

# La pantalla ya está abierta cuando falla la música: sigue en negro.
JUEGO_WID=$(xdotool search --onlyvisible --name "Escuadr" | head -n 1)
[ -n "$JUEGO_WID" ] || fallar "no está la ventana del juego detrás del aviso"
import -window "$JUEGO_WID" "png:$TRABAJO/fondo.png" 2>/dev/null
brillo=$(convert "$TRABAJO/fondo.png" -colorspace gray -format '%[fx:mean]' info:)
paso "brillo medio de la ventana del juego: $brillo"
awk -v b="$brillo" 'BEGIN { exit !(b < 0.01) }' || fallar "la ventana del juego no está en negro"

sleep 1
aceptarAvisoYSalirConUno "sin fase1.mid"

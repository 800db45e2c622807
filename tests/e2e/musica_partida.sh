#!/usr/bin/env bash
# Durante la partida suena la música de la fase, y en el menú no suena nada.
# Corre el juego de verdad con su salida ALSA llevada a un archivo, y sox
# mide solo lo grabado en cada tramo.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
grabarSonidoEn "$TRABAJO/salida.raw"
GRABACION="$TRABAJO/salida.raw"

llegarAlMenu
# Lo que suene aún del título al llegar al menú no cuenta.
sleep 0.5
menu=$(posicionGrabacion)
sleep 2
rms_menu=$(rmsDesde "$menu")
bytes_menu=$(( $(posicionGrabacion) - menu ))
paso "menú: $bytes_menu bytes grabados en 2 s, RMS $rms_menu"
[ "$bytes_menu" -gt 0 ] || fallar "en el menú no sale nada por ALSA: la medida de la partida no valdría"
awk -v r="$rms_menu" 'BEGIN { exit !(r < 0.01) }' || fallar "en el menú suena algo (RMS $rms_menu)"

inicio=$(posicionGrabacion)
empezarPartida
sleep 4
kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó durante la partida"
rms=$(rmsDesde "$inicio")
bytes=$(( $(posicionGrabacion) - inicio ))
paso "partida: $bytes bytes grabados, RMS $rms"
[ "$bytes" -gt 400000 ] || fallar "durante la partida apenas se grabó sonido ($bytes bytes)"
awk -v r="$rms" 'BEGIN { exit !(r > 0.05) }' || fallar "la música de la fase no se oye (RMS $rms)"

volverAlMenuYSalir

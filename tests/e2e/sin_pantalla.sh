#!/usr/bin/env bash
# Sin servidor X el juego no puede ni arrancar Allegro: lo dice por stderr,
# no revienta y sale con 1.
source "$(dirname "$0")/comun.sh" "$1"

copiarJuego
(cd "$JUEGO" && env -u DISPLAY timeout 20 ./escuadron-rana >salida 2>errores)
ESTADO=$?
paso "estado $ESTADO"
[ "$ESTADO" -eq 1 ] || fallar "sin pantalla el estado es $ESTADO, no 1"
grep -qx "Error iniciando Allegro" "$JUEGO/errores" || fallar "stderr no dice 'Error iniciando Allegro'"

#!/usr/bin/env bash
# M calla todo el sonido y M otra vez lo devuelve, en el menú y en la fase.
# La salida ALSA del juego va a un archivo y sox mide cada tramo.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
grabarSonidoEn "$TRABAJO/salida.raw"
GRABACION="$TRABAJO/salida.raw"

# RMS de lo que suena durante los próximos 2 s.
medirTramo() {
    local desde
    sleep 0.5
    desde=$(posicionGrabacion)
    sleep 2
    rmsDesde "$desde"
}
seOye() { awk -v r="$1" 'BEGIN { exit !(r > 0.05) }'; }
callado() { awk -v r="$1" 'BEGIN { exit !(r < 0.001) }'; }

llegarAlMenu
# Callado ya en el menú: la partida empieza sin música.
conGuardado pulsar m
empezarPartida
rms=$(medirTramo)
paso "M en el menú, partida empezada: RMS $rms"
callado "$rms" || fallar "con M pulsada en el menú la fase suena (RMS $rms)"

conGuardado pulsar m
rms=$(medirTramo)
paso "M en la fase: RMS $rms"
seOye "$rms" || fallar "M no devolvió la música (RMS $rms)"

conGuardado pulsar m
rms=$(medirTramo)
paso "M otra vez: RMS $rms"
callado "$rms" || fallar "M no calló la música en la fase (RMS $rms)"

conGuardado pulsar m
rms=$(medirTramo)
paso "y otra: RMS $rms"
seOye "$rms" || fallar "la segunda vez M no devolvió la música (RMS $rms)"

volverAlMenuYSalir

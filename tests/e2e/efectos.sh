#!/usr/bin/env bash
# Los efectos de sonido, oídos en la salida ALSA del juego llevada a un
# archivo: con la música de la fase cambiada por una muda y sin enemigos, dos
# segundos de partida quieta no suenan; cada Espacio suena después de
# pulsarlo y no antes; y con M, los Espacios ya no suenan. Un WAV cortado no
# deja arrancar.
source "$(dirname "$0")/comun.sh" "$@"

# 44100 cuadros de 4 bytes por segundo.
BYTES_SEGUNDO=176400

# La amplitud mayor (de 0 a 1) entre dos bytes de la grabación, en PICO. Un
# tramo vacío, o que la grabación no trae entero, no es silencio: falla.
picoEntre() {
    local desde=$1 hasta=$2
    [ "$desde" -ge 0 ] && [ "$hasta" -gt "$desde" ] || fallar "tramo vacío de la grabación: de $desde a $hasta"
    tail -c +$((desde + 1)) "$GRABACION" | head -c $((hasta - desde)) > "$TRABAJO/tramo.raw"
    [ "$(stat -c %s "$TRABAJO/tramo.raw")" -eq $((hasta - desde)) ] ||
        fallar "la grabación no trae entero el tramo de $desde a $hasta"
    PICO=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$TRABAJO/tramo.raw" -n stat 2>&1 |
        awk '/Maximum amplitude/ { print $3 }')
    [[ $PICO =~ ^[0-9.]+$ ]] || fallar "sox no midió el tramo de $desde a $hasta"
}

# Espacio abajo hasta que el juego haya dado unas vueltas con él (con la
# máquina cargada, una pulsación de 0,1 s puede caer entera entre dos
# cuadros) y, con «oir», hasta que suene algo desde que se pulsó, como mucho
# 5 s. Deja en PULSADO dónde iba la grabación al pulsar y en SONO dónde iba
# cuando se oyó (vacío si no).
dispararAhora() {
    local oir=${1:-} paradas
    xdotool windowfocus --sync "$WID"
    PULSADO=$(posicionGrabacion)
    SONO=""
    paradas=$(paradasJuego)
    xdotool keydown space
    for _ in $(seq 50); do
        sleep 0.1
        [ "$(( $(paradasJuego) - paradas ))" -ge 6 ] 2>/dev/null || continue
        [ -n "$oir" ] || break
        local ahora
        ahora=$(posicionGrabacion)
        [ "$ahora" -gt "$PULSADO" ] || continue
        picoEntre "$PULSADO" "$ahora"
        awk -v p="$PICO" 'BEGIN { exit !(p > 0.05) }' && { SONO=$ahora; break; }
    done
    xdotool keyup space
}

# Un MIDI de una pista sin notas que dura diez segundos: cabecera, y la
# pista con solo su final, 1920 pulsos después. Uno que no dura nada, en
# bucle, deja al reproductor de Allegro dando vueltas sin fin.
musicaMuda() {
    printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\5\217\0\377\57\0' > "$1"
}

iniciarX
copiarJuego
musicaMuda "$JUEGO/musics/fase1.mid"
quitarEnemigos
grabarSonidoEn "$TRABAJO/salida.raw"
GRABACION="$TRABAJO/salida.raw"
llegarAlMenu
empezarPartida

sleep 0.5
quieta=$(posicionGrabacion)
sleep 2
picoEntre "$quieta" "$(posicionGrabacion)"
paso "dos segundos de partida sin tocar nada: pico $PICO"
[ "$(posicionGrabacion)" -gt $((quieta + BYTES_SEGUNDO)) ] || fallar "apenas se grabó sonido en la partida"
awk -v p="$PICO" 'BEGIN { exit !(p < 0.01) }' || fallar "la partida quieta suena (pico $PICO)"

# Cada andanada se oye tras la pulsación (en cuanto la ve el juego: en una
# máquina libre, dentro del tercio de segundo), y en el cuarto de segundo
# que la precede no suena nada.
for vez in 1 2 3; do
    sleep 0.7
    dispararAhora oir
    [ -n "$SONO" ] || fallar "el Espacio $vez no suena en 5 s"
    picoEntre $((PULSADO - BYTES_SEGUNDO / 4)) "$PULSADO"
    paso "Espacio $vez: pico $PICO antes de pulsar; suena antes de $(( (SONO - PULSADO) * 1000 / BYTES_SEGUNDO )) ms"
    awk -v a="$PICO" 'BEGIN { exit !(a < 0.01) }' || fallar "antes del Espacio $vez ya sonaba algo (pico $PICO)"
done

conGuardado pulsar m
for vez in 1 2; do
    sleep 0.7
    dispararAhora
    sleep 0.5
    picoEntre "$PULSADO" "$(posicionGrabacion)"
    paso "con M, Espacio $vez: pico $PICO"
    awk -v d="$PICO" 'BEGIN { exit !(d < 0.01) }' || fallar "con M el Espacio sigue sonando (pico $PICO)"
done

volverAlMenuYSalir

# Un efecto cortado a la mitad es un error de archivos al arrancar, como una
# música que falta: aviso, nada de presentación, y sale con 1.
head -c 3000 "$CARPETA_JUEGO/sounds/premio.wav" > "$JUEGO/sounds/premio.wav"
lanzarJuego
esperarAvisoDeArchivos "con premio.wav cortado"
aceptarAvisoYSalirConUno "con premio.wav cortado"

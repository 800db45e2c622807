#!/usr/bin/env bash
# Utilidades de las pruebas de punta a punta: un servidor X propio, el juego
# en una copia de su carpeta, teclas de verdad y capturas de su ventana.
# Uso desde cada prueba: source comun.sh <carpeta-del-juego>
set -u

CARPETA_JUEGO=$(cd "$1" && pwd)
TRABAJO=$(mktemp -d /tmp/rana-e2e.XXXXXX)
JUEGO="$TRABAJO/juego"
XPID=""
WID=""

limpiar() {
    [ -n "${PID_JUEGO:-}" ] && kill "$PID_JUEGO" 2>/dev/null
    pkill -f "$TRABAJO" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
    rm -rf "$TRABAJO"
}
trap limpiar EXIT

fallar() {
    echo "FALLO: $*" >&2
    [ -f "$JUEGO/errores" ] && sed 's/^/  stderr del juego: /' "$JUEGO/errores" | grep -v 'ALSA lib' >&2
    exit 1
}

paso() {
    echo "-- $*"
}

# Un Xvfb en la primera pantalla libre desde :90.
iniciarX() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$TRABAJO/xvfb.log" 2>&1 &
    XPID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fallar "Xvfb no arrancó en $DISPLAY"
}

# Copia del ejecutable y sus recursos, para poder quitar alguno sin tocar el build.
copiarJuego() {
    mkdir -p "$JUEGO"
    cp -r "$CARPETA_JUEGO"/. "$JUEGO"/
}

lanzarJuego() {
    (cd "$JUEGO" && exec ./escuadron-rana >salida 2>errores) &
    PID_JUEGO=$!
}

# Espera la ventana cuyo título contiene el texto dado.
esperarVentana() {
    local titulo=$1 segundos=${2:-10}
    for _ in $(seq $((segundos * 10))); do
        WID=$(xdotool search --onlyvisible --name "$titulo" 2>/dev/null | head -n 1)
        [ -n "$WID" ] && return 0
        kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó antes de abrir la ventana '$titulo'"
        sleep 0.1
    done
    fallar "no apareció la ventana '$titulo'"
}

# Pulsación real: la sondea un bucle, así que se mantiene una décima.
pulsar() {
    xdotool windowfocus --sync "$WID"
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
}

capturar() {
    import -window "$WID" "png:$1" 2>/dev/null
}

# Cuántos píxeles difieren (más de un 6 %) entre la captura y un dibujo.
diferencias() {
    compare -metric AE -fuzz 6% "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# Espera hasta que la ventana muestre el dibujo dado (menos de un 1 % distinto).
esperarPantalla() {
    local dibujo=$1 segundos=${2:-10} captura="$TRABAJO/captura.png"
    for _ in $(seq $((segundos * 5))); do
        if capturar "$captura"; then
            local d
            d=$(diferencias "$captura" "$dibujo")
            [ "${d%.*}" -lt 3072 ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$captura" "/tmp/rana-ultima-captura.png" 2>/dev/null
    fallar "la ventana no muestra $(basename "$dibujo") (última captura en /tmp/rana-ultima-captura.png)"
}

# Espera a que el juego termine y deja su código en ESTADO.
esperarFin() {
    local segundos=${1:-10}
    for _ in $(seq $((segundos * 10))); do
        if ! kill -0 "$PID_JUEGO" 2>/dev/null; then
            wait "$PID_JUEGO"
            ESTADO=$?
            return 0
        fi
        sleep 0.1
    done
    fallar "el juego sigue vivo tras $segundos s"
}

#!/usr/bin/env bash
# Instala lo que falte, compila y mide sin pantalla cuánto cuesta un cuadro
# de la fase con la hoja de losetas generada; antes, bajo un Xvfb propio de
# 1920x1080, lo que cuesta presentarlo a 1x y a 2x.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS
n=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$n" --target recursos bench-fotograma bench-paginas

# Una pantalla libre desde :80; solo se mata el Xvfb propio, por su número.
medirPaginas() {
    local d=80 xvfb
    while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
    Xvfb ":$d" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
        DISPLAY=":$d" xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    DISPLAY=":$d" build/bench/bench-paginas || echo "bench-paginas no pudo medir"
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null || true
}
medirPaginas

hoja=build/bin/graphics/fase1.bmp
if [ -f "$hoja" ]; then
    exec build/bench/bench-fotograma "$hoja"
fi
echo "aún no se genera $hoja: se mide con una hoja sintética"
exec build/bench/bench-fotograma

#!/usr/bin/env bash
# Instala lo que falte, compila y mide sin pantalla cuánto cuesta un cuadro
# de la fase con la hoja de losetas generada; antes, bajo un Xvfb propio de
# 1920x1080, lo que cuesta presentarlo a 1x y a 2x, y la CPU de una partida
# de verdad frente a la del suelo (bench-suelo), con la del servidor X.
# MEDIR_SEGUNDOS (10) es lo que dura cada medida de CPU.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS
n=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$n" --target recursos bench-fotograma bench-paginas bench-suelo escuadron-rana

# Un Xvfb propio de 1920x1080, con la pantalla que él mismo elige.
source scripts/xvfb.sh
medirPaginas() {
    local registro
    registro=$(mktemp)
    if arrancarXvfb 1920x1080x24 "$registro"; then
        build/bench/bench-paginas || echo "bench-paginas no pudo medir"
    else
        echo "Xvfb no arrancó: no se mide la presentación"
        diagnosticoXvfb "$registro"
    fi
    pararXvfb
    rm -f "$registro"
}
medirPaginas

bash bench/cpu_partida.sh build/bin build/bench/bench-suelo || echo "no se pudo medir la CPU de la partida"

hoja=build/bin/graphics/fase1.bmp
if [ -f "$hoja" ]; then
    exec build/bench/bench-fotograma "$hoja"
fi
echo "aún no se genera $hoja: se mide con una hoja sintética"
exec build/bench/bench-fotograma

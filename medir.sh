#!/usr/bin/env bash
# Instala lo que falte, compila y mide sin pantalla cuánto cuesta un cuadro
# de la fase con la hoja de losetas generada.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS
n=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$n" --target recursos bench-fotograma
hoja=build/bin/graphics/fase1.bmp
if [ -f "$hoja" ]; then
    exec build/bench/bench-fotograma "$hoja"
fi
echo "aún no se genera $hoja: se mide con una hoja sintética"
exec build/bench/bench-fotograma

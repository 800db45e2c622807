#!/usr/bin/env bash
# Instala lo que falte, compila y arranca el juego desde su carpeta.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build -j "$(nproc)"
cd build/bin
exec ./escuadron-rana "$@"

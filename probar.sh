#!/usr/bin/env bash
# Instala lo que falte, compila y pasa todas las pruebas: las unitarias, las
# de punta a punta bajo Xvfb y, aparte, las unitarias con ASan y UBSan.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS
n=$(nproc)

echo "== build normal y todas las pruebas"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$n"
ctest --test-dir build --output-on-failure -j "$n"

echo "== pruebas unitarias con AddressSanitizer y UndefinedBehaviorSanitizer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DRANA_SANITIZE=ON
cmake --build build-san -j "$n"
ctest --test-dir build-san --output-on-failure -j "$n" -LE e2e

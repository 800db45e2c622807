#!/usr/bin/env bash
# Una partida es la misma en WebAssembly: bajo node, la demo grabada en Linux
# acaba con la huella de tools/demo.huella (leída de los datos precargados
# de la página), y la tabla de bits de la trigonometría da los de siempre.
# Uso: node.sh <build-web> <tabla_trigonometria.js>
set -uo pipefail
WEB=$(realpath "$1")
TABLA=$(realpath "$2")
HUELLA=$(cat "$(dirname "$0")/../../tools/demo.huella")
export NODE_PATH=/usr/share/nodejs
fallos=0

salida=$(cd "$WEB" && node escuadron-rana.js --verificar demos/demo.rep 2>&1)
estado=$?
echo "$salida"
if [ "$estado" -ne 0 ] || ! grep -q "huella final $HUELLA, coincide" <<< "$salida"; then
    echo "FALLO: la demo en WebAssembly no acaba con la huella $HUELLA (salió con $estado)" >&2
    fallos=$((fallos + 1))
fi

node "$TABLA" || { echo "FALLO: la tabla de la trigonometría en WebAssembly no da los bits esperados" >&2; fallos=$((fallos + 1)); }

echo "$((2 - fallos)) passed, $fallos failed"
[ "$fallos" -eq 0 ]

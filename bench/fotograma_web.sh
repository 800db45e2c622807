#!/usr/bin/env bash
# El cuadro de la fase de bench-fotograma en Linux y en WebAssembly bajo node,
# turnándose en la misma máquina (Linux, node, Linux, node), con la hoja de
# losetas sintética en los dos: de cada medida, la mejor de las dos tandas de
# cada uno y cuántas veces cuesta más en WebAssembly.
# Uso: bench/fotograma_web.sh [build] [build-web]
set -euo pipefail
cd "$(dirname "$0")/.."
LINUX=${1:-build}
WEB=${2:-build-web}
export NODE_PATH=/usr/share/nodejs

cmake --build "$LINUX" --target bench-fotograma > /dev/null
cmake --build "$WEB/emscripten" --target bench-fotograma > /dev/null
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT

for tanda in 1 2; do
    echo "tanda $tanda: Linux"
    "$LINUX/bench/bench-fotograma" > "$trabajo/linux$tanda.txt"
    echo "tanda $tanda: WebAssembly bajo node $(node --version)"
    (cd "$WEB/emscripten/bench" && node --no-experimental-fetch bench-fotograma.js) > "$trabajo/web$tanda.txt"
done

# Cada medida: su nombre (40 columnas) y los µs por cuadro (la mediana de
# sus rondas).
medidas() {
    LC_ALL=C awk '/µs\/cuadro/ { nombre = substr($0, 1, 40); sub(/ +$/, "", nombre);
                        resto = substr($0, 41); split(resto, c, " "); print nombre "\t" c[1] }' "$@"
}
printf '%-40s %10s %10s %7s\n' medida "Linux µs" "wasm µs" veces
join -t $'\t' <(medidas "$trabajo"/linux*.txt | sort -t $'\t' -k1,1 -k2,2g | sort -s -t $'\t' -u -k1,1) \
              <(medidas "$trabajo"/web*.txt | sort -t $'\t' -k1,1 -k2,2g | sort -s -t $'\t' -u -k1,1) |
    awk -F'\t' '{ printf "%-40s %10.1f %10.1f %6.2f×\n", $1, $2, $3, $3 / $2 }'

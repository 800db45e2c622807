#!/usr/bin/env bash
# Compila los fuzzers de los lectores (libFuzzer con ASan y UBSan, en una
# carpeta aparte con clang++) y pasa cada uno un rato: el del mapa, el de las
# repeticiones, los de los dibujos, los efectos y la música (nuestra
# comprobación y luego el cargador de Allegro) y el del archivo de ajustes.
# Minuto y medio entre todos. Sin argumentos, desde la raíz del repositorio.
set -euo pipefail
cd "$(dirname "$0")/.."
n=$(nproc)

# Un fuzzer en su carpeta (con su diccionario, semillas/ y corpus/), y además
# lo que hallaron antes los fuzzers, si lo hay: falla si encuentra una entrada
# que lo rompa. Lo que pasa de 10 s con una entrada es un cuelgue.
fuzzear() {
    local programa=$1 carpeta=$2 segundos=$3 largo=$4 diccionario=$5 regresion=$6
    shift 6
    mkdir -p "$carpeta/corpus"
    local entradas=("$carpeta/corpus" "$carpeta/semillas")
    [ ! -d "$regresion" ] || entradas+=("$regresion")
    if ! "$carpeta/$programa" -max_total_time="$segundos" -max_len="$largo" -timeout=10 \
            -dict="$carpeta/$diccionario" -artifact_prefix="$carpeta/" -print_final_stats=1 "$@" \
            "${entradas[@]}" > "$carpeta/registro.txt" 2>&1; then
        tail -n 60 "$carpeta/registro.txt"
        echo "el fuzzer encontró un fallo; la entrada que lo provoca está en $carpeta/"
        exit 1
    fi
    echo "$programa:"
    grep -E '^(#[0-9]+[[:space:]]+DONE|Done|stat::average_exec_per_sec)' "$carpeta/registro.txt" || true
}

echo "== fuzzing de los lectores: libFuzzer con ASan y UBSan, 90 s entre todos"
fuzz=build/fuzz
source scripts/cache_compilador.sh
cmake -S . -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRANA_FUZZ=ON -DBUILD_TESTING=OFF \
    "${CACHE_COMPILADOR[@]}"
cmake --build "$fuzz" -j "$n" --target fuzz_lector_mapa fuzz_lector_repeticion \
    fuzz_lector_bmp fuzz_lector_wav fuzz_lector_midi fuzz_lector_ajustes

# El mapa de verdad de la fase también es semilla, si ya se genera.
largo=20000
if [ -f build/bin/maps/fase1.map ]; then
    cp build/bin/maps/fase1.map "$fuzz/fuzz/semillas/fase1.map"
    tam=$(stat -c %s build/bin/maps/fase1.map)
    [ "$tam" -lt $((largo - 4096)) ] || largo=$((tam + 4096))
fi
fuzzear fuzz_lector_mapa "$fuzz/fuzz" 20 "$largo" mapa.dict ""
fuzzear fuzz_lector_repeticion "$fuzz/fuzz/repeticion" 10 4096 repeticion.dict ""
regresion=tests/plataforma/regresion
fuzzear fuzz_lector_bmp "$fuzz/fuzz/bmp" 15 4096 bmp.dict "$regresion/bmp"
fuzzear fuzz_lector_wav "$fuzz/fuzz/wav" 15 4096 wav.dict "$regresion/wav"
fuzzear fuzz_lector_midi "$fuzz/fuzz/midi" 15 8192 midi.dict "$regresion/midi"
# Los avisos de cada archivo roto irían a stderr miles de veces: fuera.
fuzzear fuzz_lector_ajustes "$fuzz/fuzz/ajustes" 15 4096 ajustes.dict tests/ajustes/regresion -close_fd_mask=2

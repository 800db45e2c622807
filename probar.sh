#!/usr/bin/env bash
# Instala lo que falte, compila y pasa todas las pruebas: las unitarias, las
# de punta a punta bajo Xvfb, un minuto de fuzzing del lector de mapas y medio
# del de repeticiones, dos compilaciones del último commit que deben salir
# iguales byte a byte, aparte las unitarias con ASan y UBSan y, al final, el
# juego de Windows: compilado con MinGW-w64 y probado bajo Wine.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS
n=$(nproc)

echo "== build normal y todas las pruebas"
# BUILD_TESTING a mano: jugar.sh lo apaga en la misma carpeta.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j "$n"
ctest --test-dir build --output-on-failure -j "$n"

# Un fuzzer en su carpeta (con mapa.dict o repeticion.dict, semillas/ y
# corpus/): falla la prueba si encuentra una entrada que lo rompa.
fuzzear() {
    local programa=$1 carpeta=$2 segundos=$3 largo=$4 diccionario=$5
    mkdir -p "$carpeta/corpus"
    if ! "$carpeta/$programa" -max_total_time="$segundos" -max_len="$largo" -timeout=10 \
            -dict="$carpeta/$diccionario" -artifact_prefix="$carpeta/" -print_final_stats=1 \
            "$carpeta/corpus" "$carpeta/semillas" > "$carpeta/registro.txt" 2>&1; then
        tail -n 60 "$carpeta/registro.txt"
        echo "el fuzzer encontró un fallo; la entrada que lo provoca está en $carpeta/"
        exit 1
    fi
    grep -E '^(#[0-9]+[[:space:]]+DONE|Done|stat::average_exec_per_sec)' "$carpeta/registro.txt" || true
}

echo "== fuzzing del lector de mapas: libFuzzer con ASan y UBSan, 60 s"
# Carpeta aparte con clang++; solo se compilan los lectores y sus fuzzers.
fuzz=build/fuzz
cmake -S . -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRANA_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build "$fuzz" --target fuzz_lector_mapa -j "$n"
# El mapa de verdad de la fase también es semilla, si ya se genera.
largo=20000
if [ -f build/bin/maps/fase1.map ]; then
    cp build/bin/maps/fase1.map "$fuzz/fuzz/semillas/fase1.map"
    tam=$(stat -c %s build/bin/maps/fase1.map)
    [ "$tam" -lt $((largo - 4096)) ] || largo=$((tam + 4096))
fi
fuzzear fuzz_lector_mapa "$fuzz/fuzz" 60 "$largo" mapa.dict

echo "== fuzzing del lector de repeticiones: libFuzzer con ASan y UBSan, 30 s"
# Las semillas las escribe el codificador al compilar el fuzzer.
cmake --build "$fuzz" --target fuzz_lector_repeticion -j "$n"
fuzzear fuzz_lector_repeticion "$fuzz/fuzz/repeticion" 30 4096 repeticion.dict

echo "== compilaciones reproducibles del último commit"
bash scripts/compilacion_reproducible.sh

echo "== pruebas unitarias con AddressSanitizer y UndefinedBehaviorSanitizer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DRANA_SANITIZE=ON
cmake --build build-san -j "$n"
ctest --test-dir build-san --output-on-failure -j "$n" -LE "e2e|largo"

echo "== Windows: el zip con MinGW-w64 y el juego bajo Wine"
# Sin compilador cruzado o sin Wine esto falla, no se salta.
inicio=$(date +%s)
bash scripts/windows.sh
version=$(sed -n 's/^project(EscuadronRana VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
bash tests/e2e/windows.sh "build-windows/escuadron-rana-$version-windows-x64.zip" build-windows/linux/bin \
    build-windows/cruzada/pruebas/tabla_trigonometria.exe
echo "Windows: $(($(date +%s) - inicio)) s"

#!/usr/bin/env bash
# Instala lo que falte, compila y pasa todas las pruebas: las unitarias, las
# de punta a punta bajo Xvfb, el fuzzing de los lectores, las unitarias con
# ASan y UBSan, el juego de Windows (compilado con MinGW-w64 y probado bajo
# Wine), el del navegador (compilado con Emscripten y probado en Chromium),
# dos compilaciones del último commit que deben salir iguales byte a byte y,
# al final, las que miden ritmo y CPU (etiqueta medida), con la máquina libre.
#
# Las pruebas de punta a punta pasan casi todo el tiempo esperando a una
# ventana: mientras tanto, lo que solo gasta CPU (las otras compilaciones)
# va por detrás con la prioridad más baja, y cede la máquina a las pruebas.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO $PAQUETES_PRUEBAS $PAQUETES_WINDOWS $PAQUETES_WEB
n=$(nproc)
inicio=$SECONDS
tramo() {
    echo "== [$((SECONDS - inicio)) s] $*"
}

tramo "build normal"
# BUILD_TESTING a mano: jugar.sh lo apaga en la misma carpeta.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON > /dev/null
cmake --build build -j "$n"

# Esta compilación, si es la del commit tal cual, es la primera de las dos que
# se comparan byte a byte: se guardan ya su bin/ y su .deb, antes de que las
# pruebas escriban nada al lado.
REGISTROS=build/registros
PRIMERA=$REGISTROS/primera
rm -rf "$PRIMERA"
if [ -z "$(git status --porcelain)" ]; then
    mkdir -p "$PRIMERA/build"
    cp -a build/bin "$PRIMERA/build/bin"
    (cd build && cpack -G DEB -B "$PWD/registros/primera/paquete") > "$REGISTROS/primera.txt" 2>&1 ||
        { tail -n 20 "$REGISTROS/primera.txt"; exit 1; }
    REPRODUCIBLE_PRIMERA="RANA_PRIMERA_COMPILACION=$PWD/$PRIMERA"
else
    REPRODUCIBLE_PRIMERA=
fi

# Por detrás: los sanitizadores, el juego de Windows y el del navegador (con
# los recursos y el juego de Linux de build/) y la compilación reproducible.
# Cada paso deja su registro; el primero que falla para la cadena.
mkdir -p "$REGISTROS"
rm -f "$REGISTROS"/*.listo
porDetras() {
    set -e
    # Con setsid va en su propio grupo del planificador, donde nice no cuenta
    # frente a los demás: se le baja la prioridad al grupo entero.
    echo 19 > /proc/self/autogroup 2> /dev/null || true
    source scripts/cache_compilador.sh
    cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DRANA_SANITIZE=ON "${CACHE_COMPILADOR[@]}" \
        > "$REGISTROS/san.txt" 2>&1
    cmake --build build-san -j "$n" --target unitarias >> "$REGISTROS/san.txt" 2>&1
    echo "-- build-san compilado a los $SECONDS s"
    touch "$REGISTROS/san.listo"
    RANA_LINUX_COMPILADO=build bash scripts/windows.sh > "$REGISTROS/windows.txt" 2>&1
    echo "-- zip de Windows a los $SECONDS s"
    touch "$REGISTROS/windows.listo"
    # web.sh acaba con la demo y la trigonometría en WebAssembly, bajo node.
    RANA_LINUX_COMPILADO=build bash scripts/web.sh > "$REGISTROS/web.txt" 2>&1
    echo "-- página del navegador a los $SECONDS s"
    touch "$REGISTROS/web.listo"
    env $REPRODUCIBLE_PRIMERA bash scripts/compilacion_reproducible.sh > "$REGISTROS/reproducible.txt" 2>&1
    echo "-- compilaciones reproducibles a los $SECONDS s"
}
# En su propio grupo de procesos, para poder pararla entera si algo falla antes.
setsid nice -n 19 bash -c "$(declare -f porDetras); SECONDS=$((SECONDS - inicio)) REGISTROS=$REGISTROS n=$n REPRODUCIBLE_PRIMERA='$REPRODUCIBLE_PRIMERA'; porDetras" \
    > "$REGISTROS/por-detras.txt" 2>&1 &
PID_DETRAS=$!
trap 'kill -- -$PID_DETRAS 2>/dev/null || true' EXIT

tramo "pruebas (menos las que miden)"
# Las de punta a punta esperan casi siempre a su ventana (media CPU entre
# todas): van de dos en dos por núcleo.
ctest --test-dir build --output-on-failure -j $((2 * n)) -LE medida

# Lo que fue por detrás y falló: su registro y fuera.
fallaPorDetras() {
    cat "$REGISTROS/por-detras.txt"
    for registro in san windows web reproducible; do
        [ -f "$REGISTROS/$registro.txt" ] && { echo "-- $registro:"; tail -n 40 "$REGISTROS/$registro.txt"; }
    done
    echo "falló lo que iba por detrás"
    exit 1
}
# esperarPorDetras <paso>: hasta que lo de detrás deja <paso>.listo.
esperarPorDetras() {
    while [ ! -f "$REGISTROS/$1.listo" ] && kill -0 "$PID_DETRAS" 2>/dev/null; do sleep 1; done
    [ -f "$REGISTROS/$1.listo" ] || { wait "$PID_DETRAS" || true; fallaPorDetras; }
}

# El fuzzing va a la vez que las pruebas con sanitizadores: cada fuzzer tiene
# su tiempo contado, así que no tarda más; solo prueba menos entradas.
tramo "fuzzing de los lectores, a la vez que las unitarias con ASan y UBSan"
setsid bash scripts/fuzzear.sh > "$REGISTROS/fuzz.txt" 2>&1 &
PID_FUZZ=$!
trap 'kill -- -$PID_DETRAS -$PID_FUZZ 2>/dev/null || true' EXIT

# En cuanto está el build con sanitizadores, sus pruebas, mientras por detrás
# siguen la compilación de Windows y la reproducible.
esperarPorDetras san
ctest --test-dir build-san --output-on-failure -j "$n" -LE "e2e|largo"
wait "$PID_FUZZ" || { tail -n 70 "$REGISTROS/fuzz.txt"; echo "falló el fuzzing"; exit 1; }
grep -vE '^--|^\[' "$REGISTROS/fuzz.txt" || true

tramo "Windows: el juego bajo Wine, mientras se compila la reproducible"
esperarPorDetras windows
# Sin compilador cruzado o sin Wine esto falla, no se salta.
version=$(sed -n 's/^project(EscuadronRana VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
bash tests/e2e/windows.sh "build-windows/escuadron-rana-$version-windows-x64.zip" build/bin \
    build-windows/cruzada/pruebas/tabla_trigonometria.exe

tramo "el navegador: la página en Chromium"
esperarPorDetras web
grep -E 'passed|coincide|casos' "$REGISTROS/web.txt" || true
bash tests/e2e/navegador.sh build-web build/bin

tramo "esperando a lo que va por detrás"
wait "$PID_DETRAS" || fallaPorDetras
trap - EXIT
cat "$REGISTROS/por-detras.txt"
grep -E '^-- ' "$REGISTROS/reproducible.txt" || true

tramo "pruebas que miden ritmo y CPU, con la máquina libre"
ctest --test-dir build --output-on-failure -L medida

tramo "todo pasó"

#!/usr/bin/env bash
# El juego para el navegador, con el Emscripten de Debian: deja en build-web/
# index.html, escuadron-rana.js, escuadron-rana.wasm y escuadron-rana.data
# (los recursos). Allegro 4 se compila una vez, estática, de las mismas
# fuentes que la de Windows, sin tocarlas, en una carpeta fuera del árbol
# ($RANA_ALLEGRO_WEB, o ~/.cache/escuadron-rana/...), y se reutiliza.
# Con RANA_LINUX_COMPILADO se usa una compilación de Linux ya hecha para los
# recursos, como en scripts/windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/paquetes.sh
source scripts/allegro.sh

SALIDA=$PWD/build-web
# Las herramientas de Emscripten (en JavaScript) buscan acorn entre los
# módulos de Debian, también con un node que no sea el de Debian.
export NODE_PATH=/usr/share/nodejs
# Como mucho dos a la vez: la máquina es pequeña y compartida.
n=$(( $(nproc) < 2 ? $(nproc) : 2 ))

fallar() {
    echo "web.sh: $*" >&2
    exit 1
}

instalar() {
    instalarPaquetes $PAQUETES_JUEGO $PAQUETES_WEB ||
        fallar "no se pudieron instalar los paquetes para compilar para el navegador ($PAQUETES_WEB)"
    command -v emcmake > /dev/null || fallar "no hay emcmake (el paquete emscripten)"
}

# Las copias de memoria con memory.copy de WebAssembly (bulk memory), y los
# bucles de píxeles en vectores de 128 bits: sin eso, el cuadro de la fase
# costaba en node 3,4 veces lo que en Linux, y con eso, 1,6 veces
# (bench/fotograma_web.sh). El juego las toma de web/Allegro.cmake.
WASM_RAPIDO="-mbulk-memory -msimd128"

# Allegro estática y sin ningún driver del sistema: en la página solo hay
# memoria, y lo demás lo hacen los dispositivos del navegador. Sin librt
# aparte: en Emscripten está en la libc. La marca guarda con qué opciones y
# qué Emscripten se compiló.
OPCIONES_ALLEGRO=(-DCMAKE_BUILD_TYPE=Release -DSHARED=OFF -DWANT_MODULES=OFF -DWANT_X11=OFF -DWANT_OSS=OFF
                  -DWANT_ALSA=OFF -DWANT_JACK=OFF -DWANT_SGIAUDIO=OFF -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF
                  -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF
                  -DWANT_DOCS=OFF -DRT_LIBRARY=c "-DCMAKE_C_FLAGS=$WASM_RAPIDO")
compilarAllegro() {
    local prefijo=$1 marca="$1/compilada-con" huella trabajo
    huella=$( (echo "${OPCIONES_ALLEGRO[*]}"; emcc --version | head -n 1) | sha256sum | cut -d' ' -f1)
    if [ -f "$prefijo/lib/liballeg.a" ] && [ "$(cat "$marca" 2>/dev/null)" = "$ALLEGRO_SHA256 $huella" ]; then
        echo "Allegro para el navegador ya está en $prefijo"
        return 0
    fi
    echo "Compilando Allegro $ALLEGRO_VERSION para el navegador en $prefijo"
    trabajo=$(mktemp -d)
    fuentesAllegro
    tar -xzf "$CACHE/$ALLEGRO_TARBALL" -C "$trabajo"
    rm -rf "$prefijo"
    emcmake cmake -S "$trabajo/allegro-$ALLEGRO_VERSION" -B "$trabajo/build" "${OPCIONES_ALLEGRO[@]}" \
        -DCMAKE_INSTALL_PREFIX="$prefijo" > "$trabajo/cmake.log" 2>&1 ||
        { tail -n 30 "$trabajo/cmake.log"; fallar "no se pudo configurar Allegro"; }
    nice -n 19 cmake --build "$trabajo/build" -j "$n" > "$trabajo/build.log" 2>&1 ||
        { tail -n 30 "$trabajo/build.log"; fallar "no se pudo compilar Allegro"; }
    cmake --install "$trabajo/build" > /dev/null
    echo "$ALLEGRO_SHA256 $huella" > "$marca"
    rm -rf "$trabajo"
}

instalar
ALLEGRO_PREFIJO=${RANA_ALLEGRO_WEB:-$CACHE/allegro-$ALLEGRO_VERSION-emscripten}
compilarAllegro "$ALLEGRO_PREFIJO"
[ -n "${RANA_SOLO_ALLEGRO:-}" ] && exit 0

# Los recursos y la demo, de la compilación de Linux: el generador y el piloto
# corren en esta máquina, y lo que escriben es lo mismo en la página.
LINUX=$(realpath -m "${RANA_LINUX_COMPILADO:-$SALIDA/linux}")
echo "== recursos y demo (compilación de Linux en $LINUX)"
if [ -z "${RANA_LINUX_COMPILADO:-}" ]; then
    cmake -S . -B "$LINUX" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > /dev/null
fi
nice -n 19 cmake --build "$LINUX" --target escuadron-rana -j "$n"

echo "== escuadron-rana.js y .wasm (Emscripten)"
source scripts/cache_compilador.sh
emcmake cmake -S . -B "$SALIDA/emscripten" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${CACHE_COMPILADOR[@]}" \
    -DRANA_ALLEGRO_WEB="$ALLEGRO_PREFIJO" -DRANA_RECURSOS="$LINUX/bin" > /dev/null
# Y la tabla de bits de la trigonometría, que se corre en node: los mismos
# bits que en Linux.
nice -n 19 cmake --build "$SALIDA/emscripten" --target escuadron-rana tabla_trigonometria -j "$n"

for archivo in escuadron-rana.js escuadron-rana.wasm escuadron-rana.data; do
    cp "$SALIDA/emscripten/bin/$archivo" "$SALIDA/"
done
cp web/index.html "$SALIDA/"
echo "Hecho: $SALIDA"
(cd "$SALIDA" && ls -l index.html escuadron-rana.js escuadron-rana.wasm escuadron-rana.data)

# La misma partida que en Linux, ya aquí: si no, no hay página que valga.
echo "== la demo y la trigonometría en WebAssembly, bajo node"
bash tests/web/node.sh "$SALIDA" "$SALIDA/emscripten/pruebas/tabla_trigonometria.js"

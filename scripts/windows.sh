#!/usr/bin/env bash
# El juego para Windows de 64 bits, compilado desde esta Debian con MinGW-w64:
# deja build-windows/escuadron-rana-VERSION-windows-x64.zip con el ejecutable
# y sus recursos. Allegro 4 no tiene versión para Windows en Debian: se compila
# una vez, estática, de sus fuentes originales, en una carpeta fuera del árbol
# ($RANA_ALLEGRO_WINDOWS, o ~/.cache/escuadron-rana/...), y se reutiliza. Las
# fuentes las trae apt de los mismos sitios de donde esta máquina ya instala
# paquetes (con su réplica y su proxy), y se guardan en esa caché.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/paquetes.sh
source scripts/allegro.sh

TOOLCHAIN=$PWD/windows/mingw-w64-x86_64.cmake
# Los arreglos a Allegro para que funcione bajo Wine; cada uno dice por qué.
PARCHES=("$PWD"/windows/allegro-*.patch)
SALIDA=$PWD/build-windows
n=$(nproc)

fallar() {
    echo "windows.sh: $*" >&2
    exit 1
}

instalar() {
    # Los recursos los genera la compilación de Linux; el zip, zip.
    instalarPaquetes $PAQUETES_JUEGO $PAQUETES_WINDOWS ||
        fallar "no se pudieron instalar los paquetes para compilar para Windows ($PAQUETES_WINDOWS)"
    command -v x86_64-w64-mingw32-g++-posix > /dev/null ||
        fallar "no hay compilador cruzado x86_64-w64-mingw32-g++-posix"
}

# Allegro estática, sin lo que el juego no usa. La marca guarda con qué
# parches se compiló: si alguno cambia, se compila de nuevo.
compilarAllegro() {
    local prefijo=$1 marca="$1/compilada-con" huella trabajo parche
    huella=$(cat "$TOOLCHAIN" "${PARCHES[@]}" | sha256sum | cut -d' ' -f1)
    if [ -f "$prefijo/lib/liballeg.a" ] && [ "$(cat "$marca" 2>/dev/null)" = "$ALLEGRO_SHA256 $huella" ]; then
        echo "Allegro para Windows ya está en $prefijo"
        return 0
    fi
    echo "Compilando Allegro $ALLEGRO_VERSION para Windows en $prefijo"
    trabajo=$(mktemp -d)
    fuentesAllegro
    tar -xzf "$CACHE/$ALLEGRO_TARBALL" -C "$trabajo"
    for parche in "${PARCHES[@]}"; do
        patch -d "$trabajo/allegro-$ALLEGRO_VERSION" -p1 --quiet < "$parche" ||
            fallar "no se pudo aplicar $(basename "$parche") a Allegro"
    done
    rm -rf "$prefijo"
    cmake -S "$trabajo/allegro-$ALLEGRO_VERSION" -B "$trabajo/build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefijo" -DSHARED=OFF \
        -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF -DWANT_EXAMPLES=OFF \
        -DWANT_TOOLS=OFF -DWANT_TESTS=OFF -DWANT_DOCS=OFF > "$trabajo/cmake.log" 2>&1 ||
        { tail -n 30 "$trabajo/cmake.log"; fallar "no se pudo configurar Allegro"; }
    cmake --build "$trabajo/build" -j "$n" > "$trabajo/build.log" 2>&1 ||
        { tail -n 30 "$trabajo/build.log"; fallar "no se pudo compilar Allegro"; }
    cmake --install "$trabajo/build" > /dev/null
    echo "$ALLEGRO_SHA256 $huella" > "$marca"
    rm -rf "$trabajo"
}

instalar
ALLEGRO_PREFIJO=${RANA_ALLEGRO_WINDOWS:-$CACHE/allegro-$ALLEGRO_VERSION-mingw-w64}
compilarAllegro "$ALLEGRO_PREFIJO"

VERSION=$(sed -n 's/^project(EscuadronRana VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$VERSION" ] || fallar "no se encuentra la versión del proyecto en CMakeLists.txt"

# Los recursos y la demo, de la compilación de Linux: el generador y el piloto
# corren en esta máquina, y lo que escriben es lo mismo para los dos sistemas.
# El juego de Linux queda al lado: la prueba de Windows verifica con él las
# partidas grabadas bajo Wine.
# Con RANA_LINUX_COMPILADO se usa una compilación de Linux ya hecha (la de
# probar.sh): los mismos recursos sin compilar el juego otra vez.
LINUX=$(realpath -m "${RANA_LINUX_COMPILADO:-$SALIDA/linux}")
echo "== recursos y demo (compilación de Linux en $LINUX)"
if [ -z "${RANA_LINUX_COMPILADO:-}" ]; then
    cmake -S . -B "$LINUX" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > /dev/null
fi
cmake --build "$LINUX" --target escuadron-rana -j "$n"
RECURSOS=$LINUX/bin

echo "== escuadron-rana.exe (compilación cruzada)"
source scripts/cache_compilador.sh
cmake -S . -B "$SALIDA/cruzada" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF "${CACHE_COMPILADOR[@]}" -DRANA_ALLEGRO_WINDOWS="$ALLEGRO_PREFIJO" -DRANA_RECURSOS="$RECURSOS" > /dev/null
# Y la tabla de bits de la trigonometría de la partida, que la prueba de
# Windows corre bajo Wine: los mismos bits que en Linux.
cmake --build "$SALIDA/cruzada" --target escuadron-rana tabla_trigonometria -j "$n"

# El zip, con fechas fijas y en orden: dos compilaciones del mismo commit dan
# los mismos bytes. Los textos, con los saltos de línea de Windows.
echo "== zip"
FECHA=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
ZIP=$SALIDA/escuadron-rana-$VERSION-windows-x64.zip
juntar=$SALIDA/zip
rm -rf "$juntar" "$ZIP"
mkdir -p "$juntar"/{graphics,musics,maps,sounds,demos}
# strip pone en la cabecera del ejecutable la hora de ahora, salvo que se la den.
SOURCE_DATE_EPOCH=$FECHA x86_64-w64-mingw32-strip -o "$juntar/escuadron-rana.exe" "$SALIDA/cruzada/bin/escuadron-rana.exe"
cp "$RECURSOS"/graphics/*.bmp "$juntar/graphics/"
# parches.cfg es el índice de instrumentos de freepats para el sintetizador de
# Allegro en Linux: en Windows suena el sintetizador MIDI del sistema.
cp "$RECURSOS"/musics/*.mid "$juntar/musics/"
cp "$RECURSOS"/maps/fase1.map "$juntar/maps/"
cp "$RECURSOS"/sounds/*.wav "$juntar/sounds/"
cp "$RECURSOS"/demos/demo.rep "$juntar/demos/"
sed 's/$/\r/' LICENSE > "$juntar/LICENSE.txt"
sed -e "s/VERSION/$VERSION/" -e 's/$/\r/' windows/LEEME.txt > "$juntar/LEEME.txt"
find "$juntar" -exec touch -h -d "@$FECHA" {} +
(cd "$juntar" && find . -mindepth 1 | LC_ALL=C sort | sed 's|^\./||' | TZ=UTC zip -q -X -D -9 "$ZIP" -@)
echo "Hecho: $ZIP ($(du -h "$ZIP" | cut -f1))"

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

ALLEGRO_VERSION=4.4.3.1
ALLEGRO_TARBALL=allegro4.4_${ALLEGRO_VERSION}.orig.tar.gz
# La huella de las fuentes que Debian publica de Allegro: lo que se baja se
# compara con ella antes de compilar nada.
ALLEGRO_SHA256=ec19dbc9a021244582b4819b3583ee594b50141f9fcf6944a4ed8069cbf8d4d4
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/escuadron-rana
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

huellaBuena() {
    [ -f "$1" ] && echo "$ALLEGRO_SHA256  $1" | sha256sum -c --quiet 2> /dev/null
}

# Las fuentes de los paquetes (deb-src) de los mismos sitios que los binarios
# de esta máquina, en una lista aparte: el apt de la máquina no cambia.
fuentesDeLaMaquina() {
    local lista=$1 partes=$2 archivo
    : > "$lista"
    for archivo in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$archivo" ] && sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$archivo" >> "$lista"
    done
    for archivo in /etc/apt/sources.list.d/*.sources; do
        [ -f "$archivo" ] && sed -E 's/^Types:.*/Types: deb-src/' "$archivo" > "$partes/$(basename "$archivo")"
    done
    return 0
}

# apt-get source con su propio estado en una carpeta temporal: ni toca el de
# la máquina ni necesita ser root. Solo hace falta el .orig.tar.gz; si falla
# otro de los archivos del paquete fuente, no importa.
bajarAllegro() {
    local destino=$1 apt
    apt=$(mktemp -d)
    mkdir -p "$apt/fuentes.d" "$apt/listas/partial" "$apt/cache" "$apt/bajado"
    fuentesDeLaMaquina "$apt/fuentes.list" "$apt/fuentes.d"
    local opciones=(-o Dir::Etc::SourceList="$apt/fuentes.list" -o Dir::Etc::SourceParts="$apt/fuentes.d"
                    -o Dir::State::Lists="$apt/listas" -o Dir::Cache="$apt/cache" -o Debug::NoLocking=1
                    -o APT::Sandbox::User="$(id -un)")
    echo "Bajando las fuentes de Allegro $ALLEGRO_VERSION con apt-get source"
    if ! apt-get "${opciones[@]}" -qq update > "$apt/apt.log" 2>&1; then
        cat "$apt/apt.log" >&2
        rm -rf "$apt"
        fallar "apt-get no pudo leer las fuentes (deb-src) de los sitios de esta máquina"
    fi
    (cd "$apt/bajado" && apt-get "${opciones[@]}" -qq source --download-only allegro4.4) >> "$apt/apt.log" 2>&1 || true
    if ! huellaBuena "$apt/bajado/$ALLEGRO_TARBALL"; then
        cat "$apt/apt.log" >&2
        rm -rf "$apt"
        fallar "apt-get source allegro4.4 no trajo $ALLEGRO_TARBALL con la huella $ALLEGRO_SHA256"
    fi
    mkdir -p "$(dirname "$destino")"
    mv "$apt/bajado/$ALLEGRO_TARBALL" "$destino"
    rm -rf "$apt"
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
    huellaBuena "$CACHE/$ALLEGRO_TARBALL" || bajarAllegro "$CACHE/$ALLEGRO_TARBALL"
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
cmake -S . -B "$SALIDA/cruzada" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DRANA_ALLEGRO_WINDOWS="$ALLEGRO_PREFIJO" -DRANA_RECURSOS="$RECURSOS" > /dev/null
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

#!/usr/bin/env bash
# Compila dos veces el último commit, en dos carpetas distintas y una después
# de otra (con otra zona horaria, otro idioma y otra umask), y comprueba que
# los recursos generados, el ejecutable y el paquete de Debian salen iguales
# byte a byte. Si algo difiere, dice el primer archivo y sale con 1.
# Uso: scripts/compilacion_reproducible.sh [carpeta de trabajo]
# Con RANA_PRIMERA_COMPILACION=carpeta (su build/bin y su paquete/*.deb, de
# este mismo commit sin cambios, cosa que asegura quien la pasa) esa es la
# primera y solo se compila la otra: probar.sh guarda así la que acaba de hacer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/paquetes.sh
instalarPaquetes $PAQUETES_JUEGO git
n=$(nproc)

trabajo=${1:-$(mktemp -d /tmp/rana-reproducible.XXXXXX)}
mkdir -p "$trabajo"
commit=$(git rev-parse HEAD)
echo "== compilaciones reproducibles de $(git log -1 --format='%h %cd' --date=iso)"

# compilar <carpeta>: un clon limpio del commit, compilado y empaquetado.
compilar() {
    local carpeta=$1 inicio=$SECONDS
    rm -rf "$carpeta"
    mkdir -p "$(dirname "$carpeta")"
    git clone --quiet --no-hardlinks . "$carpeta"
    git -C "$carpeta" checkout --quiet "$commit"
    cmake -S "$carpeta" -B "$carpeta/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
        > "$carpeta.registro" 2>&1
    cmake --build "$carpeta/build" -j "$n" >> "$carpeta.registro" 2>&1
    (cd "$carpeta/build" && cpack -G DEB -B "$carpeta/paquete") >> "$carpeta.registro" 2>&1
    echo "-- $carpeta: compilado y empaquetado en $((SECONDS - inicio)) s"
}

a="$trabajo/primera/escuadron-rana"
b="$trabajo/segunda/otra/carpeta/escuadron-rana"
if [ -n "${RANA_PRIMERA_COMPILACION:-}" ]; then
    rm -rf "$a" && mkdir -p "$a"
    cp -a "$RANA_PRIMERA_COMPILACION/." "$a/"
    echo "-- la primera es la de $RANA_PRIMERA_COMPILACION"
else
    compilar "$a" || { tail -n 20 "$a.registro"; exit 1; }
fi
# La segunda, más tarde y en otro entorno: nada de eso debe notarse.
(umask 0002; TZ=Pacific/Auckland LC_ALL=C.UTF-8 compilar "$b") || { tail -n 20 "$b.registro"; exit 1; }

# Lo que se compara: todo lo que deja la compilación en bin/ (el ejecutable y
# los recursos que genera) y el .deb.
lista() {
    (cd "$1/build/bin" && find . -type f | LC_ALL=C sort)
}
if [ "$(lista "$a")" != "$(lista "$b")" ]; then
    diff <(lista "$a") <(lista "$b") | head -n 10
    echo "FALLO: las dos compilaciones no dejan los mismos archivos en bin/"
    exit 1
fi
cuantos=0
for archivo in $(lista "$a"); do
    if ! cmp -s "$a/build/bin/$archivo" "$b/build/bin/$archivo"; then
        echo "FALLO: ${archivo#./} difiere entre las dos compilaciones"
        cmp "$a/build/bin/$archivo" "$b/build/bin/$archivo" | head -n 1 || true
        exit 1
    fi
    cuantos=$((cuantos + 1))
done
echo "-- $cuantos archivos de bin/ iguales byte a byte"

deb_a=$(ls "$a"/paquete/escuadron-rana_*.deb)
deb_b=$(ls "$b"/paquete/escuadron-rana_*.deb)
if ! cmp -s "$deb_a" "$deb_b"; then
    echo "FALLO: $(basename "$deb_a") difiere entre las dos compilaciones"
    # Lo primero que difiere: un archivo de dentro o, si no, sus fechas,
    # dueños o permisos.
    for x in a b; do
        deb=$deb_a; [ $x = b ] && deb=$deb_b
        rm -rf "$trabajo/deb-$x" && dpkg-deb -R "$deb" "$trabajo/deb-$x"
        dpkg-deb -c "$deb" > "$trabajo/deb-$x.lista"
    done
    diff -rq "$trabajo/deb-a" "$trabajo/deb-b" | head -n 1 || true
    diff "$trabajo/deb-a.lista" "$trabajo/deb-b.lista" | head -n 4 || true
    exit 1
fi
echo "-- $(basename "$deb_a") igual byte a byte (sha256 $(sha256sum < "$deb_a" | cut -c1-16)…)"
[ -n "${1:-}" ] || rm -rf "$trabajo"

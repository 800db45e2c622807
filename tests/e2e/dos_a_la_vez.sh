#!/usr/bin/env bash
# Dos pruebas de punta a punta a la vez, cada una con su Xvfb, y otras dos
# en cuanto acaban, cuando las pantallas que dejan aún se están cerrando:
# todas pasan, y las que corren juntas no comparten servidor.
# Uso: dos_a_la_vez.sh <carpeta-del-juego> <cerrar-ventana>
set -u
E2E=$(dirname "$0")
CARPETA=$1
CERRAR=$2
REGISTROS=$(mktemp -d /tmp/rana-dos.XXXXXX)
trap 'rm -rf "$REGISTROS"' EXIT

fallar() {
    echo "FALLO: $*" >&2
    exit 1
}

pantallaDe() {
    sed -n 's/^-- Xvfb propio en la pantalla //p' "$1"
}

# Una tanda: las dos pruebas a la vez; ninguna debe fallar.
tanda() {
    local n=$1 a b pa pb
    bash "$E2E/titulo_y_salida.sh" "$CARPETA" > "$REGISTROS/$n-a.txt" 2>&1 &
    a=$!
    bash "$E2E/volver_y_cerrar.sh" "$CARPETA" "$CERRAR" > "$REGISTROS/$n-b.txt" 2>&1 &
    b=$!
    wait "$a" || { cat "$REGISTROS/$n-a.txt"; fallar "tanda $n: titulo_y_salida falló"; }
    wait "$b" || { cat "$REGISTROS/$n-b.txt"; fallar "tanda $n: volver_y_cerrar falló"; }
    pa=$(pantallaDe "$REGISTROS/$n-a.txt")
    pb=$(pantallaDe "$REGISTROS/$n-b.txt")
    [ -n "$pa" ] && [ -n "$pb" ] || fallar "tanda $n: no se sabe qué pantallas usaron"
    [ "$pa" != "$pb" ] || fallar "tanda $n: las dos usaron la pantalla $pa"
    echo "-- tanda $n: las dos pasan, en las pantallas $pa y $pb"
}

tanda 1
tanda 2

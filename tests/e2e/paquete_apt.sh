#!/usr/bin/env bash
# Donde se es root (la CI lo es): apt-get instala el .deb que dejó paquete_deb.sh,
# escuadron-rana arranca desde el PATH, llega al menú y sale con 0 con la tecla 3,
# y apt-get lo quita. Sin root, o con el juego ya instalado, se salta (código 77).
# Uso: paquete_apt.sh <carpeta-del-juego> <carpeta-de-compilación>
source "$(dirname "$0")/comun.sh" "$1"
COMPILACION=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "SALTADA: instalar con apt-get necesita root, y esta prueba no usa sudo"
    exit 77
fi
if dpkg-query -W -f='${Status}' escuadron-rana 2>/dev/null | grep -q 'install ok installed'; then
    echo "SALTADA: escuadron-rana ya estaba instalado en esta máquina; no se toca"
    exit 77
fi
deb=$(ls "$COMPILACION"/paquete-prueba/escuadron-rana_*.deb 2>/dev/null)
[ -f "$deb" ] || fallar "no hay .deb: la prueba e2e_paquete_deb lo deja en $COMPILACION/paquete-prueba"

apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -q "$@"
}
quitar() {
    if dpkg-query -W -f='${Status}' escuadron-rana 2>/dev/null | grep -q 'install ok installed'; then
        apt remove escuadron-rana > "$TRABAJO/quitar.log" 2>&1
    fi
}
trap 'quitar; limpiar' EXIT

inicio=$(date +%s%N)
apt install "$deb" > "$TRABAJO/apt.log" 2>&1 || fallar "apt-get install falló: $(tail -n 5 "$TRABAJO/apt.log")"
paso "apt-get install $(basename "$deb") en $(msDesde "$inicio") ms"

# Debian pone /usr/games en el PATH de los usuarios; el de root no lo trae.
PATH="$PATH:/usr/games"
[ "$(command -v escuadron-rana)" = /usr/games/escuadron-rana ] ||
    fallar "escuadron-rana no está en el PATH: $(command -v escuadron-rana)"
[ -f /usr/share/man/man6/escuadron-rana.6.gz ] || fallar "falta la página de manual"

CASA="$TRABAJO/casa"
mkdir -p "$CASA"
JUEGO=$CASA
lanzarJuego() {
    (cd "$CASA" && exec escuadron-rana >salida 2>errores) &
    PID_JUEGO=$!
}
iniciarX
JUEGO=/usr/share/games/escuadron-rana llegarAlMenu
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "escuadron-rana desde el PATH salió con $ESTADO"
paso "escuadron-rana desde el PATH llega al menú y sale con 0"

inicio=$(date +%s%N)
apt remove escuadron-rana > "$TRABAJO/quitar.log" 2>&1 || fallar "apt-get remove falló: $(tail -n 5 "$TRABAJO/quitar.log")"
[ ! -e /usr/games/escuadron-rana ] && [ ! -e /usr/share/games/escuadron-rana ] ||
    fallar "apt-get remove dejó el juego en su sitio"
paso "apt-get remove en $(msDesde "$inicio") ms: no queda nada"

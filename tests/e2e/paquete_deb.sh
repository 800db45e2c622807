#!/usr/bin/env bash
# cpack -G DEB hace el paquete: trae los archivos de la instalación bajo /usr
# y depende de los paquetes dueños de cada biblioteca que carga el juego, de
# freepats y de x11-utils (xmessage); la fuente del aviso solo la recomienda,
# porque la pinta el servidor X. Lo deja en
# <carpeta-de-compilación>/paquete-prueba para la prueba que lo instala con apt.
# Uso: paquete_deb.sh <carpeta-del-juego> <carpeta-de-compilación>
source "$(dirname "$0")/comun.sh" "$1"
COMPILACION=$2
SALIDA="$COMPILACION/paquete-prueba"

rm -rf "$SALIDA"
inicio=$(date +%s%N)
cpack -G DEB --config "$COMPILACION/CPackConfig.cmake" -B "$SALIDA" > "$TRABAJO/cpack.log" 2>&1 ||
    fallar "cpack falló: $(tail -n 5 "$TRABAJO/cpack.log")"
deb=$(ls "$SALIDA"/escuadron-rana_*.deb 2>/dev/null)
[ -f "$deb" ] || fallar "cpack no dejó escuadron-rana_*.deb en $SALIDA"
paso "$(basename "$deb"): $(stat -c %s "$deb") bytes en $(msDesde "$inicio") ms"

[ "$(dpkg-deb -f "$deb" Package)" = escuadron-rana ] || fallar "el paquete no se llama escuadron-rana"
archivos=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
D=./usr/share/games/escuadron-rana
for esperado in ./usr/games/escuadron-rana $D/graphics/{pelmora,main,opciones,repeticiones,letras,enemigos,comunes,rana,fase1,icono}.bmp \
        $D/maps/fase1.map $D/demos/demo.rep $D/musics/{fase1.mid,tokecillo.mid,parches.cfg} \
        $D/sounds/{disparo,perforante,curvo,estallido,impacto,explosion,explosion_metal}.wav \
        $D/sounds/{explosion_gigante,bala,herida,premio,aviso_gigante}.wav \
        ./usr/share/applications/io.github.escuadron_rana.desktop \
        ./usr/share/metainfo/io.github.escuadron_rana.metainfo.xml \
        ./usr/share/icons/hicolor/{64x64,128x128,256x256}/apps/escuadron-rana.png \
        ./usr/share/man/man6/escuadron-rana.6.gz ./usr/share/doc/escuadron-rana/{README.md,copyright,changelog.gz}; do
    grep -qxF "$esperado" <<< "$archivos" || fallar "al paquete le falta $esperado"
done
[ "$(wc -l <<< "$archivos")" -eq 37 ] || fallar "el paquete trae otros archivos: $archivos"
dpkg-deb -c "$deb" | awk '$6 == "./usr/games/escuadron-rana"' | grep -q '^-rwxr-xr-x' ||
    fallar "el juego del paquete no es ejecutable"
paso "el paquete trae sus 34 archivos bajo /usr"

depende=$(dpkg-deb -f "$deb" Depends)
paso "Depends: $depende"
nombres=$(tr ',' '\n' <<< "$depende" | sed 's/(.*)//; s/ //g')
incluye() { grep -qxF "$1" <<< "$nombres"; }
# Cada biblioteca que el juego pide por su nombre (las de Allegro ya las trae
# su paquete), por el paquete que la instaló aquí.
ejecutable="$COMPILACION/bin/escuadron-rana"
for nombre in $(readelf -d "$ejecutable" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    biblioteca=$(ldd "$ejecutable" | awk -v n="$nombre" '$1 == n { print $3 }')
    [ -n "$biblioteca" ] || fallar "ldd no encuentra $nombre"
    dueno=$(dpkg -S "$(readlink -f "$biblioteca")" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$dueno" ] || dueno=$(dpkg -S "$biblioteca" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$dueno" ] || fallar "ningún paquete es dueño de $biblioteca"
    incluye "$dueno" || fallar "falta en Depends $dueno, dueño de $biblioteca"
done
for paquete in freepats x11-utils; do
    incluye "$paquete" || fallar "falta en Depends $paquete"
done
! incluye xfonts-base || fallar "Depends nombra xfonts-base: la fuente es del servidor X, basta recomendarla"
[ "$(dpkg-deb -f "$deb" Recommends)" = xfonts-base ] || fallar "Recommends no es xfonts-base"
# Todas son paquetes de verdad, instalados aquí.
for paquete in $nombres; do
    dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed' ||
        fallar "Depends nombra $paquete, que no está instalado aquí"
done
paso "Depends cubre las bibliotecas del juego, freepats y x11-utils; xfonts-base queda recomendado"

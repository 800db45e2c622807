#!/usr/bin/env bash
# El juego de Windows, tal como sale en el zip, bajo Wine en el Xvfb de las
# pruebas: abre su ventana con el icono de la rana, Espacio y 1 llevan a la
# partida, F8 con Espacio guarda snap0.bmp con el marcador a 074, Escape y 3
# salen con 0, y la partida grabada se rehace igual bajo Wine y en Linux.
# Sin graphics/rana.bmp, la tecla 1 da el aviso de Windows y, aceptado, sale
# con 1. Y la demo hecha en Linux, verificada bajo Wine.
# Uso: windows.sh <zip> <carpeta del juego de Linux (build-windows/linux/bin)>
ZIP=$(realpath "$1")
LINUX=$(realpath "$2")
ZIP_ABIERTO=$(mktemp -d /tmp/rana-zip.XXXXXX)
unzip -q "$ZIP" -d "$ZIP_ABIERTO" || { echo "FALLO: no se pudo abrir $ZIP" >&2; exit 1; }
source "$(dirname "$0")/comun.sh" "$ZIP_ABIERTO"

# El cargador de 64 bits de Debian no está en el PATH; sin él no hay prueba.
WINE64=$(dpkg -L wine64 2>/dev/null | grep '/wine64$' | head -n 1)
[ -x "$WINE64" ] || fallar "no está el cargador wine64 (paquete wine64): sin Wine no se prueba el juego de Windows"
export WINEARCH=win64 WINEPREFIX="$TRABAJO/wine" WINEDEBUG=-all
# Al acabar, también el servidor de Wine de este prefijo.
trap 'limpiar; "$(dirname "$WINE64")/wineserver64" -k 2>/dev/null; rm -rf "$ZIP_ABIERTO"' EXIT
ARRANQUE=("$WINE64" ./escuadron-rana.exe)

# --verificar bajo Wine; lo que dice queda en $JUEGO/verificacion, sin los
# retornos de carro que pone la biblioteca de C de Windows.
verificarConWine() {
    (cd "$JUEGO" && "$WINE64" ./escuadron-rana.exe --verificar "$1" > verificacion.crlf 2>&1)
    local estado=$?
    tr -d '\r' < "$JUEGO/verificacion.crlf" > "$JUEGO/verificacion"
    return $estado
}

# El prefijo, con la pantalla ya abierta: uno preparado sin X tampoco abre
# luego la ventana del juego ("Error iniciando Allegro").
iniciarX
inicio=$(date +%s%N)
"$WINE64" wineboot -i > "$TRABAJO/wineboot.log" 2>&1 || fallar "wineboot no preparó el prefijo: $(tail -n 3 "$TRABAJO/wineboot.log")"
paso "prefijo de Wine listo en $(msDesde "$inicio") ms"
copiarJuego

# La demo se graba en Linux; bajo Wine se rehace hasta que se aparta, en el
# control 51: la bala dirigida de ese tramo toma su rumbo de atan, que en el
# msvcrt.dll de Wine sale un ulp distinto del de la glibc. Si un día
# coinciden, esta prueba lo dice y hay que cambiarla.
verificarConWine demos/demo.rep
estado=$?
paso "demo de Linux bajo Wine: $(cat "$JUEGO/verificacion") (estado $estado)"
[ "$estado" -eq 1 ] && grep -q 'se aparta en el control 51, entre los cuadros 5001 y 5100$' "$JUEGO/verificacion" ||
    fallar "la demo de Linux bajo Wine ya no se aparta donde se sabía"

# Sin enemigos: una bala a destiempo cambiaría la energía de la captura.
quitarEnemigos
llegarAlMenu
paso "ventana abierta y menú a la vista"
# El icono del ejecutable llega a la ventana: Wine se lo da a X como
# _NET_WM_ICON. Sin él Wine pone el suyo, gris: se cuentan los píxeles
# opacos y verdes del de 32x32 (el de la rana trae 29; el de Wine, ninguno).
verdes=$(xprop -id "$WID" -f _NET_WM_ICON 32c ' $0+' _NET_WM_ICON 2>/dev/null | tr -d ',' | awk '
    { for (i = 2; i <= NF; ++i) v[n++] = $i + 0 }
    END {
        i = 0
        while (i + 2 <= n) {
            w = v[i]; h = v[i + 1]; i += 2; c = 0
            for (k = 0; k < w * h; ++k) {
                p = v[i + k]; a = int(p / 16777216) % 256
                r = int(p / 65536) % 256; g = int(p / 256) % 256; b = p % 256
                if (a > 128 && g > r + 40 && g > b + 40) ++c
            }
            if (w == 32) verdes = c
            i += w * h
        }
        print verdes + 0
    }')
[ "$verdes" -ge 16 ] || fallar "la ventana no trae el icono de la rana ($verdes píxeles verdes en el de 32x32)"
paso "la ventana lleva el icono de la rana: $verdes píxeles verdes en el de 32x32"
empezarPartida
disparoConCaptura
esperarCaptura "$JUEGO/snap0.bmp"
for campo in "energía 68" "potencia 280"; do
    set -- $campo
    leido=$(leerNumero "$JUEGO/snap0.bmp" "$2")
    [ "$leido" = "074" ] || fallar "la $1 de snap0.bmp se lee '$leido', no 074"
done
paso "F8 + Espacio: snap0.bmp con energía y potencia 074"
volverAlMenuYSalir
paso "Escape y 3: estado 0"

# La partida quedó grabada en la carpeta de datos local del usuario de Wine.
grabadas=("$WINEPREFIX"/drive_c/users/*/AppData/Local/escuadron-rana/repeticiones/*.rep)
[ ${#grabadas[@]} -eq 1 ] && [ -f "${grabadas[0]}" ] || fallar "no hay una partida grabada en %LOCALAPPDATA%: ${grabadas[*]}"
cp "${grabadas[0]}" "$JUEGO/partida.rep"
verificarConWine partida.rep ||
    fallar "la partida grabada no se rehace igual bajo Wine: $(cat "$JUEGO/verificacion")"
mkdir -p "$TRABAJO/linux"
cp -r "$LINUX"/. "$TRABAJO/linux"/
cp "$JUEGO/maps/fase1.map" "$JUEGO/partida.rep" "$TRABAJO/linux/"
mv "$TRABAJO/linux/fase1.map" "$TRABAJO/linux/maps/fase1.map"
(cd "$TRABAJO/linux" && ./escuadron-rana --verificar partida.rep > verificacion 2>&1) ||
    fallar "la partida grabada bajo Wine no se rehace igual en Linux: $(cat "$TRABAJO/linux/verificacion")"
huella() { grep -o 'huella final [0-9a-f]*' "$1"; }
[ "$(huella "$JUEGO/verificacion")" = "$(huella "$TRABAJO/linux/verificacion")" ] ||
    fallar "huellas distintas: $(cat "$JUEGO/verificacion") / $(cat "$TRABAJO/linux/verificacion")"
paso "la partida de Wine, rehecha igual bajo Wine y en Linux: $(cat "$TRABAJO/linux/verificacion")"

# Sin el dibujo de la rana: el aviso es un MessageBox, que Wine pinta como
# una ventana con el título de serie, "Error".
rm -rf "$JUEGO"
copiarJuego
rm "$JUEGO/graphics/rana.bmp"
llegarAlMenu
pulsar 1
esperarVentana "^Error$"
grep -q "Error en el sistema de archivos" "$JUEGO/errores" || fallar "stderr no trae el aviso"
sleep 0.5
aceptarAvisoYSalirConUno "sin graphics/rana.bmp"

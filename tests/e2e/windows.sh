#!/usr/bin/env bash
# El juego de Windows, tal como sale en el zip, bajo Wine en el Xvfb de las
# pruebas: abre su ventana con el icono de la rana, Espacio y 1 llevan a la
# partida, F8 con Espacio guarda snap0.bmp con el marcador a 074, Escape y 3
# salen con 0, y la partida grabada se rehace igual bajo Wine y en Linux.
# Sin graphics/rana.bmp, la tecla 1 da el aviso de Windows y, aceptado, sale
# con 1. --help dice las carpetas de Windows. Y una partida es la misma en
# los dos sistemas: la tabla de bits de la trigonometría da lo mismo bajo
# Wine, la demo grabada en Linux acaba bajo Wine con la huella de
# tools/demo.huella, y una partida con los enemigos del mapa (balas dirigidas
# a la rana, premios cogidos) grabada bajo Wine se rehace en Linux con la
# misma huella.
# Uso: windows.sh <zip> <carpeta del juego de Linux (build-windows/linux/bin)>
#                 <tabla_trigonometria.exe de la compilación cruzada>
ZIP=$(realpath "$1")
LINUX=$(realpath "$2")
TABLA=$(realpath "$3")
HUELLA_DEMO=$(cat "$(dirname "$0")/../../tools/demo.huella")
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

# F8 y Espacio abajo hasta que el juego escribe la captura dada: una
# andanada por pulsación, así que una captura.
capturarConWine() {
    xdotool windowfocus --sync "$WID"
    xdotool keydown F8
    sostener space esperarCaptura "$1" 30
    xdotool keyup F8
}

# Desde una partida: Escape hasta ver el menú, y 3 hasta que el juego sale, con 0.
salirConWine() {
    sostener Escape esperarPantalla "$JUEGO/graphics/main.bmp" 30
    sostener 3 esperarFin 30
    [ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
}

# El primer programa con ventana de un prefijo nuevo estrena en él wined3d,
# el OpenGL del Xvfb (llvmpipe, que compila sus sombreadores), DirectInput y
# el sonido de Wine; la primera vez en la máquina, sin nada de eso aún en la
# caché del disco ni en la de Mesa. La ventana sale al abrir la pantalla y la
# presentación cuando ya están teclado, sonido, mando y recursos: con la
# máquina cargada se vio la ventana hasta 29 s después de lanzar el juego y
# la presentación hasta 7,5 s después de la ventana, contra esperas de 10 s.
# Se arranca una vez antes de medir nada, con un minuto por espera, y se
# dice cuánto tardó. (La ventana que se quedaba negra en algún arranque
# posterior no era lentitud: era Allegro esperándose a sí mismo al instalar
# el teclado; lo arregla windows/allegro-ventana-wine.patch.)
primerArranque() {
    local inicio
    inicio=$(date +%s%N)
    ESPERA_ARRANQUE=60 llegarAlMenu
    paso "primer arranque con ventana bajo Wine: menú a la vista a los $(msDesde "$inicio") ms"
    sostener 3 esperarFin 30
    [ "$ESTADO" -eq 0 ] || fallar "el primer arranque no salió con 0 con la tecla 3 ($ESTADO)"
}
primerArranque

# La trigonometría de la partida, compilada para Windows: los bits de la tabla.
"$WINE64" "$TABLA" > "$TRABAJO/tabla.crlf" 2>&1
estado=$?
paso "tabla de la trigonometría bajo Wine: $(tr -d '\r' < "$TRABAJO/tabla.crlf")"
[ "$estado" -eq 0 ] || fallar "la trigonometría bajo Wine no da los bits de Linux (estado $estado)"

# La ayuda dice las carpetas de Windows, no las XDG de Linux.
(cd "$JUEGO" && "$WINE64" ./escuadron-rana.exe --help > ayuda.crlf 2>&1) || fallar "--help bajo Wine no sale con 0"
tr -d '\r' < "$JUEGO/ayuda.crlf" > "$JUEGO/ayuda"
grep -qF '%APPDATA%\escuadron-rana\escuadron-rana.cfg' "$JUEGO/ayuda" &&
    grep -qF '%LOCALAPPDATA%\escuadron-rana\repeticiones' "$JUEGO/ayuda" && ! grep -q XDG "$JUEGO/ayuda" ||
    fallar "la ayuda bajo Wine no dice las carpetas de Windows: $(tail -n 5 "$JUEGO/ayuda")"
paso "--help bajo Wine: los ajustes en %APPDATA%, las partidas en %LOCALAPPDATA%"

# La demo se graba en Linux; bajo Wine se rehace entera y acaba igual.
verificarConWine demos/demo.rep
estado=$?
paso "demo de Linux bajo Wine: $(tr '\n' ' ' < "$JUEGO/verificacion")(estado $estado)"
[ "$estado" -eq 0 ] && grep -q "huella final $HUELLA_DEMO, coincide" "$JUEGO/verificacion" ||
    fallar "la demo de Linux no acaba igual bajo Wine (se esperaba la huella $HUELLA_DEMO)"

# La partida más nueva de la carpeta de Wine se rehace igual bajo Wine y en
# Linux (con el mapa con que se jugó), con la misma huella final.
partidaDeWineEnLinux() {
    local que=$1 grabada linux="$TRABAJO/linux"
    grabada=$(ls -t "$WINEPREFIX"/drive_c/users/*/AppData/Local/escuadron-rana/repeticiones/*.rep 2>/dev/null | head -n 1)
    [ -f "$grabada" ] || fallar "$que: no hay partida grabada en %LOCALAPPDATA%"
    cp "$grabada" "$JUEGO/partida.rep"
    verificarConWine partida.rep || fallar "$que: no se rehace igual bajo Wine: $(cat "$JUEGO/verificacion")"
    rm -rf "$linux"
    mkdir -p "$linux"
    cp -r "$LINUX"/. "$linux"/
    cp "$JUEGO/maps/fase1.map" "$linux/maps/fase1.map"
    cp "$JUEGO/partida.rep" "$linux/"
    (cd "$linux" && ./escuadron-rana --verificar partida.rep > verificacion 2>&1) ||
        fallar "$que, grabada bajo Wine, no se rehace igual en Linux: $(cat "$linux/verificacion")"
    huella() { grep -o 'huella final [0-9a-f]*' "$1"; }
    [ "$(huella "$JUEGO/verificacion")" = "$(huella "$linux/verificacion")" ] ||
        fallar "$que: huellas distintas: $(cat "$JUEGO/verificacion") / $(cat "$linux/verificacion")"
    paso "$que, rehecha igual bajo Wine y en Linux: $(tail -n 1 "$linux/verificacion")"
}

# Sin enemigos: una bala a destiempo cambiaría la energía de la captura.
quitarEnemigos
inicio=$(date +%s%N)
llegarAlMenu
paso "ventana abierta y menú a la vista a los $(msDesde "$inicio") ms"
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
sostener 1 esperarPartida 30
capturarConWine "$JUEGO/snap0.bmp"
for campo in "energía 68" "potencia 280"; do
    set -- $campo
    leido=$(leerNumero "$JUEGO/snap0.bmp" "$2")
    [ "$leido" = "074" ] || fallar "la $1 de snap0.bmp se lee '$leido', no 074"
done
paso "F8 + Espacio: snap0.bmp con energía y potencia 074"
salirConWine
paso "Escape y 3: estado 0"

# La partida quedó grabada en la carpeta de datos local del usuario de Wine.
partidaDeWineEnLinux "la partida sin enemigos"

# Con los enemigos del mapa: 30 s de partida, y el marcador dice que la rana
# cogió premios (potencia sobre 074). Lo que coge depende de cómo caen las
# teclas en los ticks: si aún no cogió ninguno, sigue jugando de 15 en 15 s,
# hasta un minuto y medio.
rm -rf "$JUEGO"
copiarJuego
llegarAlMenu
sostener 1 esperarPartida 30
jugarConEnemigos 30
segundos=30
for ronda in 0 1 2 3 4; do
    if [ "$ronda" -gt 0 ]; then
        jugarConEnemigos 15
        segundos=$((segundos + 15))
    fi
    capturarConWine "$JUEGO/snap$ronda.bmp"
    energia=$(leerNumero "$JUEGO/snap$ronda.bmp" 68)
    potencia=$(leerNumero "$JUEGO/snap$ronda.bmp" 280)
    paso "$segundos s con enemigos bajo Wine: energía $energia, potencia $potencia"
    [[ $potencia =~ ^[0-9]+$ ]] || fallar "no se lee la potencia en snap$ronda.bmp ('$potencia')"
    [ "$((10#$potencia))" -ge 75 ] && break
done
[ "$((10#$potencia))" -ge 75 ] || fallar "la rana no cogió premios en $segundos s de partida con enemigos"
salirConWine
partidaDeWineEnLinux "la partida con enemigos"

# Sin el dibujo de la rana: el aviso es un MessageBox, que Wine pinta como
# una ventana con el título de serie, "Error".
rm -rf "$JUEGO"
copiarJuego
rm "$JUEGO/graphics/rana.bmp"
llegarAlMenu
sostener 1 esperarVentana "^Error$" 30
grep -q "Error en el sistema de archivos" "$JUEGO/errores" || fallar "stderr no trae el aviso"
sleep 0.5
aceptarAvisoYSalirConUno "sin graphics/rana.bmp"

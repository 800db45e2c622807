#!/usr/bin/env bash
# Utilidades de las pruebas de punta a punta: un servidor X propio, el juego
# en una copia de su carpeta, teclas de verdad y capturas de su ventana.
# Uso desde cada prueba: source comun.sh <carpeta-del-juego> [cerrar-ventana]
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

CARPETA_JUEGO=$(cd "$1" && pwd)
CERRAR_VENTANA=${2:-}
TRABAJO=$(mktemp -d /tmp/rana-e2e.XXXXXX)
JUEGO="$TRABAJO/juego"
# Los ajustes del juego van a la carpeta de la prueba: ni se leen los de
# quien la corre ni se tocan.
export XDG_CONFIG_HOME="$TRABAJO/config"
# Y las partidas grabadas, igual.
export XDG_DATA_HOME="$TRABAJO/datos"
WID=""
# El tamaño y la profundidad de la pantalla del Xvfb; las pruebas de la
# ventana ampliada lo cambian.
PANTALLA_XVFB=${PANTALLA_XVFB:-1024x768x24}

# Solo se matan los procesos propios, por su número: el juego, lo que él
# lanzó (el aviso de xmessage) y el Xvfb.
limpiar() {
    if [ -n "${PID_JUEGO:-}" ]; then
        local hijo
        for hijo in $(pgrep -P "$PID_JUEGO" 2>/dev/null); do kill "$hijo" 2>/dev/null; done
        kill "$PID_JUEGO" 2>/dev/null
        # Que acabe antes que su servidor X: si no, muere a medio cerrar.
        for _ in $(seq 20); do
            kill -0 "$PID_JUEGO" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$PID_JUEGO" 2>/dev/null
        wait "$PID_JUEGO" 2>/dev/null
    fi
    pararXvfb
    # Con CONSERVAR=1 la carpeta queda para mirar las capturas.
    [ -n "${CONSERVAR:-}" ] || rm -rf "$TRABAJO"
}
trap limpiar EXIT

fallar() {
    echo "FALLO: $*" >&2
    [ -f "$JUEGO/errores" ] && sed 's/^/  stderr del juego: /' "$JUEGO/errores" | grep -v 'ALSA lib' >&2
    exit 1
}

paso() {
    echo "-- $*"
}

# Un Xvfb propio, con la pantalla que él mismo elige.
iniciarX() {
    arrancarXvfb "$PANTALLA_XVFB" "$TRABAJO/xvfb.log" || {
        diagnosticoXvfb "$TRABAJO/xvfb.log" >&2
        fallar "Xvfb no arrancó"
    }
    paso "Xvfb propio en la pantalla $DISPLAY"
}

# Copia del ejecutable y sus recursos, para poder quitar alguno sin tocar el build.
copiarJuego() {
    mkdir -p "$JUEGO"
    cp -r "$CARPETA_JUEGO"/. "$JUEGO"/
}

# Cómo se arranca el juego en su carpeta; la prueba de Windows pone Wine delante.
ARRANQUE=(./escuadron-rana)

lanzarJuego() {
    (cd "$JUEGO" && exec "${ARRANQUE[@]}" "$@" >salida 2>errores) &
    PID_JUEGO=$!
}

# Qué hacía el juego cuando no abrió su ventana: su estado, las ventanas que
# hay en la pantalla y, si está gdb, dónde está cada hilo.
diagnosticoJuego() {
    diagnosticoXvfb "$TRABAJO/xvfb.log"
    [ -n "${PID_JUEGO:-}" ] && [ -d "/proc/$PID_JUEGO" ] || return 0
    echo "  juego $PID_JUEGO: $(grep '^State' "/proc/$PID_JUEGO/status"), en $(cat "/proc/$PID_JUEGO/wchan" 2>/dev/null)"
    echo "  ventanas: $(xwininfo -root -tree 2>/dev/null | grep -c '^ *0x') en la pantalla"
    xwininfo -root -tree 2>/dev/null | grep '^ *0x' | grep -v 'has no name' | head -n 5 | sed 's/^ */    /'
    command -v gdb > /dev/null &&
        timeout 20 gdb -p "$PID_JUEGO" -batch -ex 'thread apply all bt 8' 2>/dev/null | grep -E '^(Thread|#)' | sed 's/^/    /'
    return 0
}

# Espera la ventana cuyo título contiene el texto dado.
esperarVentana() {
    local titulo=$1 segundos=${2:-10}
    for _ in $(seq $((segundos * 10))); do
        WID=$(xdotool search --onlyvisible --name "$titulo" 2>/dev/null | head -n 1)
        [ -n "$WID" ] && return 0
        if ! kill -0 "$PID_JUEGO" 2>/dev/null; then
            diagnosticoXvfb "$TRABAJO/xvfb.log" >&2
            fallar "el juego terminó antes de abrir la ventana '$titulo'"
        fi
        sleep 0.1
    done
    diagnosticoJuego >&2
    fallar "no apareció la ventana '$titulo'"
}

# Bajar y soltar teclas sin más, en la ventana del juego (las pruebas del
# navegador las mandan a la página).
bajarTecla() {
    xdotool windowfocus --sync "$WID"
    local tecla
    for tecla in "$@"; do xdotool keydown "$tecla"; done
}
soltarTecla() {
    local tecla
    for tecla in "$@"; do xdotool keyup "$tecla"; done
}

# Pulsación real: la sondea un bucle, así que se mantiene una décima, y
# después se deja suelta un rato: una tecla soltada y vuelta a pulsar entre
# dos vueltas (con la máquina cargada, una vuelta puede tardar decenas de
# ms) no da una segunda pulsación.
pulsar() {
    bajarTecla "$1"
    sleep 0.1
    soltarTecla "$1"
    sleep 0.05
}

# Con la máquina cargada una pulsación de 0,1 s puede caer entera entre dos
# vueltas del juego (bajo Wine, a pocas imágenes por segundo, o justo tras un
# cambio de modo), y el juego no la ve. Para lo que se ve enseguida, la tecla
# sigue abajo hasta que se ve lo que hace; el juego atiende una pulsación por
# bajada, así que sostenerla no la repite.
# sostener <tecla> <espera> [argumentos de la espera].
sostener() {
    local tecla=$1
    shift
    bajarTecla "$tecla"
    "$@"
    soltarTecla "$tecla"
    sleep 0.05
}

# Lo que dura cada pulsación y cada suelta de la partida con enemigos:
# 0,1 s, o dos cuadros si el juego va más despacio (bajo Wine o en el
# navegador, con la máquina cargada, va a pocos cuadros por segundo, y una
# pulsación más corta que un cuadro no la ve). Los cuadros por segundo los
# lee del marcador.
pasoDeTeclas() {
    local cps
    capturar "$TRABAJO/cps.png" && cps=$(leerNumero "$TRABAJO/cps.png" 368)
    if [[ ${cps:-} =~ ^[0-9]+$ ]] && [ "$((10#$cps))" -gt 0 ]; then
        awk -v c="$((10#$cps))" 'BEGIN { p = 2 / c; printf "%.2f", (p > 0.1 ? p : 0.1) }'
    else
        echo 0.35
    fi
}

# La rana se adelanta hasta el centro y sube y baja por media pantalla
# soltando una andanada cada dos pasos: le llegan las balas dirigidas de los
# voladores y coge los premios que caen de los que derriba.
jugarConEnemigos() {
    local segundos=$1 t=0 tecla paso vueltas porLado
    paso=$(pasoDeTeclas)
    vueltas=$(awk -v s="$segundos" -v p="$paso" 'BEGIN { printf "%d", s / (2 * p) }')
    # Dos segundos hacia cada lado, con la tecla abajo la mitad.
    porLado=$(awk -v p="$paso" 'BEGIN { n = int(1 / p + 0.5); print (n > 0 ? n : 1) }')
    paso "$segundos s con enemigos, pulsaciones de $paso s"
    bajarTecla Right
    sleep 1.2
    soltarTecla Right
    while [ $t -lt "$vueltas" ]; do
        tecla=Down
        [ $(((t / porLado) % 2)) -eq 1 ] && tecla=Up
        bajarTecla "$tecla" space
        sleep "$paso"
        soltarTecla space "$tecla"
        sleep "$paso"
        t=$((t + 1))
    done
}

# Cuántas veces se ha parado a esperar el hilo principal del juego (una
# siesta, el reloj, el disco): cada vuelta de sus bucles para al menos una.
paradasJuego() {
    awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$PID_JUEGO/status" 2>/dev/null
}

# Lo dado (la pulsación de una tecla que cambia un ajuste: M, F10, F11), y
# la espera a que el juego guarde el ajuste y vuelva a mirar el teclado. El
# cambio de modo y el guardado (que espera al disco) pueden tardar, sobre
# todo con la máquina cargada, y una tecla soltada y vuelta a pulsar mientras
# tanto sería para él la misma pulsación: la siguiente no haría nada.
conGuardado() {
    local archivo="$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg" antes paradas
    antes=$(stat -c %i "$archivo" 2>/dev/null)
    "$@"
    # Se guarda con un archivo nuevo en su sitio: cambia el nodo. Si no se
    # puede guardar, no se espera más que esto.
    for _ in $(seq 50); do
        [ "$(stat -c %i "$archivo" 2>/dev/null)" != "$antes" ] && break
        sleep 0.1
    done
    # Tras el archivo aún se asienta la carpeta; luego cada vuelta del bucle
    # duerme una vez o más: seis paradas son al menos dos vueltas.
    paradas=$(paradasJuego)
    for _ in $(seq 100); do
        [ -n "$paradas" ] && [ "$(( $(paradasJuego) - paradas ))" -ge 6 ] 2>/dev/null && return 0
        sleep 0.05
    done
}

# F10 o F11 sostenida hasta ver la ventana con la geometría dada, y guardada.
cambiarModo() {
    conGuardado sostener "$1" esperarGeometria "$2"
}

# Tamaño y sitio de la ventana del juego en la pantalla: ANCHOxALTO+X+Y.
geometriaVentana() {
    xwininfo -id "$WID" 2>/dev/null | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { an = $NF } /Height:/ { al = $NF }
        END { print an "x" al "+" x "+" y }'
}

# Espera a que la ventana tenga la geometría dada (ANCHOxALTO+X+Y).
esperarGeometria() {
    local esperada=$1 segundos=${2:-5} vista=""
    for _ in $(seq $((segundos * 10))); do
        vista=$(geometriaVentana)
        [ "$vista" = "$esperada" ] && return 0
        sleep 0.1
    done
    fallar "la ventana mide $vista, no $esperada"
}

# La ventana tal cual, al tamaño que tenga.
capturarVentana() {
    import -window "$WID" "png:$1" 2>/dev/null
}

# La página de 640x480 que muestra la ventana: si está ampliada (por un
# factor entero, centrada en pantalla completa), se recorta y se reduce
# tomando un píxel de cada cuadrado, que devuelve la página tal cual.
capturar() {
    capturarVentana "$1" || return 1
    local medida ancho alto factor
    medida=$(identify -format '%wx%h' "$1" 2>/dev/null) || return 1
    ancho=${medida%x*}
    alto=${medida#*x}
    [ "$medida" = "640x480" ] && return 0
    factor=$(( ancho / 640 < alto / 480 ? ancho / 640 : alto / 480 ))
    [ "$factor" -ge 1 ] || return 1
    convert "$1" -gravity center -crop "$((640 * factor))x$((480 * factor))+0+0" +repage \
        -sample 640x480 "png:$1" 2>/dev/null
}

# La cuenta de compare como entero. Desde el millón la da en notación
# científica (1.2288e+06); si no pudo medir (tamaños distintos, un archivo
# roto) queda "error", que ninguna comparación numérica da por buena.
cuentaEntera() {
    awk 'NR == 1 { if ($1 ~ /^[0-9.]+(e[+-]?[0-9]+)?$/) printf "%d\n", $1; else print "error" }'
}

# Cuántos píxeles difieren (más de un 6 %) entre la captura y un dibujo.
diferencias() {
    compare -metric AE -fuzz 6% "$1" "$2" null: 2>&1 | cuentaEntera
}

# Espera hasta que la ventana muestre el dibujo dado (menos de un 1 % distinto).
esperarPantalla() {
    local dibujo=$1 segundos=${2:-10} captura="$TRABAJO/captura.png"
    for _ in $(seq $((segundos * 5))); do
        if capturar "$captura"; then
            local d
            d=$(diferencias "$captura" "$dibujo")
            [ "$d" -lt 3072 ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$captura" "/tmp/rana-ultima-captura.png" 2>/dev/null
    fallar "la ventana no muestra $(basename "$dibujo") (última captura en /tmp/rana-ultima-captura.png)"
}

# Espera a que el juego termine y deja su código en ESTADO.
esperarFin() {
    local segundos=${1:-10}
    for _ in $(seq $((segundos * 10))); do
        if ! kill -0 "$PID_JUEGO" 2>/dev/null; then
            wait "$PID_JUEGO"
            ESTADO=$?
            return 0
        fi
        sleep 0.1
    done
    fallar "el juego sigue vivo tras $segundos s"
}

# Lanza el juego y lo deja en el menú: el Espacio sostenido desde la
# presentación acaba también la espera del título, sin música. La ventana y
# la presentación se esperan ESPERA_ARRANQUE segundos (10 si no se dice).
llegarAlMenu() {
    lanzarJuego "$@"
    esperarVentana "Escuadr" "${ESPERA_ARRANQUE:-10}"
    esperarPantalla "$JUEGO/graphics/pelmora.bmp" "${ESPERA_ARRANQUE:-10}"
    sostener space esperarPantalla "$JUEGO/graphics/main.bmp" 8
}

# Píxeles distintos (más de un 6 %) entre dos recortes WxH+X+Y de dos imágenes.
diferenciasRecorte() {
    compare -metric AE -fuzz 6% "$1[$2]" "$3[$4]" null: 2>&1 | cuentaEntera
}

# Espera a que la ventana muestre la franja del marcador de una partida: la
# de comunes.bmp, salvo las nueve cifras (como mucho 2304 píxeles).
esperarPartida() {
    local segundos=${1:-10} captura="$TRABAJO/captura.png" d=""
    for _ in $(seq $((segundos * 5))); do
        kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó en vez de empezar la partida"
        if capturar "$captura"; then
            d=$(diferenciasRecorte "$captura" 640x32+0+448 "$JUEGO/graphics/comunes.bmp" 640x32+0+0)
            [ "$d" -lt 2600 ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$captura" "/tmp/rana-ultima-captura.png" 2>/dev/null
    fallar "no se ve el marcador de la partida ($d píxeles distintos; última captura en /tmp/rana-ultima-captura.png)"
}

# Desde el menú, la tecla 1 y la partida en pantalla.
empezarPartida() {
    pulsar 1
    esperarPartida 10
}

# F8 sostenida mientras sale una andanada: el juego guarda el cuadro
# anterior. Dispara con Espacio, o con la tecla dada.
disparoConCaptura() {
    local tecla=${1:-space}
    bajarTecla F8
    sleep 0.05
    pulsar "$tecla"
    soltarTecla F8
}

# Desde el menú, con el disparo en otra tecla: en la partida Espacio ya no
# dispara (no deja captura) y esa tecla sí. Las capturas van numeradas en
# orden: si Espacio hubiera disparado, la suya sería snap0 y la de la tecla,
# snap1. Vuelve al menú con Escape.
disparaSoloCon() {
    empezarPartida
    disparoConCaptura space
    disparoConCaptura "$1"
    esperarCaptura "$JUEGO/snap0.bmp"
    pulsar Escape
    esperarPantalla "$JUEGO/graphics/main.bmp" 5
    [ -e "$JUEGO/snap1.bmp" ] && fallar "Espacio sigue disparando con el disparo en $1"
}

# Espera a que exista la captura dada, entera (640x480).
esperarCaptura() {
    local archivo=$1 segundos=${2:-5}
    for _ in $(seq $((segundos * 10))); do
        if [ -f "$archivo" ] && [ "$(identify -format '%wx%h' "$archivo" 2>/dev/null)" = "640x480" ]; then
            return 0
        fi
        sleep 0.1
    done
    fallar "no apareció $(basename "$archivo") entera"
}

# La cifra (0-9) que muestra la celda de 16x16 en (x, y) de una imagen: la de
# comunes.bmp que más se le parece. Falla si ninguna coincide o si dos se
# parecen casi igual, para no leer una cifra por otra.
leerCifra() {
    local imagen=$1 x=$2 y=$3 d mejor=-1 menor=99999 segunda=99999
    for d in 0 1 2 3 4 5 6 7 8 9; do
        local n
        n=$(diferenciasRecorte "$imagen" "16x16+$x+$y" "$JUEGO/graphics/comunes.bmp" "16x16+$((16 * d))+102")
        [[ $n =~ ^[0-9]+$ ]] || fallar "compare no midió la celda ($x, $y) de $(basename "$imagen")"
        if [ "$n" -lt "$menor" ]; then
            segunda=$menor; menor=$n; mejor=$d
        elif [ "$n" -lt "$segunda" ]; then
            segunda=$n
        fi
    done
    if [ "$menor" -gt 4 ] || [ "$segunda" -lt 8 ]; then
        echo "?"
    else
        echo "$mejor"
    fi
}

# Las tres cifras que empiezan en x (y 455), de 16 en 16.
leerNumero() {
    local imagen=$1 x=$2 c numero=""
    for c in 0 1 2; do
        numero+=$(leerCifra "$imagen" $((x + 16 * c)) 455)
    done
    echo "$numero"
}

# Píxeles de un color en un recorte de una captura: lo demás va a negro
# antes, para que el blanco que ya hubiera no cuente.
pixelesDe() {
    convert "$1" -crop "$2" +repage -alpha off -fuzz 4% -fill black +opaque "$3" \
        -fill white -opaque "$3" -format '%[fx:round(mean*w*h)]' info:
}

# Espera a que la ventana tenga en el recorte más de tantos píxeles del
# color; deja la última cuenta en PIXELES y la captura en $TRABAJO/color.png.
esperarColor() {
    local recorte=$1 color=$2 minimo=$3
    PIXELES=""
    for _ in $(seq 25); do
        if capturar "$TRABAJO/color.png"; then
            PIXELES=$(pixelesDe "$TRABAJO/color.png" "$recorte" "$color")
            [ "$PIXELES" -gt "$minimo" ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$TRABAJO/color.png" /tmp/rana-ultima-captura.png 2>/dev/null
    return 1
}

# Espera a que la ventana muestre una pantalla de panel (las opciones, las
# repeticiones): el título de su fondo arriba, y el panel ya escrito,
# distinto del fondo vacío. Deja la captura en $TRABAJO/panel.png.
esperarPanel() {
    local fondo="$JUEGO/graphics/$1" segundos=$2 captura="$TRABAJO/panel.png" arriba="" panel=""
    for _ in $(seq $((segundos * 5))); do
        if capturar "$captura"; then
            arriba=$(diferenciasRecorte "$captura" 640x60+0+0 "$fondo" 640x60+0+0)
            panel=$(diferenciasRecorte "$captura" 580x380+20+72 "$fondo" 580x380+20+72)
            [ "$arriba" -lt 100 ] 2>/dev/null && [ "$panel" -gt 2000 ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$captura" /tmp/rana-ultima-captura.png 2>/dev/null
    fallar "no se ve la pantalla de $1 (título: $arriba, panel: $panel píxeles distintos)"
}

# Los píxeles blancos del rótulo de arriba a la izquierda.
blancosDelRotulo() {
    capturar "$TRABAJO/rotulo.png" || fallar "no se pudo capturar la ventana"
    convert "$TRABAJO/rotulo.png" -crop 90x10+6+6 +repage -fuzz 10% -fill black +opaque white \
        -fill white -opaque white -format '%[fx:mean*w*h]' info: | cuentaEntera
}

# Caja que ocupa el verde de la rana (92,196,64) en una imagen: ANCHOxALTO+X+Y.
cajaRana() {
    convert "$1" -alpha off -fuzz 4% -fill black +opaque 'rgb(92,196,64)' \
        -fill white -opaque 'rgb(92,196,64)' -format '%@' info: 2>/dev/null
}

# Deja en PX el borde derecho y en PY el de arriba de la caja verde de una
# captura: la animación mueve las patas hacia atrás, pero esos dos bordes no
# cambian de un cuadro a otro.
posicionRana() {
    local caja
    caja=$(cajaRana "$1")
    [[ "$caja" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fallar "no se encuentra la rana en $(basename "$1") ('$caja')"
    local ancho=${BASH_REMATCH[1]} alto=${BASH_REMATCH[2]}
    # Un recuadro mayor que el dibujo de 100x50 sería verde de otra cosa.
    [ "$ancho" -ge 20 ] && [ "$ancho" -le 100 ] && [ "$alto" -ge 10 ] && [ "$alto" -le 50 ] \
        || fallar "la caja verde de $(basename "$1") mide ${ancho}x${alto}, no parece la rana"
    PX=$((BASH_REMATCH[3] + ancho))
    PY=${BASH_REMATCH[4]}
}

# Botón de cerrar de la ventana del juego (WM_DELETE_WINDOW).
cerrarVentana() {
    [ -x "$CERRAR_VENTANA" ] || fallar "falta la herramienta cerrar-ventana"
    "$CERRAR_VENTANA" "$WID" || fallar "cerrar-ventana no pudo mandar el cierre a $WID"
}

# Lleva la salida ALSA del juego a un archivo crudo (estéreo, 16 bits, 44,1 kHz)
# que sox puede medir; exporta ALSA_CONFIG_PATH.
grabarSonidoEn() {
    cat > "$TRABAJO/asound.conf" <<CONF
</usr/share/alsa/alsa.conf>
pcm.!default {
    type plug
    slave {
        pcm { type file; slave.pcm "null"; file "$1"; format "raw" }
        format S16_LE
        rate 44100
        channels 2
    }
}
CONF
    export ALSA_CONFIG_PATH="$TRABAJO/asound.conf"
}

# Posición actual en la grabación $GRABACION, redondeada a cuadros enteros de 4 bytes.
posicionGrabacion() {
    local n
    n=$(stat -c %s "$GRABACION" 2>/dev/null || echo 0)
    echo $(( (n + 3) / 4 * 4 ))
}

# RMS de lo grabado desde el byte dado hasta ahora.
rmsDesde() {
    tail -c +$(($1 + 1)) "$GRABACION" > "$TRABAJO/tramo.raw"
    [ -s "$TRABAJO/tramo.raw" ] || { echo 0; return; }
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$TRABAJO/tramo.raw" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'
}

# Desde una partida: Escape vuelve al menú y la tecla 3 sale con 0.
volverAlMenuYSalir() {
    pulsar Escape
    esperarPantalla "$JUEGO/graphics/main.bmp" 5
    pulsar 3
    esperarFin 5
    [ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
}

# Con el aviso de error a la vista: el juego lo espera, Return lo acepta y
# el programa sale con 1.
aceptarAvisoYSalirConUno() {
    local caso=$1
    kill -0 "$PID_JUEGO" 2>/dev/null || fallar "$caso: el juego no esperó a que se aceptara el aviso"
    pulsar Return
    esperarFin 5
    [ "$ESTADO" -eq 1 ] || fallar "$caso: tras el aviso el estado es $ESTADO, no 1"
    paso "$caso: aviso aceptado, estado 1"
}

# Los enteros de un mapa (notación de C, con o sin coma detrás) en el vector
# VALORES_MAPA: 7x256 losetas cercanas, 7x72 lejanas y, desde la posición
# INICIO_APARICIONES, 256 códigos de aparición, 256 x y 256 y.
INICIO_APARICIONES=$((7 * 256 + 7 * 72))
leerValoresMapa() {
    local palabra
    VALORES_MAPA=()
    for palabra in $(tr ',' ' ' < "$1"); do
        VALORES_MAPA+=($((palabra)))
    done
    [ ${#VALORES_MAPA[@]} -ge 3064 ] || fallar "$(basename "$1") trae ${#VALORES_MAPA[@]} enteros, no 3064"
}

# Deja en PRIMERA_COLUMNA la primera columna del mapa leído que manda un
# enemigo: entra cuando el avance llega a ella, a 64 ticks por columna.
buscarPrimeraAparicion() {
    local c
    for c in $(seq 0 255); do
        if [ "${VALORES_MAPA[$((INICIO_APARICIONES + c))]}" -ne 0 ]; then
            PRIMERA_COLUMNA=$c
            return 0
        fi
    done
    fallar "el mapa no manda ningún enemigo"
}

# Escribe en $1 el mapa leído con la tabla de apariciones vacía: la misma
# fase, sin un solo enemigo.
escribirMapaSinEnemigos() {
    {
        printf '%s,\n' "${VALORES_MAPA[@]:0:INICIO_APARICIONES}"
        for _ in $(seq 256); do echo "0,"; done
        printf '%s,\n' "${VALORES_MAPA[@]:INICIO_APARICIONES+256}"
    } > "$1"
}

# La copia del juego pasa a jugar su fase sin enemigos: herida, la rana
# parpadea y en las capturas faltaría su verde, y una bala a destiempo
# cambiaría la energía.
quitarEnemigos() {
    leerValoresMapa "$JUEGO/maps/fase1.map"
    escribirMapaSinEnemigos "$JUEGO/maps/fase1.map"
}

# Espera el aviso de error de archivos: una ventana xmessage hija del juego
# con ese texto, y el mismo texto en stderr.
esperarAvisoDeArchivos() {
    local caso=$1 aviso texto
    esperarVentana "^xmessage$"
    aviso=$(pgrep -P "$PID_JUEGO" -x xmessage | head -n 1)
    [ -n "$aviso" ] || fallar "$caso: la ventana xmessage no es del juego"
    texto=$(tr '\0' '\n' < "/proc/$aviso/cmdline" | tail -n 1)
    [ "$texto" = "Error en el sistema de archivos" ] || fallar "$caso: el aviso dice '$texto'"
    grep -q "Error en el sistema de archivos" "$JUEGO/errores" || fallar "$caso: stderr no trae el aviso"
}

# Milisegundos desde la marca dada (de date +%s%N).
msDesde() {
    echo $(( ($(date +%s%N) - $1) / 1000000 ))
}

#!/usr/bin/env bash
# El mando en una ventana de verdad: el botón A pasa la presentación y el
# menú y dispara, la palanca y la cruceta mueven la rana, Start pausa; con los
# gatillos sueltos (en reposo marcan un extremo) y la palanca un poco fuera del
# centro, la rana no se mueve sola. Un mando de tipo Xbox: ocho ejes (palanca,
# gatillo, palanca derecha, gatillo, cruceta) y Start en el octavo botón.
# Argumentos 3 y 4, el camino y su ayudante:
#   uinput  mando-uinput crea un mando del núcleo; sin /dev/uinput la prueba
#           queda omitida (código 77) y dice por qué.
#   tuberia mando-tuberia, cargada con LD_PRELOAD, da al controlador de
#           joystick de Allegro una tubería en vez de /dev/input/js0, y aquí se
#           escriben los struct js_event que mandaría el núcleo.
source "$(dirname "$0")/comun.sh" "$@"
CAMINO=$3
AYUDANTE=$4
OMITIDA=77
BOTON_A=0
BOTON_START=7

omitir() {
    echo "OMITIDA: $*"
    exit $OMITIDA
}

# struct js_event: tiempo (4 bytes), valor (2), tipo (1) y número (1).
eventoJs() {
    local tipo=$1 numero=$2 valor=$(($3 & 0xffff))
    printf "$(printf '\\x00\\x00\\x00\\x00\\x%02x\\x%02x\\x%02x\\x%02x' \
        $((valor & 255)) $((valor >> 8)) "$tipo" "$numero")" >&3
}

case "$CAMINO" in
uinput)
    motivo=$("$AYUDANTE" --probar 2>&1) || omitir "$motivo (este sistema no deja crear un mando virtual)"
    coproc MANDO { exec "$AYUDANTE"; }
    read -r -t 5 listo <&"${MANDO[0]}"
    [ "${listo:-}" = "listo" ] || omitir "uinput abrió pero no creó el mando"
    exec 3>&"${MANDO[1]}"
    eje() { echo "eje $1 $2" >&3; }
    boton() { echo "boton $1 $2" >&3; }
    for _ in $(seq 50); do
        compgen -G "/dev/input/js*" >/dev/null && break
        sleep 0.1
    done
    compgen -G "/dev/input/js*" >/dev/null || omitir "el mando de uinput no aparece como /dev/input/js* (¿sin joydev?)"
    # El juego abre el primero: el nuestro debe ser el único.
    [ "$(compgen -G "/dev/input/js*" | wc -l)" -eq 1 ] || omitir "hay más mandos conectados que el de la prueba"
    ;;
tuberia)
    mkfifo "$TRABAJO/js0"
    exec 3<>"$TRABAJO/js0"
    eje() { eventoJs 2 "$1" "$2"; }
    boton() { eventoJs 1 "$1" "$2"; }
    # Lo que el núcleo manda al abrir (JS_EVENT_INIT): todo suelto, los
    # gatillos en -32767.
    for n in 0 1 3 4 6 7; do eventoJs 0x82 $n 0; done
    for n in 2 5; do eventoJs 0x82 $n -32767; done
    for n in $(seq 0 10); do eventoJs 0x81 "$n" 0; done
    export MANDO_TUBERIA="$TRABAJO/js0"
    ;;
*)
    fallar "camino desconocido '$CAMINO' (uinput o tuberia)"
    ;;
esac

pulsarBoton() {
    boton "$1" 1
    sleep 0.1
    boton "$1" 0
}

# F8 sostenida en el teclado y A en el mando: la andanada sale y el juego
# guarda el cuadro anterior; dispara solo si A hace de Espacio.
capturaConA() {
    xdotool windowfocus --sync "$WID"
    xdotool keydown F8
    sleep 0.05
    pulsarBoton $BOTON_A
    sleep 0.05
    xdotool keyup F8
    esperarCaptura "$JUEGO/$1"
    posicionRana "$JUEGO/$1"
}

iniciarX
copiarJuego
quitarEnemigos
if [ "$CAMINO" = tuberia ]; then
    LD_PRELOAD="$AYUDANTE" lanzarJuego
else
    lanzarJuego
fi
esperarVentana "Escuadr"
esperarPantalla "$JUEGO/graphics/pelmora.bmp"

# A sostenido desde la presentación: Espacio la pasa, y el título; en el menú
# es la tecla 1, pero solo pulsado de nuevo.
boton $BOTON_A 1
esperarPantalla "$JUEGO/graphics/main.bmp" 8
sleep 0.5
capturar "$TRABAJO/menu.png"
d=$(diferencias "$TRABAJO/menu.png" "$JUEGO/graphics/main.bmp")
[ "${d%.*}" -lt 3072 ] 2>/dev/null || fallar "el A que pasó la presentación eligió también en el menú ($d píxeles distintos)"
boton $BOTON_A 0
sleep 0.2
pulsarBoton $BOTON_A
esperarPartida 10
paso "A sostenido pasa presentación y título; el menú espera a soltarlo, y otra pulsación juega"

convert "$JUEGO/graphics/rana.bmp" -crop 100x50+0+0 +repage "$TRABAJO/cuadro0.png"
posicionRana "$TRABAJO/cuadro0.png"; hx=$PX; hy=$PY

# La palanca en reposo algo fuera del centro: 6000 de 32767, unos 23 de 128.
eje 0 6000
eje 1 -6000
sleep 0.3
capturaConA snap0.bmp; x0=$PX; y0=$PY
[ "$x0" -eq $((100 + hx)) ] && [ "$y0" -eq $((200 + hy)) ] \
    || fallar "la rana no está en (100, 200) al empezar: sus bordes están en ($x0, $y0)"
sleep 1.2
capturaConA snap1.bmp; x1=$PX; y1=$PY
paso "con A se dispara y captura; quieta, con gatillos sueltos y palanca a 6000: ($x0, $y0) y luego ($x1, $y1)"
[ "$x1" -eq "$x0" ] && [ "$y1" -eq "$y0" ] || fallar "la rana se movió sola con el mando en reposo"

eje 0 32767
sleep 0.5
eje 0 0
eje 1 0
sleep 0.3
capturaConA snap2.bmp; x2=$PX; y2=$PY
paso "palanca a la derecha medio segundo: $((x2 - x1)) píxeles"
[ $((x2 - x1)) -ge 70 ] && [ $((x2 - x1)) -le 140 ] && [ "$y2" -eq "$y1" ] \
    || fallar "con medio segundo de palanca la rana fue de ($x1, $y1) a ($x2, $y2)"

eje 7 32767
sleep 0.3
eje 7 0
sleep 0.3
capturaConA snap3.bmp; x3=$PX; y3=$PY
paso "cruceta abajo 0,3 s: $((y3 - y2)) píxeles"
[ $((y3 - y2)) -ge 40 ] && [ $((y3 - y2)) -le 90 ] && [ "$x3" -eq "$x2" ] \
    || fallar "con la cruceta abajo la rana fue de ($x2, $y2) a ($x3, $y3)"

# Start pausa: nada cambia en un segundo. Start otra vez y el fondo sigue.
pulsarBoton $BOTON_START
sleep 0.3
capturar "$TRABAJO/pausa1.png"
sleep 1
capturar "$TRABAJO/pausa2.png"
d=$(diferencias "$TRABAJO/pausa1.png" "$TRABAJO/pausa2.png")
paso "Start: dos capturas a un segundo, $d píxeles distintos"
[ "${d%.*}" -eq 0 ] 2>/dev/null || fallar "en pausa la ventana cambió ($d píxeles)"
pulsarBoton $BOTON_START
sleep 0.5
capturar "$TRABAJO/sigue.png"
d=$(diferencias "$TRABAJO/pausa2.png" "$TRABAJO/sigue.png")
paso "Start otra vez: $d píxeles distintos medio segundo después"
[ "${d%.*}" -gt 0 ] 2>/dev/null || fallar "tras el segundo Start la partida no siguió"

# En el menú A es la tecla 1.
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
pulsarBoton $BOTON_A
esperarPartida 10
paso "A en el menú: otra partida"
volverAlMenuYSalir

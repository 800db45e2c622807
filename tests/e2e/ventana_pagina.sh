#!/usr/bin/env bash
# La ventana es la página. Cada cuadro manda a la ventana solo las zonas que
# cambiaron, y una zona que se quedara atrás no la vería nadie. Se juega con
# andanadas a 1x, 2x y 3x (las dos últimas tras F10), en pantalla completa
# estirada y entera y en la ventana a la que vuelve F11; en cada una se
# pausa y se captura la ventana a su tamaño. Luego, aún en pausa, F11 dos
# veces: cada cambio de modo hace otra imagen de la ventana y convierte y
# manda entera la página en pausa. La ventana tiene que quedar igual, sin un
# píxel distinto. Destaparla no valdría: Allegro la repinta desde su imagen,
# y lo que no se convirtió tampoco está en ella.
# Con 2200x1620 cabe la ventana a 3x (el 90 %), y los bordes de la pantalla
# completa, entera a 3x o estirada a 2160x1620, son pares.
PANTALLA_XVFB=2200x1620x24
source "$(dirname "$0")/comun.sh" "$@"
COMPLETA=2200x1620+0+0

# Unos segundos de partida: andanadas con la rana subiendo y bajando.
jugarConAndanadas() {
    local flecha
    xdotool windowfocus --sync "$WID"
    for flecha in Up Down; do
        xdotool keydown "$flecha"
        for _ in 1 2 3; do pulsar space; done
        xdotool keyup "$flecha"
    done
}

# La ventana a su tamaño, sin comprimir: de 2200x1620, un PNG tarda más en
# escribirse y leerse, y dos capturas iguales lo son byte a byte.
capturarCruda() {
    import -window "$WID" "ppm:$1" 2>/dev/null
}

# Píxeles distintos entre dos capturas, sin tolerancia ninguna.
distintos() {
    compare -metric AE "$1" "$2" null: 2>&1 | cuentaEntera
}

# Píxeles del rótulo «PAUSA» (lo que no es magenta en la hoja) que no se ven
# en la captura; la página va en el recorte dado de la ventana, y tomando un
# píxel de cada cuadrado vuelve a sus 640x480, también estirada.
faltaRotulo() {
    convert "$1" -crop "$2" +repage -sample 640x480 -crop 256x60+192+194 +repage "$TRABAJO/rotulo.png"
    convert "$TRABAJO/rotulo.png" \( "$JUEGO/graphics/comunes.bmp" -crop 256x60+192+40 +repage -transparent magenta \) \
        -composite "$TRABAJO/esperado.png"
    diferencias "$TRABAJO/rotulo.png" "$TRABAJO/esperado.png"
}

# Pausa y deja en $1 la ventana quieta (dos capturas seguidas iguales) y
# con el rótulo.
pausarYCapturar() {
    local destino=$1 recorte=$2 r=""
    pulsar p
    capturarCruda "$destino"
    for _ in $(seq 40); do
        capturarCruda "$TRABAJO/otra.ppm"
        if cmp -s "$destino" "$TRABAJO/otra.ppm"; then
            r=$(faltaRotulo "$destino" "$recorte")
            [ "$r" -lt 50 ] 2>/dev/null && return 0
        fi
        mv "$TRABAJO/otra.ppm" "$destino"
    done
    fallar "la ventana no se queda quieta en pausa con su rótulo (faltan ${r:-?} píxeles del rótulo)"
}

# nombre, geometría de la ventana, dónde va en ella la página, y la
# geometría del otro modo, por el que se pasa con F11.
comprobar() {
    local nombre=$1 geometria=$2 recorte=$3 otra=$4 d=""
    esperarGeometria "$geometria"
    jugarConAndanadas
    local zonas="$TRABAJO/$nombre-zonas.ppm" entera="$TRABAJO/$nombre-entera.ppm"
    pausarYCapturar "$zonas" "$recorte"
    cambiarModo F11 "$otra"
    cambiarModo F11 "$geometria"
    # Tras volver, la página entera llega enseguida: se espera a que sea
    # como la de antes, y si no llega a serlo, cuánto se aparta.
    for _ in $(seq 20); do
        capturarCruda "$entera"
        cmp -s "$zonas" "$entera" && break
    done
    d=$(distintos "$zonas" "$entera")
    if [ "$d" != 0 ]; then
        convert "$zonas" /tmp/rana-ventana-zonas.png
        convert "$entera" /tmp/rana-ventana-entera.png
        fallar "$nombre: la ventana por zonas y la página entera difieren en $d píxeles" \
            "(/tmp/rana-ventana-zonas.png y /tmp/rana-ventana-entera.png)"
    fi
    paso "$nombre ($geometria): la ventana por zonas es la página entera, 0 píxeles distintos"
    pulsar p
}

ajustes() {
    mkdir -p "$XDG_CONFIG_HOME/escuadron-rana"
    printf '[pantalla]\nestirada = %s\n' "$1" > "$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg"
}

iniciarX
copiarJuego
ajustes si
llegarAlMenu --ventana --escala 1
empezarPartida
comprobar 1x 640x480+0+0 640x480+0+0 $COMPLETA
cambiarModo F10 1280x960+0+0
comprobar 2x 1280x960+0+0 1280x960+0+0 $COMPLETA
cambiarModo F10 1920x1440+0+0
comprobar 3x 1920x1440+0+0 1920x1440+0+0 $COMPLETA
cambiarModo F11 $COMPLETA
comprobar estirada $COMPLETA 2160x1620+20+0 1920x1440+0+0
cambiarModo F11 1920x1440+0+0
comprobar 3x-tras-F11 1920x1440+0+0 1920x1440+0+0 $COMPLETA
volverAlMenuYSalir

# La pantalla completa entera es la única que manda por zonas con la página
# apartada de la esquina. Se llega a ella con F11 ya en la partida: mirar el
# menú en 2200x1620, reducido a la página, costaría segundos por captura.
ajustes no
llegarAlMenu --ventana --escala 1
empezarPartida
cambiarModo F11 $COMPLETA
comprobar entera $COMPLETA 1920x1440+140+90 640x480+0+0
volverAlMenuYSalir

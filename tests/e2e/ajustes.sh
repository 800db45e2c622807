#!/usr/bin/env bash
# Lo que el juego recuerda y cómo se le arranca, en un escritorio de 1920x1080:
# --help y --version sin pantalla, una opción mala sale con 2 sin llegar a
# abrir nada; --escala 1 abre 640x480 y no se guarda; F10 y M se recuerdan en
# el arranque siguiente; la ventana lleva su clase, su nombre en UTF-8 y su
# icono también tras F11; con otra tecla para disparar, Espacio ya no
# dispara; la pantalla completa estirada llena la altura; y un archivo de
# ajustes con basura deja jugar y queda en .roto.
PANTALLA_XVFB=1920x1080x24
source "$(dirname "$0")/comun.sh" "$@"

AJUSTES="$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg"

# Arranca hasta el menú con esas opciones y espera la ventana de ese tamaño.
arrancarCon() {
    local medida=$1
    shift
    llegarAlMenu "$@"
    esperarGeometria "$medida+0+0"
}

salirDelMenu() {
    pulsar 3
    esperarFin 5
    [ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
}

# El valor de una clave en el archivo de ajustes.
ajuste() {
    sed -n "s/^$1 *= *//p" "$AJUSTES"
}

# Lo que dice xprop de la clase, el nombre y el icono de la ventana.
propiedadesVentana() {
    local props
    props=$(xprop -id "$WID" WM_CLASS _NET_WM_NAME _NET_WM_ICON 2>&1 | head -n 3)
    grep -qF 'WM_CLASS(STRING) = "escuadron-rana", "Escuadron-rana"' <<<"$props" &&
        grep -qF '_NET_WM_NAME(UTF8_STRING) = "Escuadrón Rana"' <<<"$props" &&
        grep -qF 'Icon (64 x 64)' <<<"$props" ||
        fallar "$1: la ventana no se presenta como es debido: $props"
}

copiarJuego
unset DISPLAY
ayuda=$("$JUEGO/escuadron-rana" --help) || fallar "--help sin pantalla salió con $?"
grep -q -- '--pantalla-completa' <<<"$ayuda" || fallar "--help no explica las opciones: $ayuda"
version=$("$JUEGO/escuadron-rana" --version) || fallar "--version sin pantalla salió con $?"
[[ "$version" =~ ^Escuadrón\ Rana\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fallar "--version dice «$version»"
for mala in "--escala 0" "--escala x" "--escala" "--nada" "--escala 99999999999999999999"; do
    # shellcheck disable=SC2086 # cada caso son sus palabras
    queja=$("$JUEGO/escuadron-rana" $mala 2>&1 >/dev/null)
    estado=$?
    # Si llegara a Allegro, sin pantalla saldría con 1 y «Error iniciando Allegro».
    [ "$estado" -eq 2 ] && [ "$(wc -l <<<"$queja")" -eq 2 ] && grep -q -- '--help' <<<"$queja" ||
        fallar "«$mala» salió con $estado y dijo: $queja"
done
paso "sin pantalla: --help, $version, y las opciones malas salen con 2 y su queja"

iniciarX
arrancarCon 640x480 --escala 1
salirDelMenu
[ -e "$AJUSTES" ] && fallar "--escala se guardó: $(cat "$AJUSTES")"
paso "--escala 1 abre 640x480 en un escritorio de 1920x1080 y no se guarda"

arrancarCon 1280x960
propiedadesVentana "al abrir"
cambiarModo F11 1920x1080+0+0
propiedadesVentana "en pantalla completa"
cambiarModo F11 1280x960+0+0
propiedadesVentana "de vuelta de la pantalla completa"
cambiarModo F10 640x480+0+0
conGuardado pulsar m
salirDelMenu
[ "$(ajuste escala)" = 1 ] && [ "$(ajuste silencio)" = si ] && [ "$(ajuste completa)" = no ] ||
    fallar "F10, M y F11 no quedaron en los ajustes: $(cat "$AJUSTES")"
paso "clase, nombre e icono también tras F11; F10 y M guardados"

# M otra vez devuelve el sonido: solo si el arranque trajo el silencio.
arrancarCon 640x480
conGuardado pulsar m
salirDelMenu
[ "$(ajuste silencio)" = no ] || fallar "el silencio guardado no volvió al arrancar: $(cat "$AJUSTES")"
paso "el arranque siguiente abre a 1x y en silencio"

sed -i 's/^disparo *=.*/disparo = Control_L/' "$AJUSTES"
grep -q '^disparo = Control_L' "$AJUSTES" || fallar "los ajustes guardados no traen las teclas: $(cat "$AJUSTES")"
quitarEnemigos
arrancarCon 640x480
disparaSoloCon Control_L
salirDelMenu
paso "con disparo = Control_L dispara Control_L y Espacio no"

# Con completa = si abre ya en pantalla completa; estirada, la página 4:3 a
# toda la altura: 1440x1080 en medio y 240 columnas negras a cada lado.
esperarEstirada() {
    local dibujo=$1 d=""
    for _ in $(seq 25); do
        capturarVentana "$TRABAJO/estirada.png" &&
            convert "$TRABAJO/estirada.png" -crop 1440x1080+240+0 +repage -sample 640x480 "$TRABAJO/reducida.png" &&
            d=$(diferencias "$TRABAJO/reducida.png" "$dibujo")
        [ "$d" -lt 3072 ] 2>/dev/null && return 0
        sleep 0.2
    done
    fallar "en medio no está $(basename "$dibujo") estirado ($d píxeles distintos)"
}
sed -i 's/^completa *=.*/completa = si/; s/^estirada *=.*/estirada = si/' "$AJUSTES"
lanzarJuego
esperarVentana "Escuadr"
esperarGeometria 1920x1080+0+0
esperarEstirada "$JUEGO/graphics/pelmora.bmp"
bordes=$(convert "$TRABAJO/estirada.png" \( +clone -crop 240x1080+0+0 \) \( -clone 0 -crop 240x1080+1680+0 \) \
    -delete 0 -append -format '%[max]' info:)
[ "$bordes" = 0 ] || fallar "los lados de la imagen estirada no son negros (máximo $bordes)"
xdotool windowfocus --sync "$WID"
xdotool keydown space
esperarEstirada "$JUEGO/graphics/main.bmp"
xdotool keyup space
salirDelMenu
paso "completa y estirada: la presentación y el menú a 1440x1080 entre dos bandas negras"

head -c 4096 /dev/urandom > "$AJUSTES"
cp "$AJUSTES" "$TRABAJO/basura.cfg"
arrancarCon 1280x960
grep -aqF 'no es un texto en UTF-8; se usan los valores por defecto' "$JUEGO/errores" ||
    fallar "la basura en los ajustes no se avisó como algo que no es texto"
cambiarModo F10 640x480+0+0
salirDelMenu
cmp -s "$TRABAJO/basura.cfg" "$AJUSTES.roto" || fallar "el archivo con basura no quedó entero en .roto"
[ "$(ajuste escala)" = 1 ] || fallar "tras la basura no se guardó el ajuste nuevo: $(head -c 300 "$AJUSTES")"
paso "con basura en los ajustes el juego arranca, avisa, y la guarda en .roto al escribir encima"

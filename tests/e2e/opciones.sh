#!/usr/bin/env bash
# La pantalla de opciones con teclas de verdad: el 4 la abre y se ve; el
# volumen baja dos pasos y el disparo pasa a Control_L pulsándola; Escape
# vuelve al menú y el archivo de ajustes lo guarda; la partida dispara con
# Control_L y no con Espacio; una tecla fija se rechaza con su línea a la
# vista; y sin la hoja de letras el arranque da el error de archivos.
source "$(dirname "$0")/comun.sh" "$@"

AJUSTES="$XDG_CONFIG_HOME/escuadron-rana/escuadron-rana.cfg"
# Las entradas, de arriba abajo y sin mando: volumen, silencio, modo, escala
# y las seis teclas; el disparo es la novena.
BAJADAS_A_DISPARO=8
# La línea de avisos, bajo las dos columnas, y el naranja de un rechazo.
LINEA_AVISOS=584x22+28+324
NARANJA='rgb(240,132,40)'

# Espera a que la ventana muestre las opciones: el título del fondo arriba,
# y el panel ya escrito (distinto del fondo vacío).
esperarOpciones() {
    local captura="$TRABAJO/opciones.png" arriba="" panel=""
    for _ in $(seq 25); do
        if capturar "$captura"; then
            arriba=$(diferenciasRecorte "$captura" 640x60+0+0 "$JUEGO/graphics/opciones.bmp" 640x60+0+0)
            panel=$(diferenciasRecorte "$captura" 580x380+20+72 "$JUEGO/graphics/opciones.bmp" 580x380+20+72)
            [ "$arriba" -lt 100 ] 2>/dev/null && [ "$panel" -gt 2000 ] 2>/dev/null && return 0
        fi
        sleep 0.2
    done
    cp "$captura" /tmp/rana-ultima-captura.png 2>/dev/null
    fallar "no se ven las opciones (título: $arriba, panel: $panel píxeles distintos)"
}

# Píxeles naranjas en la línea de avisos de una captura.
naranjaEnAvisos() {
    convert "$1" -crop "$LINEA_AVISOS" +repage -alpha off -fuzz 4% -fill white -opaque "$NARANJA" \
        -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}

ajuste() {
    sed -n "s/^$1 *= *//p" "$AJUSTES"
}

irADisparo() {
    for _ in $(seq $BAJADAS_A_DISPARO); do pulsar Down; done
}

iniciarX
copiarJuego
quitarEnemigos
llegarAlMenu
pulsar 4
esperarOpciones
paso "el 4 abre las opciones"

pulsar Left
pulsar Left
irADisparo
pulsar Return
pulsar Control_L
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
paso "volumen dos pasos abajo, disparo en Control_L, y Escape vuelve al menú"
[ "$(ajuste volumen)" = 8 ] && [ "$(ajuste disparo)" = Control_L ] ||
    fallar "el archivo de ajustes no lo guardó: $(cat "$AJUSTES" 2>/dev/null)"
paso "el archivo dice volumen = 8 y disparo = Control_L"

disparaSoloCon Control_L
paso "la partida dispara con Control_L y no con Espacio"

pulsar 4
esperarOpciones
irADisparo
pulsar Return
capturar "$TRABAJO/esperando.png"
[ "$(naranjaEnAvisos "$TRABAJO/esperando.png")" -eq 0 ] || fallar "la línea de avisos ya era naranja antes del rechazo"
pulsar Escape
sleep 0.3
capturar "$TRABAJO/rechazo.png"
naranja=$(naranjaEnAvisos "$TRABAJO/rechazo.png")
[ "$naranja" -gt 100 ] || fallar "Escape al esperar tecla no dejó a la vista su rechazo ($naranja píxeles naranjas)"
[ "$(ajuste disparo)" = Control_L ] || fallar "la tecla fija cambió el disparo: $(cat "$AJUSTES")"
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
paso "Escape como tecla de una acción se rechaza con su línea ($naranja píxeles naranjas) y no cambia nada"

rm "$JUEGO/graphics/letras.bmp"
lanzarJuego
esperarAvisoDeArchivos "sin letras.bmp"
aceptarAvisoYSalirConUno "sin letras.bmp"

#!/usr/bin/env bash
# Sin graphics/rana.bmp, sin graphics/fase1.bmp o con un mapa de menos de
# 3064 enteros, la tecla 1 avisa "Error en el sistema de archivos" y el
# juego sale con 1 al aceptar. El mismo mapa recortado a 3064 enteros sí
# juega: lo que falla es la cuenta, no la forma del recorte.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX

# Los primeros N enteros del mapa, separados por comas. Solo vale si cada
# trozo del archivo es un entero de C entero, para contar bien.
recortarMapa() {
    local n=$1 original="$CARPETA_JUEGO/maps/fase1.map"
    tr -s ', \t\r\n' '\n\n\n\n\n' < "$original" | sed '/^$/d' > "$TRABAJO/trozos"
    local total malos
    total=$(wc -l < "$TRABAJO/trozos")
    malos=$(grep -cvE '^[+-]?(0[xX][0-9a-fA-F]+|0[0-7]*|[1-9][0-9]*)$' "$TRABAJO/trozos")
    [ "$malos" -eq 0 ] || fallar "el mapa tiene $malos trozos que no son un entero de C; no se puede recortar contando"
    [ "$total" -ge 3064 ] || fallar "el mapa del build solo tiene $total enteros"
    head -n "$n" "$TRABAJO/trozos" | paste -sd, > "$JUEGO/maps/fase1.map"
}

# Con el juego en el menú, la tecla 1 debe dar el aviso y salir con 1.
esperarAviso() {
    local caso=$1
    pulsar 1
    esperarAvisoDeArchivos "$caso"
    sleep 0.5
    aceptarAvisoYSalirConUno "$caso"
}

nuevaCopia() {
    rm -rf "$JUEGO"
    copiarJuego
}

nuevaCopia
rm "$JUEGO/graphics/rana.bmp"
llegarAlMenu
esperarAviso "sin graphics/rana.bmp"

nuevaCopia
rm "$JUEGO/graphics/fase1.bmp"
llegarAlMenu
esperarAviso "sin graphics/fase1.bmp"

nuevaCopia
recortarMapa 3063
paso "mapa recortado: $(tr ',' '\n' < "$JUEGO/maps/fase1.map" | wc -l) enteros"
llegarAlMenu
esperarAviso "mapa de 3063 enteros"

# Control: el mismo recorte con un entero más se juega.
nuevaCopia
recortarMapa 3064
llegarAlMenu
empezarPartida
paso "mapa de 3064 enteros: hay partida"
volverAlMenuYSalir

#!/usr/bin/env bash
# La pantalla de repeticiones con teclas de verdad: una partida de 3 s
# acabada con Escape queda la primera de la lista, con el cursor encima; un
# .rep dañado puesto en la carpeta se lista y no rompe nada; Intro ve la
# partida con su rótulo y la lista vuelve en la misma línea (también con
# una copia más vieja, en la segunda); Supr, sí e Intro borran su archivo;
# Escape vuelve al menú.
source "$(dirname "$0")/comun.sh" "$@"

CARPETA="$XDG_DATA_HOME/escuadron-rana/repeticiones"
FRANJA='rgb(40,96,56)'
NARANJA='rgb(240,132,40)'
AMARILLO='rgb(255,214,64)'
LINEA_AVISOS=584x22+28+364
# La franja de la línea i (desde 0) de la lista.
fila() {
    echo "600x18+22+$((95 + 22 * $1))"
}

# La franja de la elegida en la línea dada.
esperarElegida() {
    esperarColor "$(fila "$1")" "$FRANJA" 3000 ||
        fallar "la franja no está en la línea $1 ($PIXELES píxeles): $2"
}

iniciarX
copiarJuego
llegarAlMenu
empezarPartida
xdotool keydown space
sleep 3
xdotool keyup space
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
grabadas=("$CARPETA"/*.rep)
GRABADA=${grabadas[0]}
[ -f "$GRABADA" ] && [ ${#grabadas[@]} -eq 1 ] || fallar "la partida no quedó grabada: ${grabadas[*]}"
# Una copia algo más vieja y una dañada más vieja aún: van detrás, en ese orden.
cp "$GRABADA" "$CARPETA/copia.rep"
touch -d '2021-01-01 12:00' "$CARPETA/copia.rep"
head -c 40 "$GRABADA" > "$CARPETA/danada.rep"
touch -d '2020-01-01 12:00' "$CARPETA/danada.rep"
paso "partida grabada ($(basename "$GRABADA")), una copia y una dañada de 40 bytes al lado"

sostener 5 esperarPanel repeticiones.bmp 10
cp "$TRABAJO/panel.png" /tmp/rana-lista-repeticiones.png && paso "la lista, en /tmp/rana-lista-repeticiones.png"
esperarElegida 0 "el cursor no empieza en la más nueva"
[ "$(pixelesDe "$TRABAJO/color.png" "$(fila 2)" "$NARANJA")" -gt 100 ] ||
    fallar "la tercera línea no dice en naranja que está dañada"
[ "$(pixelesDe "$TRABAJO/color.png" "$(fila 3)" white)" -gt 100 ] || fallar "la demo no es la cuarta línea"
paso "5 abre la lista: la partida con el cursor, la copia, la dañada y la demo"

# Intro en la línea dada: la repetición con su rótulo, y al acabar la lista
# vuelve con el cursor en esa línea.
verLinea() {
    sostener Return esperarPartida 10
    blancos=$(blancosDelRotulo)
    [ "$blancos" -gt 40 ] 2>/dev/null || fallar "Intro no muestra la repetición con su rótulo ($blancos píxeles)"
    esperarPanel repeticiones.bmp 10
    esperarElegida "$1" "al acabar la repetición la lista no vuelve en su línea"
    paso "Intro ve la de la línea $1 ($blancos píxeles blancos en el rótulo) y la lista vuelve en esa línea"
}
verLinea 0
pulsar Down
esperarElegida 1 "la flecha abajo no baja a la copia"
verLinea 1

pulsar Down
esperarElegida 2 "la flecha abajo no baja a la dañada"
pulsar Return
esperarColor "$LINEA_AVISOS" "$NARANJA" 100 || fallar "Intro en la dañada no dice por qué no se ve ($PIXELES píxeles)"
kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó con la dañada"
paso "la dañada no se ve, lo dice en naranja y el juego sigue"

pulsar Up
pulsar Up
esperarElegida 0 "la flecha arriba no vuelve a la partida"
pulsar Delete
esperarColor "$LINEA_AVISOS" "$AMARILLO" 100 || fallar "Supr no pregunta ($PIXELES píxeles amarillos)"
pulsar Left
pulsar Return
for _ in $(seq 50); do
    [ -e "$GRABADA" ] || break
    sleep 0.1
done
[ ! -e "$GRABADA" ] || fallar "Supr, sí e Intro no borran $(basename "$GRABADA")"
[ -e "$CARPETA/danada.rep" ] && [ -e "$CARPETA/copia.rep" ] || fallar "se borró otra, no la elegida"
esperarColor "$(fila 1)" "$NARANJA" 100 || fallar "tras borrar, la dañada no sube a la segunda línea"
paso "Supr, sí e Intro borran la elegida; las demás suben una línea"

sostener Escape esperarPantalla "$JUEGO/graphics/main.bmp" 5
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "salir con la tecla 3 devolvió $ESTADO"
paso "Escape vuelve al menú y el 3 sale con 0"

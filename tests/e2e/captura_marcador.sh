#!/usr/bin/env bash
# La tecla 1 empieza una partida. F8 sostenida al disparar guarda snap0.bmp,
# snap1.bmp... en la carpeta del juego, con el marcador de energía y potencia
# a 0 7 4. Una captura que ya existía no se pisa: se salta al siguiente número.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
# Sin enemigos: una bala a destiempo cambiaría la energía de la captura.
quitarEnemigos
# Un snap2.bmp de antes: tiene que seguir igual al final.
printf 'captura de otra partida\n' > "$JUEGO/snap2.bmp"
suma_previa=$(md5sum < "$JUEGO/snap2.bmp")

llegarAlMenu
empezarPartida
paso "partida en pantalla"

# Las diez cifras de comunes.bmp han de distinguirse entre sí; si no, leer
# una celda no probaría nada.
for a in 0 1 2 3 4 5 6 7 8 9; do
    for b in 0 1 2 3 4 5 6 7 8 9; do
        [ "$a" -lt "$b" ] || continue
        n=$(diferenciasRecorte "$JUEGO/graphics/comunes.bmp" "16x16+$((16 * a))+102" \
            "$JUEGO/graphics/comunes.bmp" "16x16+$((16 * b))+102")
        [ "${n%.*}" -ge 8 ] || fallar "las cifras $a y $b de comunes.bmp casi no se distinguen ($n píxeles)"
    done
done

capturas() { (cd "$JUEGO" && ls snap*.bmp 2>/dev/null | sort | tr '\n' ' '); }

# F8 sola no guarda nada; Espacio solo tampoco.
xdotool windowfocus --sync "$WID"
xdotool keydown F8; sleep 0.3; xdotool keyup F8
pulsar space
sleep 1.2
[ "$(capturas)" = "snap2.bmp " ] || fallar "sin F8 y Espacio juntas apareció una captura: $(capturas)"
paso "F8 sola o Espacio solo no guardan nada"

disparoConCaptura
esperarCaptura "$JUEGO/snap0.bmp"
paso "F8 + Espacio: snap0.bmp"

for campo in "energía 68" "potencia 280"; do
    set -- $campo
    leido=$(leerNumero "$JUEGO/snap0.bmp" "$2")
    paso "$1 en snap0.bmp: $leido"
    [ "$leido" = "074" ] || fallar "la $1 de la captura se lee '$leido', no 074"
done

# Una captura retocada, con el 1 en la celda del 7, no se lee como 074.
convert "$JUEGO/snap0.bmp" \( "$JUEGO/graphics/comunes.bmp" -crop 16x16+16+102 +repage \) \
    -geometry +84+455 -composite "$TRABAJO/retocada.bmp"
leido=$(leerNumero "$TRABAJO/retocada.bmp" 68)
paso "la misma captura con un 1 en lugar del 7 se lee $leido"
[ "$leido" = "014" ] || fallar "la lectura no nota una cifra cambiada (lee '$leido')"

# Las celdas del marcador no pueden leerse como otra cifra: la del 7 frente
# a la del 1, la que más se le parece.
n7=$(diferenciasRecorte "$JUEGO/snap0.bmp" 16x16+84+455 "$JUEGO/graphics/comunes.bmp" 16x16+112+102)
n1=$(diferenciasRecorte "$JUEGO/snap0.bmp" 16x16+84+455 "$JUEGO/graphics/comunes.bmp" 16x16+16+102)
paso "celda del 7 de la energía: $n7 píxeles distintos del 7, $n1 del 1"
[ "${n7%.*}" -le 4 ] && [ "${n1%.*}" -ge 8 ] || fallar "la celda del 7 no distingue el 7 del 1"

# Se guarda un cuadro mostrado: la franja es la del marcador de comunes.bmp.
d=$(diferenciasRecorte "$JUEGO/snap0.bmp" 640x32+0+448 "$JUEGO/graphics/comunes.bmp" 640x32+0+0)
paso "franja del marcador de snap0.bmp: $d píxeles distintos de comunes.bmp (cifras incluidas)"
[ "${d%.*}" -lt 2600 ] || fallar "snap0.bmp no lleva la franja del marcador"

sleep 0.3
disparoConCaptura
esperarCaptura "$JUEGO/snap1.bmp"
paso "la siguiente: snap1.bmp"

# Los disparos en vuelo se van en menos de un segundo.
sleep 1.2
disparoConCaptura
esperarCaptura "$JUEGO/snap3.bmp"
paso "tras snap1.bmp viene snap3.bmp"
sleep 0.5

[ "$(md5sum < "$JUEGO/snap2.bmp")" = "$suma_previa" ] || fallar "snap2.bmp, que ya existía, fue sobrescrita"
[ "$(capturas)" = "snap0.bmp snap1.bmp snap2.bmp snap3.bmp " ] || fallar "capturas inesperadas: $(capturas)"
paso "snap2.bmp sigue intacta; capturas: $(capturas)"

volverAlMenuYSalir

#!/usr/bin/env bash
# La rana quieta en su sitio de salida recibe las balas que le apuntan los
# primeros enemigos: la energía del marcador baja de 074 y la partida sigue.
# Luego Escape vuelve al menú y la tecla 3 sale con 0.
source "$(dirname "$0")/comun.sh" "$@"

# Tras llegar el avance al primer enemigo, tiempo para que dispare y la bala
# cruce la pantalla (o para que llegue la oleada siguiente).
MARGEN_MS=12000

iniciarX
copiarJuego
leerValoresMapa "$JUEGO/maps/fase1.map"
buscarPrimeraAparicion
llegada_ms=$((PRIMERA_COLUMNA * 640))
paso "el primer enemigo está en la columna $PRIMERA_COLUMNA: llega a los $llegada_ms ms"

llegarAlMenu
empezarPartida
inicio=$(date +%s%N)

# La energía de salida, y sus tres celdas como referencia: mientras no
# cambien no hace falta leerlas cifra a cifra.
captura="$TRABAJO/captura.png"
capturar "$TRABAJO/inicio.png" || fallar "no se pudo capturar la ventana"
leida=$(leerNumero "$TRABAJO/inicio.png" 68)
paso "energía al empezar: $leida"
[ "$leida" = "074" ] || fallar "la partida empieza con energía '$leida', no 074"

# Sin tocar nada hasta que las celdas cambien.
while :; do
    ms=$(msDesde "$inicio")
    kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó durante la partida"
    [ "$ms" -le $((llegada_ms + MARGEN_MS)) ] \
        || { cp "$captura" /tmp/rana-ultima-captura.png 2>/dev/null
             fallar "a los $ms ms de partida la energía sigue en 074 (última captura en /tmp/rana-ultima-captura.png)"; }
    sleep 0.2
    capturar "$captura" || continue
    d=$(diferenciasRecorte "$captura" 48x16+68+455 "$TRABAJO/inicio.png" 48x16+68+455)
    [ "${d%.*}" -gt 8 ] 2>/dev/null && break
done
paso "a los $ms ms las cifras de la energía cambian ($d píxeles)"
leida=$(leerNumero "$captura" 68)
paso "energía en la ventana: $leida"
[[ "$leida" =~ ^[0-9]{3}$ ]] && [ "$((10#$leida))" -lt 74 ] && [ "$((10#$leida))" -gt 0 ] \
    || fallar "tras el golpe la energía se lee '$leida', no un número entre 001 y 073"

# La partida sigue: F8 con Espacio guarda una captura con la misma energía
# (o menos, si entretanto llegó otra bala) y el escenario sigue avanzando.
disparoConCaptura
esperarCaptura "$JUEGO/snap0.bmp"
en_captura=$(leerNumero "$JUEGO/snap0.bmp" 68)
paso "energía en snap0.bmp: $en_captura"
[[ "$en_captura" =~ ^[0-9]{3}$ ]] && [ "$((10#$en_captura))" -le "$((10#$leida))" ] && [ "$((10#$en_captura))" -gt 0 ] \
    || fallar "snap0.bmp muestra la energía '$en_captura', no entre 001 y $leida"
capturar "$TRABAJO/antes.png" || fallar "no se pudo capturar la ventana"
sleep 0.5
capturar "$TRABAJO/despues.png" || fallar "no se pudo capturar la ventana"
d=$(diferenciasRecorte "$TRABAJO/antes.png" 640x448+0+0 "$TRABAJO/despues.png" 640x448+0+0)
paso "en medio segundo cambian $d píxeles del campo de juego"
[ "${d%.*}" -ge 2000 ] || fallar "el campo de juego no cambia en medio segundo ($d píxeles): la partida se paró"
esperarPartida 2

volverAlMenuYSalir

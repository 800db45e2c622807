#!/usr/bin/env bash
# En un escritorio de 1920x1080 la ventana abre a 2x (1280x960); F10 la pasa
# a 1x y otra vez a 2x, con la pantalla que había vuelta a mostrar; las
# capturas de F8 siguen siendo la página de 640x480. F11 en plena partida
# cubre la pantalla sin pausarla, con la página a 2x centrada sobre negro, y
# F11 otra vez devuelve la ventana de 1280x960, que sigue atendiendo al
# teclado: el cambio de modo no le quita el foco.
PANTALLA_XVFB=1920x1080x24
source "$(dirname "$0")/comun.sh" "$@"

iniciarX
copiarJuego
llegarAlMenu
esperarGeometria 1280x960+0+0
paso "la ventana abre a 2x: $(geometriaVentana)"

cambiarModo F10 640x480+0+0
esperarPantalla "$JUEGO/graphics/main.bmp" 10
# Sin gestor de ventanas nadie más le devolvería el teclado.
foco=$(xdotool getwindowfocus)
[ "$foco" = "$WID" ] || fallar "tras F10 el teclado va a la ventana $foco, no a la del juego ($WID)"
cambiarModo F10 1280x960+0+0
esperarPantalla "$JUEGO/graphics/main.bmp" 10
paso "F10: 640x480 y otra vez 1280x960, con el menú a la vista"

empezarPartida
disparoConCaptura
esperarCaptura "$JUEGO/snap0.bmp"
paso "captura de la partida a 2x: $(identify -format '%wx%h' "$JUEGO/snap0.bmp")"

cambiarModo F11 1920x1080+0+0
capturar "$TRABAJO/completa1.png" || fallar "no se pudo capturar la pantalla completa"
sleep 0.5
capturar "$TRABAJO/completa2.png" || fallar "no se pudo capturar la pantalla completa"
d=$(diferencias "$TRABAJO/completa1.png" "$TRABAJO/completa2.png")
[ "$d" -gt 1000 ] 2>/dev/null || fallar "la partida no sigue en pantalla completa ($d píxeles cambian en medio segundo)"
paso "F11: la ventana cubre la pantalla y la partida sigue ($d píxeles cambian en medio segundo)"

# En pausa el cuadro se queda quieto y se puede mirar entero.
pulsar p
sleep 0.3
capturarVentana "$TRABAJO/completa.png" || fallar "no se pudo capturar la pantalla completa"
[ "$(identify -format '%wx%h' "$TRABAJO/completa.png")" = "1920x1080" ] || fallar "la captura no es de 1920x1080"
# Lo más claro de cada franja del borde: negro, 0.
for franja in 320x1080+0+0 320x1080+1600+0 1280x60+320+0 1280x60+320+1020; do
    claro=$(convert "$TRABAJO/completa.png" -crop "$franja" +repage -format '%[fx:maxima]' info:)
    [ "$claro" = "0" ] || fallar "el borde $franja no es negro (máximo $claro)"
done
convert "$TRABAJO/completa.png" -crop 1280x960+320+60 +repage "$TRABAJO/centro.png"
# Ampliada píxel a píxel: cada cuadrado de 2x2 es de un solo color, y
# reducida y ampliada otra vez sale igual.
convert "$TRABAJO/centro.png" -sample 640x480 -sample 1280x960 "$TRABAJO/rehecha.png"
d=$(compare -metric AE "$TRABAJO/centro.png" "$TRABAJO/rehecha.png" null: 2>&1 | cut -d' ' -f1)
[ "$d" = "0" ] || fallar "el centro no es la página a 2x píxel a píxel ($d píxeles no cuadran)"
colores=$(convert "$TRABAJO/centro.png" -format '%k' info:)
[ "$colores" -gt 50 ] || fallar "el centro tiene solo $colores colores: no parece la partida"
paso "pantalla completa: bordes negros y la página a 2x en el centro ($colores colores)"

cambiarModo F11 1280x960+0+0
# La misma página, en pausa, vuelta a mostrar en la ventana.
capturarVentana "$TRABAJO/ventana.png" || fallar "no se pudo capturar la ventana"
d=$(diferencias "$TRABAJO/ventana.png" "$TRABAJO/centro.png")
[ "$d" -lt 100 ] 2>/dev/null || fallar "la ventana no muestra el cuadro en pausa ($d píxeles distintos)"
pulsar p
sleep 0.5
capturarVentana "$TRABAJO/sigue.png" || fallar "no se pudo capturar la ventana"
d=$(diferencias "$TRABAJO/sigue.png" "$TRABAJO/ventana.png")
[ "$d" -gt 1000 ] 2>/dev/null || fallar "tras P la partida no sigue en la ventana ($d píxeles cambian)"
paso "F11 otra vez: ventana de 1280x960 con el cuadro en pausa, y P la reanuda"

volverAlMenuYSalir
paso "Escape y 3 salen con 0"

#!/usr/bin/env bash
# Con la partida en marcha llegan los enemigos que manda el mapa, y vuelan.
#
# Cómo se ven: el fondo se desplaza y un retraso de unas décimas en las
# teclas lo deja en otro sitio, así que no se compara con otra partida. Se
# cuentan los píxeles del campo de juego (y < 448) de algún color que solo
# tiene la hoja de enemigos: ni la fase, ni la rana, ni comunes.bmp (disparos,
# balas, premios y explosiones) lo pintan nunca, en ningún punto del avance.
# Los colores se comparan a 16 bits, como los guarda el juego al cargar.
#
# Primero una partida con la tabla de apariciones vacía: durante todo el rato
# en que llega el primer enemigo, la cuenta se queda en 0. Después la
# partida con el mapa de verdad: en 0 al empezar, y en cientos poco después
# de que el avance llegue a la primera columna con enemigo; unas décimas
# más tarde esos píxeles están en otro sitio.
source "$(dirname "$0")/comun.sh" "$@"

# Píxeles que han de sumar los enemigos en una captura para darlos por vistos.
UMBRAL=300
# Tras llegar el avance a la columna, margen para que el enemigo entre en
# pantalla y se vea entero.
MARGEN_MS=4000

iniciarX
copiarJuego

# Una línea "r g b" por píxel de una imagen (o de un recorte imagen[WxH+X+Y]).
pixeles() {
    convert "$1" -alpha off -depth 8 rgb:- 2>/dev/null | od -An -v -tu1 -w3
}

# Los colores propios de la hoja de enemigos, a 16 bits (5-6-5), uno por línea.
G="$JUEGO/graphics"
awk 'FNR == 1 { n++ }
     { c = int($1 / 8) * 2048 + int($2 / 4) * 32 + int($3 / 8) }
     n < 4 { ajeno[c] = 1; next }
     !(c in ajeno) { propio[c] = 1; t++ }
     END { for (c in propio) print c > "/dev/stderr"; print t + 0 }' \
    <(pixeles "$G/fase1.bmp") <(pixeles "$G/rana.bmp") <(pixeles "$G/comunes.bmp") \
    <(pixeles "$G/enemigos.bmp") 2>"$TRABAJO/propios" >"$TRABAJO/en_hoja"
en_hoja=$(cat "$TRABAJO/en_hoja")
paso "enemigos.bmp: $(wc -l < "$TRABAJO/propios") colores propios en $en_hoja píxeles"
# Sin ellos la cuenta sería 0 con enemigos o sin ellos: no probaría nada.
[ "$en_hoja" -ge 2000 ] || fallar "la hoja de enemigos apenas tiene colores que no estén en las otras ($en_hoja píxeles)"

# Deja en CUENTA los píxeles de colores propios del campo de juego de una
# captura, y en XMIN y XMAX dónde empiezan y acaban (-1 si no hay).
contarEnemigos() {
    read -r CUENTA XMIN XMAX < <(awk 'NR == FNR { p[$1] = 1; next }
        { c = int($1 / 8) * 2048 + int($2 / 4) * 32 + int($3 / 8) }
        c in p { x = (FNR - 1) % 640; if (!n || x < a) a = x; if (!n || x > b) b = x; n++ }
        END { if (n) print n, a, b; else print 0, -1, -1 }' \
        "$TRABAJO/propios" <(pixeles "$1[640x448+0+0]"))
    [ -n "${CUENTA:-}" ] || fallar "no se pudo contar $(basename "$1")"
}

# Cuándo entra el primer enemigo, y el mismo mapa con la tabla vacía.
leerValoresMapa "$JUEGO/maps/fase1.map"
buscarPrimeraAparicion
llegada_ms=$((PRIMERA_COLUMNA * 640))
paso "el primer enemigo está en la columna $PRIMERA_COLUMNA: llega a los $llegada_ms ms"
cp "$JUEGO/maps/fase1.map" "$TRABAJO/fase1.map"
escribirMapaSinEnemigos "$TRABAJO/vacio.map"

captura="$TRABAJO/captura.png"
llegarAlMenu

# Sin apariciones: nada de colores propios hasta pasado el margen (y medio
# segundo más, lo que pudo tardar en verse el marcador tras la tecla 1).
cp "$TRABAJO/vacio.map" "$JUEGO/maps/fase1.map"
empezarPartida
inicio=$(date +%s%N)
muestras=0
while [ "$(msDesde "$inicio")" -lt $((llegada_ms + MARGEN_MS + 500)) ]; do
    capturar "$captura" || fallar "no se pudo capturar la ventana"
    contarEnemigos "$captura"
    [ "$CUENTA" -eq 0 ] || { cp "$captura" /tmp/rana-ultima-captura.png
        fallar "sin apariciones en el mapa, $CUENTA píxeles de colores de enemigo (x $XMIN-$XMAX) a los $(msDesde "$inicio") ms (captura en /tmp/rana-ultima-captura.png)"; }
    muestras=$((muestras + 1))
done
paso "tabla de apariciones vacía: $muestras capturas en $(msDesde "$inicio") ms, ningún píxel de enemigo"
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5

# Con el mapa de verdad.
cp "$TRABAJO/fase1.map" "$JUEGO/maps/fase1.map"
empezarPartida
inicio=$(date +%s%N)
capturar "$captura" || fallar "no se pudo capturar la ventana"
ms=$(msDesde "$inicio")
contarEnemigos "$captura"
if [ "$ms" -lt $((llegada_ms - 1000)) ]; then
    paso "al empezar ($ms ms): $CUENTA píxeles de enemigo"
    [ "$CUENTA" -eq 0 ] || fallar "antes de la primera columna con enemigo ya hay $CUENTA píxeles de enemigo"
else
    paso "el primer enemigo llega demasiado pronto para ver la fase vacía ($ms ms)"
fi

while :; do
    ms=$(msDesde "$inicio")
    if [ "$ms" -gt $((llegada_ms + MARGEN_MS)) ]; then
        cp "$captura" /tmp/rana-ultima-captura.png
        fallar "a los $ms ms de partida solo hay $CUENTA píxeles de enemigo (se esperaban $UMBRAL; última captura en /tmp/rana-ultima-captura.png)"
    fi
    sleep 0.1
    capturar "$captura" || fallar "no se pudo capturar la ventana"
    hora=$(date +%s%N)
    contarEnemigos "$captura"
    [ "$CUENTA" -ge "$UMBRAL" ] && break
done
paso "a los $(( (hora - inicio) / 1000000 )) ms: $CUENTA píxeles de enemigo, de x $XMIN a $XMAX"

# Vuelan: poco después siguen ahí, pero en otro sitio (a 2 píxeles por tick,
# unos 60 cada tres décimas). Con la máquina cargada una captura tarda lo
# suyo: se miran al menos dos, y hasta 3 s, antes de que les dé tiempo a
# salir; basta una que los vea enteros lejos de donde estaban.
# Si entre una captura y la siguiente ya se fueron todos (la máquina tardó
# segundos en capturar), eso no dice nada: se mira el siguiente que llegue.
lejos() { local d=$(($1 - $2)); [ "${d#-}" -ge 20 ]; }
movidos=""
for intento in 1 2 3; do
    xmin=$XMIN; xmax=$XMAX
    vistas=0
    idos=""
    while [ -z "$movidos$idos" ] && { [ "$vistas" -lt 2 ] || [ "$(msDesde "$hora")" -lt 3000 ]; }; do
        vistas=$((vistas + 1))
        sleep 0.1
        capturar "$captura" || fallar "no se pudo capturar la ventana"
        ms=$(msDesde "$hora")
        contarEnemigos "$captura"
        paso "$ms ms después: $CUENTA píxeles, de x $XMIN a $XMAX"
        [ "$CUENTA" -ge "$UMBRAL" ] && { lejos "$XMIN" "$xmin" || lejos "$XMAX" "$xmax"; } && movidos=1
        [ "$CUENTA" -eq 0 ] && idos=1
    done
    [ -z "$idos" ] && break
    paso "se fueron entre dos capturas; se mira el siguiente"
    hasta=$(date +%s%N)
    until [ "$CUENTA" -ge "$UMBRAL" ]; do
        [ "$(msDesde "$hasta")" -lt 20000 ] || fallar "en 20 s no llega otro enemigo"
        sleep 0.1
        capturar "$captura" || fallar "no se pudo capturar la ventana"
        hora=$(date +%s%N)
        contarEnemigos "$captura"
    done
done
[ -n "$movidos" ] || fallar "los enemigos no se ven en otro sitio: de x $xmin-$xmax a $XMIN-$XMAX, con $CUENTA píxeles"

kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó durante la partida"
volverAlMenuYSalir

#!/usr/bin/env bash
# Lo que gasta el juego en una partida frente al suelo de bench-suelo (solo
# la ventana y 100 copias de una página por segundo). Bajo un mismo Xvfb de
# 1920x1080, a 1x y a 2x: primero el suelo y luego el juego, MEDIR_SEGUNDOS
# (10) cada uno, con las cuentas de /proc. A cada cifra se le suma lo que
# gasta el Xvfb en esos mismos segundos: lo que se le pasa al servidor
# también cuesta. Es una medida, no una prueba: solo falla si no pudo medir.
# Uso: cpu_partida.sh <carpeta-del-juego> <bench-suelo>
PANTALLA_XVFB=1920x1080x24
source "$(dirname "$0")/../tests/e2e/comun.sh" "$1"
SUELO=$(realpath "$2")
SEGUNDOS=${MEDIR_SEGUNDOS:-10}
# Lo que se deja a cada uno para asentarse antes de contar.
ASENTAR=2
HZ=$(getconf CLK_TCK)

# Una foto de las cuentas, en ticks del reloj: por línea, "proceso",
# "servidor" o el número de un hilo del proceso, su utime + stime y cuándo
# nació. Un solo awk las lee casi a la vez, para que todas abarquen los
# mismos segundos. El nombre va entre paréntesis y puede llevar espacios: se
# cuenta tras él.
foto() {
    awk -v p="/proc/$PID_JUEGO/stat" -v x="/proc/$XPID/stat" '{
            f = FILENAME; sub(/^.*\) /, ""); split($0, c, " ")
            if (f == p) clave = "proceso"; else if (f == x) clave = "servidor"
            else { split(f, r, "/"); clave = r[5] }
            print clave, c[12] + c[13], c[20] }' \
        "/proc/$PID_JUEGO/stat" "/proc/$XPID/stat" /proc/"$PID_JUEGO"/task/*/stat 2>/dev/null
}

# Los hilos se llaman todos como el proceso: se nombran por orden de
# nacimiento. Allegro crea primero su hilo de fondo (eventos de X; el suelo,
# sin reloj, solo tiene ese), que el juego cambia en seguida por el suyo
# (plataforma/CHiloFondo: X y sonido), y, con install_timer, el del reloj.
nombreHilo() {
    local orden=$1 hilo=$2
    case $orden in
        1) echo "principal ($hilo)" ;;
        2) echo "de fondo, X y sonido ($hilo)" ;;
        3) echo "reloj de Allegro ($hilo)" ;;
        *) echo "otro ($hilo)" ;;
    esac
}

# Cuenta SEGUNDOS del proceso PID_JUEGO y del Xvfb. Deja en PROPIO y SERVIDOR
# el % de un núcleo de cada uno, y en $TRABAJO/hilos el % de cada hilo, en
# el orden en que nacieron.
medir() {
    local t0 t1
    t0=$(date +%s%N)
    foto > "$TRABAJO/foto0"
    sleep "$SEGUNDOS"
    foto > "$TRABAJO/foto1"
    t1=$(date +%s%N)
    grep -q '^proceso ' "$TRABAJO/foto1" && grep -q '^servidor ' "$TRABAJO/foto1" ||
        fallar "no se pudo leer /proc del proceso $PID_JUEGO o del Xvfb $XPID"
    # Lo nacido durante la cuenta empieza en 0.
    awk -v hz="$HZ" -v ns=$((t1 - t0)) 'NR == FNR { antes[$1] = $2; next }
        { printf "%s %.1f %s\n", $1, 100 * ($2 - antes[$1]) / hz / (ns / 1e9), $3 }' \
        "$TRABAJO/foto0" "$TRABAJO/foto1" > "$TRABAJO/porcentajes"
    PROPIO=$(awk '$1 == "proceso" { print $2 }' "$TRABAJO/porcentajes")
    SERVIDOR=$(awk '$1 == "servidor" { print $2 }' "$TRABAJO/porcentajes")
    # El principal, y tras él por nacimiento; los números de hilo pueden dar
    # la vuelta y no sirven de orden, salvo entre nacidos en el mismo tick.
    awk -v p="$PID_JUEGO" '$1 ~ /^[0-9]+$/ { print ($1 == p ? 0 : 1), $3, $1, $2 }' "$TRABAJO/porcentajes" |
        sort -k1,1n -k2,2n -k3,3n | awk '{ print $3, $4 }' > "$TRABAJO/hilos"
}

suma() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a + b }'; }

linea() { printf '    %-28s %6s %%\n' "$1" "$2"; }

# El suelo se lanza como el juego, en su carpeta: así comun.sh lo espera, ve
# si murió y lo para si algo falla. Sale solo, tras contar.
medirSuelo() {
    local escala=$1
    ARRANQUE=("$SUELO")
    lanzarJuego "$escala" $((ASENTAR + SEGUNDOS + 1))
    esperarVentana "Suelo de Escuadr"
    sleep "$ASENTAR"
    medir
    esperarFin 5
    [ "$ESTADO" -eq 0 ] || fallar "bench-suelo salió con $ESTADO: $(cat "$JUEGO/errores")"
    SUELO_SOLO=$PROPIO
    SUELO_TOTAL=$(suma "$PROPIO" "$SERVIDOR")
    RITMO_SUELO=$(sed 's/^bench-suelo: //' "$JUEGO/salida")
}

medirJuego() {
    local escala=$1
    ARRANQUE=(./escuadron-rana)
    llegarAlMenu --ventana --escala "$escala"
    empezarPartida
    sleep "$ASENTAR"
    medir
    # Que lo medido fuera la partida y no el menú tras perderla.
    esperarPartida 3
    VENTANA=$(geometriaVentana)
    volverAlMenuYSalir
    JUEGO_SOLO=$PROPIO
    JUEGO_TOTAL=$(suma "$PROPIO" "$SERVIDOR")
}

iniciarX
copiarJuego
echo "CPU en % de un núcleo, $SEGUNDOS s de cada uno bajo el mismo Xvfb de 1920x1080;"
echo "\"+ servidor\" suma lo que gasta el Xvfb en esos mismos segundos."
echo "Carga media de la máquina al empezar: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) núcleos)."
for escala in 1 2; do
    medirSuelo "$escala"
    medirJuego "$escala"
    echo
    echo "A ${escala}x (ventana del juego ${VENTANA%%+*}):"
    echo "  suelo: $RITMO_SUELO"
    linea "suelo solo" "$SUELO_SOLO"
    linea "suelo + servidor" "$SUELO_TOTAL"
    linea "juego solo" "$JUEGO_SOLO"
    linea "juego + servidor" "$JUEGO_TOTAL"
    printf '    %-28s %6s veces\n' "juego / suelo, con servidor" \
        "$(awk -v j="$JUEGO_TOTAL" -v s="$SUELO_TOTAL" 'BEGIN { if (s > 0) printf "%.2f", j / s; else print "-" }')"
    echo "  hilos del juego:"
    orden=0
    while read -r hilo porcentaje; do
        orden=$((orden + 1))
        linea "$(nombreHilo "$orden" "$hilo")" "$porcentaje"
    done < "$TRABAJO/hilos"
done
echo
echo "Carga media de la máquina al acabar: $(cut -d' ' -f1-3 /proc/loadavg)."

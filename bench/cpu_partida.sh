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

# utime + stime, en ticks del reloj, de /proc/<pid> o /proc/<pid>/task/<hilo>.
# El nombre va entre paréntesis y puede llevar espacios: se cuenta tras él.
ticks() {
    sed 's/^.*) //' "$1/stat" | awk '{ print $12 + $13 }'
}

# Una línea por hilo, en el orden en que nacieron: número y ticks.
ticksHilos() {
    local hilo
    for hilo in /proc/"$1"/task/*; do
        echo "${hilo##*/} $(ticks "$hilo" 2>/dev/null || echo 0)"
    done | sort -n
}

# Los hilos se llaman todos como el proceso: se nombran por orden. Allegro
# crea primero el de X (eventos y entrada; el suelo, sin reloj, solo tiene
# ese) y, con install_timer, el del reloj.
nombreHilo() {
    local orden=$1 hilo=$2
    case $orden in
        1) echo "principal ($hilo)" ;;
        2) echo "de X, de Allegro ($hilo)" ;;
        3) echo "reloj de Allegro ($hilo)" ;;
        *) echo "otro ($hilo)" ;;
    esac
}

porCiento() {
    awk -v c="$1" -v hz="$HZ" -v ns="$2" 'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }'
}

# Cuenta SEGUNDOS del proceso PID_JUEGO y del Xvfb. Deja en PROPIO y SERVIDOR
# el % de un núcleo de cada uno, y en $TRABAJO/hilos el % de cada hilo.
medir() {
    local p0 x0 t0 p1 x1 t1
    ticksHilos "$PID_JUEGO" > "$TRABAJO/hilos0"
    p0=$(ticks "/proc/$PID_JUEGO"); x0=$(ticks "/proc/$XPID"); t0=$(date +%s%N)
    sleep "$SEGUNDOS"
    p1=$(ticks "/proc/$PID_JUEGO"); x1=$(ticks "/proc/$XPID"); t1=$(date +%s%N)
    ticksHilos "$PID_JUEGO" > "$TRABAJO/hilos1"
    [[ $p0 =~ ^[0-9]+$ && $p1 =~ ^[0-9]+$ && $x0 =~ ^[0-9]+$ && $x1 =~ ^[0-9]+$ ]] ||
        fallar "no se pudo leer /proc del proceso $PID_JUEGO o del Xvfb $XPID"
    PROPIO=$(porCiento $((p1 - p0)) $((t1 - t0)))
    SERVIDOR=$(porCiento $((x1 - x0)) $((t1 - t0)))
    # Un hilo nacido durante la cuenta empieza en 0.
    awk -v hz="$HZ" -v ns=$((t1 - t0)) 'NR == FNR { antes[$1] = $2; next }
        { printf "%s %.1f\n", $1, 100 * ($2 - ($1 in antes ? antes[$1] : 0)) / hz / (ns / 1e9) }' \
        "$TRABAJO/hilos0" "$TRABAJO/hilos1" > "$TRABAJO/hilos"
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
    kill -0 "$PID_JUEGO" 2>/dev/null || fallar "el juego terminó durante la partida"
    VENTANA=$(geometriaVentana)
    volverAlMenuYSalir
    JUEGO_SOLO=$PROPIO
    JUEGO_TOTAL=$(suma "$PROPIO" "$SERVIDOR")
}

iniciarX
copiarJuego
echo "CPU en % de un núcleo, $SEGUNDOS s de cada uno bajo el mismo Xvfb de 1920x1080;"
echo "\"+ servidor\" suma lo que gasta el Xvfb en esos mismos segundos."
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

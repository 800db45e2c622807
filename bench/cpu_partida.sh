#!/usr/bin/env bash
# Lo que gasta el juego en una partida frente al suelo de bench-suelo (solo
# la ventana y 100 copias de una página por segundo). Bajo un mismo Xvfb de
# 1920x1080, a 1x y a 2x: primero el suelo y luego el juego, MEDIR_SEGUNDOS
# (10) cada uno, con las cuentas de /proc. A cada cifra se le suma lo que
# gasta el Xvfb en esos mismos segundos: lo que se le pasa al servidor
# también cuesta. Es una medida, no una prueba: solo falla si no pudo medir
# (una cifra que no leyó, o la del juego o el suelo en cero) o si el juego
# sigue con el hilo de fondo de Allegro, que despierta mil veces por
# segundo, en vez del suyo.
# Uso: cpu_partida.sh <carpeta-del-juego> <bench-suelo>
PANTALLA_XVFB=1920x1080x24
source "$(dirname "$0")/../tests/e2e/comun.sh" "$1"
SUELO=$(realpath "$2")
SEGUNDOS=${MEDIR_SEGUNDOS:-10}
# Lo que se deja a cada uno para asentarse antes de contar.
ASENTAR=2
# El hilo de fondo propio despierta cien veces por segundo; el de Allegro, mil.
DESPERTARES_FONDO=300
HZ=$(getconf CLK_TCK)

# Una foto de las cuentas, en ticks del reloj: por línea, "proceso",
# "servidor" o el número de un hilo del proceso, su utime + stime y cuándo
# nació; y "despertares-" y el hilo, las veces que se durmió. Un solo awk las
# lee casi a la vez, para que todas abarquen los mismos segundos. El nombre
# va entre paréntesis y puede llevar espacios: se cuenta tras él.
foto() {
    awk -v p="/proc/$PID_JUEGO/stat" -v x="/proc/$XPID/stat" '
        FILENAME ~ /status$/ { split(FILENAME, r, "/")
            if ($1 == "voluntary_ctxt_switches:") print "despertares-" r[5], $2, 0
            next }
        {   f = FILENAME; sub(/^.*\) /, ""); split($0, c, " ")
            if (f == p) clave = "proceso"; else if (f == x) clave = "servidor"
            else { split(f, r, "/"); clave = r[5] }
            print clave, c[12] + c[13], c[20] }' \
        "/proc/$PID_JUEGO/stat" "/proc/$XPID/stat" /proc/"$PID_JUEGO"/task/*/stat \
        /proc/"$PID_JUEGO"/task/*/status 2>/dev/null
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
# el % de un núcleo de cada uno, y en $TRABAJO/hilos el % de cada hilo y sus
# despertares por segundo, en el orden en que nacieron.
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
        $1 ~ /^despertares-/ { printf "%s %.0f\n", $1, ($2 - antes[$1]) / (ns / 1e9); next }
        { printf "%s %.1f %s\n", $1, 100 * ($2 - antes[$1]) / hz / (ns / 1e9), $3 }' \
        "$TRABAJO/foto0" "$TRABAJO/foto1" > "$TRABAJO/porcentajes"
    PROPIO=$(awk '$1 == "proceso" { print $2 }' "$TRABAJO/porcentajes")
    SERVIDOR=$(awk '$1 == "servidor" { print $2 }' "$TRABAJO/porcentajes")
    # El Xvfb puede no llegar en 1 s a un tick del reloj de /proc (10 ms): su
    # cifra puede ser cero, pero ha de ser una cifra.
    positiva "$PROPIO" && cifra "$SERVIDOR" ||
        fallar "no se leyó la CPU del proceso ('$PROPIO') o del Xvfb ('$SERVIDOR')"
    # El principal, y tras él por nacimiento; los números de hilo pueden dar
    # la vuelta y no sirven de orden, salvo entre nacidos en el mismo tick.
    awk -v p="$PID_JUEGO" 'NR == FNR { if (sub(/^despertares-/, "", $1)) d[$1] = $2; next }
        $1 ~ /^[0-9]+$/ { print ($1 == p ? 0 : 1), $3, $1, $2, d[$1] }' \
        "$TRABAJO/porcentajes" "$TRABAJO/porcentajes" |
        sort -k1,1n -k2,2n -k3,3n | awk '{ print $3, $4, $5 }' > "$TRABAJO/hilos"
    # El de fondo es el segundo en nacer; sin él no se sabe qué hilo despierta.
    FONDO_DESPERTARES=$(awk 'NR == 2 { print $3 }' "$TRABAJO/hilos")
    [[ $FONDO_DESPERTARES =~ ^[0-9]+$ ]] ||
        fallar "no se leyeron los despertares del hilo de fondo: $(tr '\n' ';' < "$TRABAJO/hilos")"
}

# Un número, y uno mayor que cero.
cifra() {
    [[ $1 =~ ^[0-9]+(\.[0-9]+)?$ ]]
}
positiva() {
    cifra "$1" && awk -v v="$1" 'BEGIN { exit !(v > 0) }'
}

suma() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a + b }'; }

# Con un tercero, los despertares por segundo.
linea() { printf '    %-28s %6s %%%s\n' "$1" "$2" "${3:+, $3 despertares/s}"; }

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
    RITMO_SUELO=$(sed -n 's/^bench-suelo: //p' "$JUEGO/salida")
    [[ $RITMO_SUELO =~ \(([0-9.]+)\ por\ segundo\) ]] && positiva "${BASH_REMATCH[1]}" ||
        fallar "bench-suelo no dio su ritmo: '$(cat "$JUEGO/salida")'"
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
    [ "$FONDO_DESPERTARES" -le "$DESPERTARES_FONDO" ] ||
        fallar "el hilo de fondo del juego despierta $FONDO_DESPERTARES veces por segundo: no es el propio"
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
    while read -r hilo porcentaje despertares; do
        orden=$((orden + 1))
        linea "$(nombreHilo "$orden" "$hilo")" "$porcentaje" "$despertares"
    done < "$TRABAJO/hilos"
done
echo
echo "Carga media de la máquina al acabar: $(cut -d' ' -f1-3 /proc/loadavg)."

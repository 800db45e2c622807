# Un Xvfb propio, arrancado y parado sin pisar a ningún otro. Lo usan las
# pruebas de punta a punta y las mediciones; se carga con source.
#
# El número de pantalla lo elige el propio Xvfb (-displayfd): toma el primero
# cuyo cerrojo puede crear, así que nunca coge el de un servidor que aún se
# está cerrando, y dos pruebas a la vez no se lo disputan. Lo escribe cuando
# ya acepta conexiones.
#
# -noreset: un servidor X se reinicia cada vez que se va su último cliente, y
# quien se conecta en ese momento no puede abrir la pantalla. Las pruebas
# conectan y desconectan xdotool sin parar mientras el juego arranca: sin
# esto, de vez en cuando el juego no podía iniciar Allegro (dos bucles de
# xdpyinfo a la vez fallaron 36 y 45 de 600 conexiones; con -noreset, 0).

XPID=""

# arrancarXvfb <ANCHOxALTOxPROFUNDIDAD> <registro>: deja el número del
# servidor en XPID y su pantalla exportada en DISPLAY.
arrancarXvfb() {
    local pantalla=$1 registro=$2 numero n
    numero=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "$pantalla" -nolisten tcp 3>"$numero" >"$registro" 2>&1 &
    XPID=$!
    for _ in $(seq 100); do
        # read solo acaba bien con la línea entera, salto incluido.
        if read -r n < "$numero" && [[ $n =~ ^[0-9]+$ ]]; then
            export DISPLAY=":$n"
            rm -f "$numero"
            return 0
        fi
        xvfbVivo || break
        sleep 0.1
    done
    rm -f "$numero"
    pararXvfb
    return 1
}

# Un servidor que ya salió queda como zombi hasta el wait, y kill -0 aún
# lo da por vivo.
xvfbVivo() {
    local estado
    estado=$(ps -o stat= -p "$XPID" 2>/dev/null) && [[ $estado != Z* ]]
}

# Para el Xvfb propio y espera a que haya salido del todo: hasta entonces su
# cerrojo y su socket siguen ahí.
pararXvfb() {
    [ -n "$XPID" ] || return 0
    kill "$XPID" 2>/dev/null || true
    for _ in $(seq 50); do
        xvfbVivo || break
        sleep 0.1
    done
    kill -KILL "$XPID" 2>/dev/null || true
    wait "$XPID" 2>/dev/null || true
    XPID=""
}

# Lo que hace falta para saber por qué un programa no encontró su pantalla.
diagnosticoXvfb() {
    local registro=$1
    echo "  pantalla: ${DISPLAY:-ninguna}, Xvfb ${XPID:-sin arrancar}"
    if [ -n "$XPID" ] && xvfbVivo; then
        echo "  el Xvfb sigue vivo"
    else
        echo "  el Xvfb ya no está"
    fi
    if xdpyinfo >/dev/null 2>&1; then
        echo "  la pantalla responde: $(xdpyinfo | grep -m1 'vendor release')"
    else
        echo "  la pantalla no responde"
    fi
    [ -s "$registro" ] && sed 's/^/  xvfb: /' "$registro"
    return 0
}

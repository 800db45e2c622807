#!/usr/bin/env bash
# El juego en la página, servida en local y abierta en un Chromium sin
# pantalla al que llegan teclas de verdad: pide una tecla, presenta, el menú
# del lienzo es main.bmp; el 1 juega con 074 de energía y con música, las
# flechas y un mando de la Gamepad API mueven la rana y Espacio dispara; Escape vuelve al menú; una
# partida de un minuto con los enemigos del mapa, hasta coger premios, se
# rehace igual en Linux sin ticks perdidos en cuadros lentos; y un volumen bajado en las opciones sigue ahí tras recargar la
# página.
# Uso: navegador.sh <build-web> <carpeta del juego de Linux>
WEB=$(cd "$1" && pwd)
source "$(dirname "$0")/comun.sh" "$2"
PYTHON=${PYTHON:-/usr/bin/python3}
NAVEGADOR=$(cd "$(dirname "$0")" && pwd)/navegador.py
CASA=/home/web_user

pagina() {
    "$PYTHON" "$NAVEGADOR" "$PUERTO" "$@"
}

# Lo que las utilidades comunes hacen con la ventana X, aquí con el lienzo.
capturar() {
    pagina lienzo "$1"
}
bajarTecla() {
    local tecla
    for tecla in "$@"; do pagina tecla abajo "$tecla"; done
}
soltarTecla() {
    local tecla
    for tecla in "$@"; do pagina tecla arriba "$tecla"; done
}

# El servidor y el navegador son de la prueba: se paran con ella.
limpiarNavegador() {
    [ -z "${PID_SERVIDOR:-}" ] || kill "$PID_SERVIDOR" 2>/dev/null
    limpiar
}
trap limpiarNavegador EXIT

# esperarEnPagina <qué> <expresión> <valor> <segundos>: hasta que la
# expresión, evaluada en la página, dé el valor.
esperarEnPagina() {
    local que=$1 expresion=$2 valor=$3 segundos=$4 leido=""
    for _ in $(seq $((segundos * 5))); do
        leido=$(pagina evaluar "$expresion" 2>/dev/null) && [ "$leido" = "$valor" ] && return 0
        sleep 0.2
    done
    fallar "$que: en $segundos s la página no da '$valor' sino '$leido'"
}

# Un archivo de la casa de la página, copiado a disco (en base64 por el camino).
sacarArchivo() {
    pagina evaluar "(() => { const d = FS.readFile('$1'); let s = '';
        for (let i = 0; i < d.length; i += 8192) s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
        return btoa(s); })()" | base64 -d > "$2"
}

abrirPagina() {
    "$PYTHON" -m http.server --bind 127.0.0.1 --directory "$WEB" 0 > "$TRABAJO/servidor.log" 2>&1 &
    PID_SERVIDOR=$!
    local servidor=""
    for _ in $(seq 50); do
        servidor=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$TRABAJO/servidor.log" | head -n 1)
        [ -n "$servidor" ] && break
        sleep 0.1
    done
    [ -n "$servidor" ] || fallar "python3 -m http.server no arrancó: $(cat "$TRABAJO/servidor.log")"
    # Como root, Chromium solo arranca sin su caja de arena.
    chromium --headless=new --no-sandbox --remote-debugging-port=0 --user-data-dir="$TRABAJO/perfil" \
        --window-size=1280,1024 "http://127.0.0.1:$servidor/index.html" > "$TRABAJO/chromium.log" 2>&1 &
    PID_JUEGO=$!
    for _ in $(seq 100); do
        PUERTO=$(head -n 1 "$TRABAJO/perfil/DevToolsActivePort" 2>/dev/null)
        [ -n "$PUERTO" ] && break
        kill -0 "$PID_JUEGO" 2>/dev/null || fallar "Chromium no arrancó: $(tail -n 5 "$TRABAJO/chromium.log")"
        sleep 0.1
    done
    [ -n "$PUERTO" ] || fallar "Chromium no abrió su puerto de depuración"
}

# Desde que pide una tecla hasta el menú, con Espacio sostenido como en Linux.
llegarAlMenuDeLaPagina() {
    esperarEnPagina "el aviso de la página" \
        "document.getElementById('aviso').hidden ? '' : document.getElementById('aviso').textContent" \
        "Pulsa una tecla para empezar" 20
    pulsar Shift_L
    esperarPantalla "$JUEGO/graphics/pelmora.bmp" 20
    sostener space esperarPantalla "$JUEGO/graphics/main.bmp" 8
}

# Un mando en la página, de la Gamepad API, que mueve la prueba: el navegador
# sin pantalla no tiene ninguno.
ponerMando() {
    pagina evaluar "window.mandoRana = { connected: true, axes: [0, 0, 0, 0],
        buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
        navigator.getGamepads = () => [window.mandoRana]; true" > /dev/null
}
# mover <tecla, o Palanca para la del mando a la derecha> <abajo|arriba>
mover() {
    if [ "$1" = Palanca ]; then
        pagina evaluar "window.mandoRana.axes[0] = $([ "$2" = abajo ] && echo 1 || echo 0)" > /dev/null
    else
        pagina tecla "$2" "$1"
    fi
}

# Sostiene la flecha (o la palanca) hasta que el borde dado de la rana (PX o
# PY) pase del valor dado, como mucho 5 s. Las capturas en que la rana
# parpadea (un enemigo la tocó) no cuentan.
sostenerHasta() {
    local tecla=$1 borde=$2 desde=$3
    mover "$tecla" abajo
    for _ in $(seq 25); do
        capturar "$TRABAJO/rana.png" && (posicionRana "$TRABAJO/rana.png") 2> /dev/null &&
            posicionRana "$TRABAJO/rana.png" && [ "${!borde}" -gt "$desde" ] && break
        sleep 0.2
    done
    mover "$tecla" arriba
    [ "${!borde}" -gt "$desde" ] || fallar "$tecla sostenida no movió la rana ($borde sigue en ${!borde})"
}

copiarJuego
abrirPagina
paso "página servida y abierta en Chromium (depuración en el puerto $PUERTO)"
llegarAlMenuDeLaPagina
capturar "$TRABAJO/menu.png"
d=$(diferencias "$TRABAJO/menu.png" "$JUEGO/graphics/main.bmp")
[ "$d" = 0 ] || fallar "el menú del lienzo no es main.bmp: $d píxeles distintos"
paso "pide una tecla, presenta y el menú del lienzo es main.bmp, píxel a píxel"

pulsar 1
esperarPartida 10
capturar "$TRABAJO/partida.png"
energia=$(leerNumero "$TRABAJO/partida.png" 68)
[ "$energia" = 074 ] || fallar "la energía del marcador se lee '$energia', no 074"
paso "el 1 juega: el marcador dice energía 074"
sonoras=$(pagina evaluar "Module.muestrasSonorasRana")
esperarEnPagina "la música de la fase por Web Audio" "Module.muestrasSonorasRana > $sonoras" true 5
paso "la música de la fase suena: la página pone en cola muestras que no son silencio (ya $sonoras)"

posicionRana "$TRABAJO/partida.png"; x0=$PX; y0=$PY
sostenerHasta Right PX $((x0 + 20))
sostenerHasta Down PY $((y0 + 20))
paso "la flecha derecha y la de abajo mueven la rana de ($x0, $y0) a ($PX, $PY)"
ponerMando
x1=$PX
sostenerHasta Palanca PX $((x1 + 20))
paso "el mando de la Gamepad API: la palanca a la derecha mueve la rana de $x1 a $PX"
disparoConCaptura
esperarEnPagina "la captura de F8 + Espacio" "FS.analyzePath(FS.cwd() + '/snap0.bmp').exists" true 5
sacarArchivo "$(pagina evaluar 'FS.cwd()')/snap0.bmp" "$TRABAJO/snap0.bmp"
posicionRana "$TRABAJO/snap0.bmp"
[ "$PX" -gt "$x0" ] || fallar "la captura no tiene la rana movida (borde derecho en $PX)"
paso "Espacio dispara: con F8, la andanada deja snap0.bmp en la página, con la rana movida"

pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
paso "Escape vuelve al menú"

# Con los enemigos del mapa, un minuto por lo menos del reloj de la página y
# hasta que la rana coge premios (potencia sobre 074): en tandas de 30 s, y
# luego de 15, como mucho siete (con la máquina cargada el juego va a pocos
# cuadros por segundo).
relojPagina() {
    pagina evaluar "Math.round(performance.now() / 1000)"
}
pulsar 1
esperarPartida 10
desde=$(relojPagina)
for ronda in 30 15 15 15 15 15 15; do
    jugarConEnemigos "$ronda"
    segundos=$(($(relojPagina) - desde))
    capturar "$TRABAJO/premios.png"
    potencia=$(leerNumero "$TRABAJO/premios.png" 280)
    paso "$segundos s con enemigos: potencia $potencia"
    [[ $potencia =~ ^[0-9]+$ ]] || fallar "no se lee la potencia en el marcador ('$potencia')"
    [ "$segundos" -ge 60 ] && [ "$((10#$potencia))" -ge 75 ] && break
done
[ "$((10#$potencia))" -ge 75 ] || fallar "la rana no cogió premios en $segundos s de partida con enemigos"
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5

# La partida, grabada en la casa de la página, se rehace igual en Linux.
REPETICIONES=$CASA/.local/share/escuadron-rana/repeticiones
grabada=$(pagina evaluar "FS.readdir('$REPETICIONES').filter(n => n.endsWith('.rep'))
    .sort((a, b) => FS.stat('$REPETICIONES/' + b).mtime - FS.stat('$REPETICIONES/' + a).mtime)[0] || ''")
[ -n "$grabada" ] || fallar "no hay partida grabada en $REPETICIONES"
sacarArchivo "$REPETICIONES/$grabada" "$TRABAJO/partida.rep"
(cd "$JUEGO" && ./escuadron-rana --verificar "$TRABAJO/partida.rep") > "$TRABAJO/verificacion" 2>&1 ||
    fallar "la partida del navegador no se rehace igual en Linux: $(cat "$TRABAJO/verificacion")"
grep -q "coincide" "$TRABAJO/verificacion" || fallar "--verificar no dice que coincida: $(cat "$TRABAJO/verificacion")"
paso "la partida del navegador, en Linux: $(tail -n 1 "$TRABAJO/verificacion")"

# El ritmo, con la cuenta del propio juego: cada cuadro guarda los ticks que
# pasaron, y los que pasan de uno los perdió un cuadro lento (el primero
# puede tener cero). Las capturas entre tandas paran la página un momento:
# se admite un 1 %.
read -r cuadros ticks < <(sed -nE 's/.*: ([0-9]+) cuadros en ([0-9]+) ticks.*/\1 \2/p' "$TRABAJO/verificacion")
[ -n "${ticks:-}" ] || fallar "--verificar no dice los cuadros y los ticks: $(cat "$TRABAJO/verificacion")"
perdidos=$((ticks - cuadros))
[ $((100 * perdidos)) -le "$ticks" ] ||
    fallar "de $ticks ticks de partida, $perdidos se perdieron en cuadros lentos (más del 1 %)"
paso "el ritmo: $ticks ticks de partida ($((ticks / 100)) s de su reloj) en $cuadros cuadros, $perdidos perdidos"

# Dos pasos menos de volumen en las opciones, y tras recargar la página el
# archivo de ajustes de su casa aún lo dice. Se recarga cuando el archivo ya
# está en IndexedDB, donde IDBFS guarda cada archivo de la casa por su ruta.
AJUSTES=$CASA/.config/escuadron-rana/escuadron-rana.cfg
guardadoEnIndexedDB() {
    echo "new Promise(listo => { const base = indexedDB.open('$CASA');
        base.onerror = () => listo('');
        base.onsuccess = () => { const leido = base.result.transaction(['FILE_DATA']).objectStore('FILE_DATA').get('$1');
            leido.onerror = () => listo('');
            leido.onsuccess = () => { const v = leido.result; base.result.close();
                listo(v && v.contents ? new TextDecoder().decode(v.contents) : ''); }; }; })"
}
pulsar 4
esperarPanel opciones.bmp 5
pulsar Left
pulsar Left
pulsar Escape
esperarPantalla "$JUEGO/graphics/main.bmp" 5
esperarEnPagina "el volumen 8 en IndexedDB" "($(guardadoEnIndexedDB "$AJUSTES")).then(texto => /^volumen *= *8\\s*\$/m.test(texto))" true 10
pagina recargar
llegarAlMenuDeLaPagina
volumen=$(pagina evaluar "(FS.readFile('$AJUSTES', { encoding: 'utf8' }).match(/^volumen *= *(\\d+)/m) || [])[1] || ''")
[ "$volumen" = 8 ] || fallar "tras recargar, el volumen guardado es '$volumen', no 8"
paso "el volumen bajado en las opciones sigue en 8 tras recargar la página"

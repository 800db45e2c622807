# Paquetes de Debian que necesita el juego y los que añaden las pruebas.
PAQUETES_JUEGO="g++ cmake make pkg-config liballegro4-dev x11-utils xfonts-base freepats"
# clang y libclang-rt-dev traen libFuzzer para el fuzzing del lector de mapas;
# libmpfr-dev da el redondeo exacto con el que se contrasta la trigonometría;
# desktop-file-utils, appstream y man-db validan la entrada del escritorio, los
# metadatos y la página de manual; libxdamage-dev, para contar desde fuera los
# cuadros que el juego presenta; lintian revisa el paquete de Debian;
# chromium y python3-websocket juegan en la página del navegador; ccache guarda
# los objetos de las compilaciones que solo son para probar.
PAQUETES_PRUEBAS="ccache libgtest-dev libmpfr-dev libxdamage-dev xvfb xdotool sox imagemagick clang libclang-rt-dev desktop-file-utils appstream man-db lintian chromium python3-websocket"

# Instala con apt-get solo lo que falta; con sudo si no se es root.
instalarPaquetes() {
    local faltan=()
    for paquete in "$@"; do
        dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed' \
            || faltan+=("$paquete")
    done
    [ ${#faltan[@]} -eq 0 ] && return 0
    echo "Instalando: ${faltan[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
}

# Para el juego de Windows: el compilador cruzado, Wine para probarlo, zip
# para el paquete y patch para los arreglos a las fuentes de Allegro (que
# trae apt-get source).
PAQUETES_WINDOWS="mingw-w64 wine wine64 zip patch"

# Para el juego en el navegador: el Emscripten de Debian (con su node y el
# acorn que busca en /usr/share/nodejs) y python3 para servir la página.
PAQUETES_WEB="emscripten nodejs python3"

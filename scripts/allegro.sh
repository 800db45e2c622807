# Las fuentes de Allegro 4 que compilan scripts/windows.sh y scripts/web.sh:
# una sola manera de traerlas y comprobarlas. Quien lo carga define fallar.
ALLEGRO_VERSION=4.4.3.1
ALLEGRO_TARBALL=allegro4.4_${ALLEGRO_VERSION}.orig.tar.gz
# La huella de las fuentes que Debian publica de Allegro: lo que se baja se
# compara con ella antes de compilar nada.
ALLEGRO_SHA256=ec19dbc9a021244582b4819b3583ee594b50141f9fcf6944a4ed8069cbf8d4d4
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/escuadron-rana

huellaBuena() {
    [ -f "$1" ] && echo "$ALLEGRO_SHA256  $1" | sha256sum -c --quiet 2> /dev/null
}

# Las fuentes de los paquetes (deb-src) de los mismos sitios que los binarios
# de esta máquina, en una lista aparte: el apt de la máquina no cambia.
fuentesDeLaMaquina() {
    local lista=$1 partes=$2 archivo
    : > "$lista"
    for archivo in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$archivo" ] && sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$archivo" >> "$lista"
    done
    for archivo in /etc/apt/sources.list.d/*.sources; do
        [ -f "$archivo" ] && sed -E 's/^Types:.*/Types: deb-src/' "$archivo" > "$partes/$(basename "$archivo")"
    done
    return 0
}

# apt-get source con su propio estado en una carpeta temporal: ni toca el de
# la máquina ni necesita ser root. Solo hace falta el .orig.tar.gz; si falla
# otro de los archivos del paquete fuente, no importa.
bajarAllegro() {
    local destino=$1 apt
    apt=$(mktemp -d)
    mkdir -p "$apt/fuentes.d" "$apt/listas/partial" "$apt/cache" "$apt/bajado"
    fuentesDeLaMaquina "$apt/fuentes.list" "$apt/fuentes.d"
    local opciones=(-o Dir::Etc::SourceList="$apt/fuentes.list" -o Dir::Etc::SourceParts="$apt/fuentes.d"
                    -o Dir::State::Lists="$apt/listas" -o Dir::Cache="$apt/cache" -o Debug::NoLocking=1
                    -o APT::Sandbox::User="$(id -un)")
    echo "Bajando las fuentes de Allegro $ALLEGRO_VERSION con apt-get source"
    if ! apt-get "${opciones[@]}" -qq update > "$apt/apt.log" 2>&1; then
        cat "$apt/apt.log" >&2
        rm -rf "$apt"
        fallar "apt-get no pudo leer las fuentes (deb-src) de los sitios de esta máquina"
    fi
    (cd "$apt/bajado" && apt-get "${opciones[@]}" -qq source --download-only allegro4.4) >> "$apt/apt.log" 2>&1 || true
    if ! huellaBuena "$apt/bajado/$ALLEGRO_TARBALL"; then
        cat "$apt/apt.log" >&2
        rm -rf "$apt"
        fallar "apt-get source allegro4.4 no trajo $ALLEGRO_TARBALL con la huella $ALLEGRO_SHA256"
    fi
    mkdir -p "$(dirname "$destino")"
    mv "$apt/bajado/$ALLEGRO_TARBALL" "$destino"
    rm -rf "$apt"
}

# El tarball en la caché, bajado solo si falta o no tiene la huella.
fuentesAllegro() {
    huellaBuena "$CACHE/$ALLEGRO_TARBALL" || bajarAllegro "$CACHE/$ALLEGRO_TARBALL"
}

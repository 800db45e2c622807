#!/usr/bin/env bash
# cmake --install en un prefijo temporal deja cada cosa en su sitio; el juego
# instalado, arrancado desde otra carpeta (vacía), encuentra sus recursos, juega
# y guarda la captura en esa carpeta; sale con 0 con la tecla 3. Con el prefijo
# movido a otro sitio sigue encontrándolos.
# Uso: instalar.sh <carpeta-del-juego> <carpeta-de-compilación>
source "$(dirname "$0")/comun.sh" "$1"
COMPILACION=$2

PREFIJO="$TRABAJO/prefijo"
cmake --install "$COMPILACION" --prefix "$PREFIJO" > "$TRABAJO/instalacion.log" 2>&1 ||
    fallar "cmake --install falló: $(tail -n 5 "$TRABAJO/instalacion.log")"

D=share/games/escuadron-rana
esperados="games/escuadron-rana
$D/demos/demo.rep
$D/graphics/comunes.bmp
$D/graphics/enemigos.bmp
$D/graphics/fase1.bmp
$D/graphics/icono.bmp
$D/graphics/letras.bmp
$D/graphics/main.bmp
$D/graphics/opciones.bmp
$D/graphics/pelmora.bmp
$D/graphics/rana.bmp
$D/graphics/repeticiones.bmp
$D/maps/fase1.map
$D/musics/fase1.mid
$D/musics/parches.cfg
$D/musics/tokecillo.mid
$D/sounds/aviso_gigante.wav
$D/sounds/bala.wav
$D/sounds/curvo.wav
$D/sounds/disparo.wav
$D/sounds/estallido.wav
$D/sounds/explosion.wav
$D/sounds/explosion_gigante.wav
$D/sounds/explosion_metal.wav
$D/sounds/herida.wav
$D/sounds/impacto.wav
$D/sounds/perforante.wav
$D/sounds/premio.wav
share/applications/io.github.escuadron_rana.desktop
share/doc/escuadron-rana/README.md
share/doc/escuadron-rana/changelog.gz
share/doc/escuadron-rana/copyright
share/icons/hicolor/128x128/apps/escuadron-rana.png
share/icons/hicolor/256x256/apps/escuadron-rana.png
share/icons/hicolor/64x64/apps/escuadron-rana.png
share/man/man6/escuadron-rana.6.gz
share/metainfo/io.github.escuadron_rana.metainfo.xml"
instalados=$(cd "$PREFIJO" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[ "$instalados" = "$(LC_ALL=C sort <<< "$esperados")" ] ||
    fallar "lo instalado no es lo esperado:$(diff <(LC_ALL=C sort <<< "$esperados") <(echo "$instalados"))"
[ -x "$PREFIJO/games/escuadron-rana" ] || fallar "el juego instalado no es ejecutable"
for lado in 64 128 256; do
    medidas=$(identify -regard-warnings -format '%wx%h' "$PREFIJO/share/icons/hicolor/${lado}x$lado/apps/escuadron-rana.png")
    [ "$medidas" = "${lado}x$lado" ] || fallar "el icono de ${lado}x$lado mide $medidas"
done
paso "instalados $(wc -l <<< "$instalados") archivos en su sitio"

# La carpeta de trabajo es otra, vacía: no trae graphics/.
CASA="$TRABAJO/casa"
mkdir -p "$CASA"
JUEGO=$CASA
EJECUTABLE="$PREFIJO/games/escuadron-rana"
lanzarJuego() {
    (cd "$CASA" && exec "$EJECUTABLE" >salida 2>errores) &
    PID_JUEGO=$!
}

iniciarX
# Las funciones comunes comparan con los dibujos de $JUEGO/graphics: los instalados.
DATOS="$PREFIJO/$D"
JUEGO=$DATOS llegarAlMenu
JUEGO=$DATOS empezarPartida
paso "el juego instalado llega al menú y juega desde $CASA"
disparoConCaptura
esperarCaptura "$CASA/snap0.bmp"
[ -z "$(find "$PREFIJO" -name 'snap*')" ] || fallar "una captura fue a parar al prefijo"
paso "la captura queda en la carpeta de trabajo"
JUEGO=$DATOS volverAlMenuYSalir
paso "la tecla 3 sale con 0"

# El prefijo entero a otro sitio: el juego busca sus datos junto a sí mismo.
mv "$PREFIJO" "$TRABAJO/movido"
EJECUTABLE="$TRABAJO/movido/games/escuadron-rana"
JUEGO="$TRABAJO/movido/$D" llegarAlMenu
pulsar 3
esperarFin 5
[ "$ESTADO" -eq 0 ] || fallar "el juego movido salió con $ESTADO"
paso "con el prefijo movido llega al menú y sale con 0"

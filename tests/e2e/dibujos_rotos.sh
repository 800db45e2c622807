#!/usr/bin/env bash
# Cada BMP del juego cortado a sus primeros 100 bytes, o entero pero con una
# cabecera que anuncia una fila más de las que trae: Allegro los cargaría con
# filas en blanco; el juego avisa "Error en el sistema de archivos" donde
# carga ese dibujo y sale con 1 al aceptar.
source "$(dirname "$0")/comun.sh" "$@"

iniciarX

# Alto del BMP (entero de 32 bits little endian en el byte 22) más uno.
masAlto() {
    local alto
    alto=$(od -An -tu4 -j22 -N4 "$1" | tr -d ' ')
    alto=$((alto + 1))
    printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((alto & 255)) $((alto >> 8 & 255)) \
        $((alto >> 16 & 255)) $((alto >> 24 & 255)))" |
        dd of="$1" bs=1 seek=22 conv=notrunc status=none
}

# Sigue hasta donde el juego carga ese dibujo, espera el aviso y lo acepta.
probar() {
    local dibujo=$1 rotura=$2 caso="$1 $2"
    rm -rf "$JUEGO"
    copiarJuego
    case $rotura in
        cortado) head -c 100 "$CARPETA_JUEGO/graphics/$dibujo" > "$JUEGO/graphics/$dibujo" ;;
        "con una fila de más") masAlto "$JUEGO/graphics/$dibujo" ;;
    esac
    case $dibujo in
        # Se cargan al arrancar, antes de la presentación.
        enemigos.bmp | comunes.bmp | pelmora.bmp | letras.bmp) lanzarJuego ;;
        main.bmp)
            lanzarJuego
            esperarVentana "Escuadr"
            esperarPantalla "$JUEGO/graphics/pelmora.bmp"
            xdotool windowfocus --sync "$WID"
            xdotool keydown space
            ;;
        rana.bmp | fase1.bmp)
            llegarAlMenu
            pulsar 1
            ;;
        opciones.bmp)
            llegarAlMenu
            pulsar 4
            ;;
    esac
    esperarAvisoDeArchivos "$caso"
    [ "$dibujo" != main.bmp ] || xdotool keyup space
    sleep 0.3
    aceptarAvisoYSalirConUno "$caso"
}

for dibujo in pelmora.bmp main.bmp letras.bmp opciones.bmp enemigos.bmp comunes.bmp rana.bmp fase1.bmp; do
    probar "$dibujo" cortado
    probar "$dibujo" "con una fila de más"
done

#!/usr/bin/env bash
# Los includes del juego van en un solo sentido: ningún ciclo entre clases
# (salvo el de la rana y su disparo curvo, que se conocen el uno al otro),
# las carpetas de abajo no miran arriba y la partida no sabe de grabaciones.
set -uo pipefail
cd "${1:-$(dirname "$0")/..}"
CARPETAS="shell plataforma ajustes sonido opciones repeticion world stage player enemies"
fallos=0
fallar() { echo "FALLO: $*"; fallos=$((fallos + 1)); }

# Cada include como una arista entre módulos (carpeta/Clase, sin extensión).
aristas() {
    grep -H '^#include "' $(find $CARPETAS -name '*.cpp' -o -name '*.h') |
        sed -E 's#^([^:]+)\.(cpp|h):\#include "([^"]+)\.h".*#\1 \3#' | awk '$1 != $2'
}

# tsort dice qué módulos forman un ciclo.
ciclo=$(aristas | grep -v "^player/CDisparoCurvo player/CRana$" | tsort 2>&1 >/dev/null | grep -v "input contains a loop")
[ -z "$ciclo" ] || fallar "includes en ciclo: $(echo $ciclo | sed 's/tsort: //g')"

# Lo que una carpeta no puede incluir de otra.
prohibido() {
    local desde=$1 patron=$2 motivo=$3
    local malos
    malos=$(aristas | awk -v d="$desde" '$1 ~ "^" d "/"' | grep -E " ($patron)\$")
    [ -z "$malos" ] || fallar "$motivo: $(echo "$malos" | tr '\n' ';')"
}
for abajo in plataforma ajustes sonido; do
    prohibido $abajo 'shell/C(Sistema|Juego|Entrada)|shell/(Azar|Fundidos|main)|(world|stage|player|enemies|repeticion|opciones)/.*' \
        "$abajo/ usa de más arriba solo CExcepcion"
done
prohibido plataforma '(ajustes|sonido)/.*' "la plataforma no sabe de ajustes ni de sonido"
for juego in world stage player enemies; do
    prohibido $juego '(repeticion|ajustes|opciones)/.*' "la partida no sabe de grabaciones, ajustes ni opciones"
done

# El contexto no sabe de ajustes, ni por lo que incluye lo que incluye: la
# partida, que lo incluye, tampoco.
cierre() {
    local archivo=$1
    [[ " $vistos " == *" $archivo "* ]] && return
    vistos="$vistos $archivo"
    local incluido
    for incluido in $(sed -nE 's/^#include "([^"]+)".*/\1/p' "$archivo" 2>/dev/null); do
        [ -f "$incluido" ] && cierre "$incluido"
    done
}
vistos=""
cierre shell/CSistema.h
deAjustes=$(echo $vistos | tr ' ' '\n' | grep '^ajustes/')
[ -z "$deAjustes" ] || fallar "shell/CSistema.h incluye ajustes: $(echo $deAjustes)"

# La partida no llama a la biblioteca matemática de C, que redondea distinto
# en cada sistema: usa la suya, world/Trigonometria.
matematicas=$(grep -nE '#include <(cmath|math\.h)>|\b(std::)?(sin|cos|tan|atan2?|asin|acos|exp|log|pow|floor|ceil|round|l?lround|fmod|hypot|fma)f?l? *\(' \
    $(find world stage player enemies -name '*.cpp' -o -name '*.h') | grep -vE '^[^:]+:[0-9]+: *//')
[ -z "$matematicas" ] || fallar "la partida usa la biblioteca matemática de C: $(echo "$matematicas" | tr '\n' ';')"

[ $fallos -eq 0 ] && echo "los includes van en un solo sentido"
exit $((fallos > 0))

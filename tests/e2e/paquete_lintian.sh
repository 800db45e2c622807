#!/usr/bin/env bash
# lintian, el revisor de paquetes de Debian, no encuentra en el .deb que dejó
# paquete_deb.sh ni un error ni un aviso. Sin lintian se salta (código 77).
# Uso: paquete_lintian.sh <carpeta-de-compilación>
set -u
command -v lintian > /dev/null || { echo "SALTADA: lintian no está instalado"; exit 77; }
deb=$(ls "$1"/paquete-prueba/escuadron-rana_*.deb 2>/dev/null)
[ -f "$deb" ] || { echo "FALLO: no hay .deb: la prueba e2e_paquete_deb lo deja en $1/paquete-prueba"; exit 1; }

salida=$(lintian --info --display-info "$deb" 2>&1)
estado=$?
echo "$salida"
quejas=$(grep -cE '^[EW]: ' <<< "$salida")
[ "$estado" -eq 0 ] || { echo "FALLO: lintian salió con $estado"; exit 1; }
[ "$quejas" -eq 0 ] || { echo "FALLO: lintian da $quejas errores o avisos"; exit 1; }
echo "-- lintian: 0 errores y 0 avisos en $(basename "$deb")"

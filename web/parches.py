"""Los parches de parches.cfg que Allegro (DIGMID) abrirá para tocar estas
canciones, uno por línea: solo esos van a los datos de la página.

Uso: parches.py <parches.cfg> <canción.mid>...

Se leen como los lee Allegro: el piano siempre, cada cambio de programa en
cualquier canal y cada nota del canal 10 (la percusión); en el índice, los
instrumentos numerados desde 1 y la percusión dentro del multiparche, por
número de nota.
"""
import sys


def longitud_variable(datos, i):
    valor = 0
    while True:
        byte = datos[i]
        i += 1
        valor = (valor << 7) | (byte & 0x7F)
        if byte < 0x80:
            return valor, i


def usados(ruta):
    datos = open(ruta, 'rb').read()
    programas, notas = {0}, set()
    i = 14
    while i < len(datos):
        tamano = int.from_bytes(datos[i + 4:i + 8], 'big')
        j, fin, estado = i + 8, i + 8 + tamano, 0
        while j < fin:
            _, j = longitud_variable(datos, j)
            if datos[j] & 0x80:
                estado = datos[j]
                j += 1
            tipo = estado >> 4
            if estado in (0xF0, 0xF7):
                largo, j = longitud_variable(datos, j)
                j += largo
            elif estado == 0xFF:
                largo, j = longitud_variable(datos, j + 1)
                j += largo
            elif tipo == 0xC:
                programas.add(datos[j])
                j += 1
            elif tipo == 0xD:
                j += 1
            else:
                if tipo == 0x9 and estado & 0x0F == 9:
                    notas.add(datos[j])
                j += 2
        i = fin
    return programas, notas


programas, notas = set(), set()
for cancion in sys.argv[2:]:
    p, n = usados(cancion)
    programas |= p
    notas |= n
percusion = False
for linea in open(sys.argv[1]):
    palabras = linea.split()
    if palabras[:1] == ['end_multipatch']:
        percusion = False
    elif len(palabras) < 2:
        continue
    elif palabras[1] == 'begin_multipatch':
        percusion = True
    elif palabras[0].isdigit():
        numero = int(palabras[0])
        if (percusion and numero in notas) or (not percusion and numero - 1 in programas):
            print(palabras[1])

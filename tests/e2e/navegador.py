#!/usr/bin/python3
# Maneja la página del juego en un Chromium sin pantalla por su protocolo de
# depuración: teclas de verdad (por su código físico, como las manda un
# teclado), la imagen del lienzo y lo que diga una expresión de la página.
# Cada orden abre su propia conexión, así las pruebas la llaman desde bash.
# Uso: navegador.py <puerto> tecla abajo|arriba <tecla de xdotool>
#      navegador.py <puerto> lienzo <archivo.png>
#      navegador.py <puerto> evaluar <expresión>
#      navegador.py <puerto> recargar
import base64
import json
import sys
import urllib.request

import websocket

# Los nombres de xdotool que usan las pruebas, con su code, su key y su
# código de tecla virtual.
TECLAS = {
    "space": ("Space", " ", 32),
    "Escape": ("Escape", "Escape", 27),
    "Return": ("Enter", "Enter", 13),
    "Tab": ("Tab", "Tab", 9),
    "Left": ("ArrowLeft", "ArrowLeft", 37),
    "Up": ("ArrowUp", "ArrowUp", 38),
    "Right": ("ArrowRight", "ArrowRight", 39),
    "Down": ("ArrowDown", "ArrowDown", 40),
    "minus": ("Minus", "-", 189),
    "plus": ("Equal", "+", 187),
    "Shift_L": ("ShiftLeft", "Shift", 16),
}


def tecla(nombre):
    if nombre in TECLAS:
        return TECLAS[nombre]
    if len(nombre) == 1 and nombre.isdigit():
        return ("Digit" + nombre, nombre, ord(nombre))
    if len(nombre) == 1 and nombre.isalpha():
        return ("Key" + nombre.upper(), nombre.lower(), ord(nombre.upper()))
    if nombre[0] == "F" and nombre[1:].isdigit():
        return (nombre, nombre, 111 + int(nombre[1:]))
    sys.exit("navegador.py: no sé qué tecla es '%s'" % nombre)


class Pagina:
    def __init__(self, puerto):
        with urllib.request.urlopen("http://127.0.0.1:%s/json" % puerto, timeout=5) as r:
            paginas = [p for p in json.load(r) if p.get("type") == "page"]
        if not paginas:
            sys.exit("navegador.py: Chromium no tiene ninguna página abierta")
        self.ws = websocket.create_connection(paginas[0]["webSocketDebuggerUrl"], timeout=10,
                                              suppress_origin=True)
        self.siguiente = 0

    def orden(self, metodo, **parametros):
        self.siguiente += 1
        self.ws.send(json.dumps({"id": self.siguiente, "method": metodo, "params": parametros}))
        while True:
            respuesta = json.loads(self.ws.recv())
            if respuesta.get("id") == self.siguiente:
                if "error" in respuesta:
                    sys.exit("navegador.py: %s: %s" % (metodo, respuesta["error"]))
                return respuesta["result"]

    def evaluar(self, expresion):
        resultado = self.orden("Runtime.evaluate", expression=expresion, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in resultado:
            sys.exit("navegador.py: la página dio una excepción: %s" % resultado["exceptionDetails"].get("text"))
        return resultado["result"].get("value")


def main():
    if len(sys.argv) < 3:
        sys.exit("uso: navegador.py <puerto> tecla|lienzo|evaluar|recargar ...")
    pagina = Pagina(sys.argv[1])
    orden, argumentos = sys.argv[2], sys.argv[3:]
    if orden == "tecla":
        code, key, virtual = tecla(argumentos[1])
        tipo = "keyDown" if argumentos[0] == "abajo" else "keyUp"
        # El texto solo con la bajada de las que escriben: así llega un keypress.
        texto = key if tipo == "keyDown" and len(key) == 1 else ""
        pagina.orden("Input.dispatchKeyEvent", type=tipo, code=code, key=key, text=texto,
                     windowsVirtualKeyCode=virtual, nativeVirtualKeyCode=virtual)
    elif orden == "lienzo":
        datos = pagina.evaluar("document.querySelector('canvas').toDataURL('image/png')")
        if not datos or not datos.startswith("data:image/png;base64,"):
            sys.exit("navegador.py: el lienzo no dio una imagen")
        with open(argumentos[0], "wb") as archivo:
            archivo.write(base64.b64decode(datos.split(",", 1)[1]))
    elif orden == "evaluar":
        valor = pagina.evaluar(argumentos[0])
        print(valor if isinstance(valor, str) else json.dumps(valor))
    elif orden == "recargar":
        pagina.orden("Page.reload", ignoreCache=True)
    else:
        sys.exit("navegador.py: no hay orden '%s'" % orden)


main()

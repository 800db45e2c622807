// Lo que Emscripten hace antes de main, en la página y en node.

// Bajo node (el juego con --verificar, la tabla de la trigonometría) el
// .wasm se lee del disco, junto a este .js: el fetch de node 18 en adelante
// no entiende una ruta sin esquema, y Emscripten 3.1.6 lo prueba primero.
if (typeof process === 'object' && typeof process.versions === 'object' && process.versions.node) {
    const ruta = require('path');
    const wasm = ruta.join(__dirname, ruta.basename(__filename, '.js') + '.wasm');
    Module['wasmBinary'] = require('fs').readFileSync(wasm);
}

// En la página, la carpeta de casa (los ajustes en .config, las
// repeticiones en .local/share) vive en IndexedDB: se lee antes de main y
// se escribe cada vez que el juego guarda un archivo (guardarArchivosRana).
if (typeof window === 'object' && typeof indexedDB === 'object') {
    const CASA = '/home/web_user';
    let guardando = false, otraVez = false;
    Module['guardarArchivosRana'] = function () {
        if (guardando) {
            otraVez = true;
            return;
        }
        guardando = true;
        FS.syncfs(false, function (error) {
            guardando = false;
            if (error)
                err('no se pudo guardar en el navegador: ' + error);
            if (Module['alGuardarRana'])
                Module['alGuardarRana'](!error);
            if (otraVez) {
                otraVez = false;
                Module['guardarArchivosRana']();
            }
        });
    };
    Module['preRun'] = Module['preRun'] || [];
    Module['preRun'].push(function () {
        FS.mkdirTree(CASA);
        FS.mount(IDBFS, {}, CASA);
        addRunDependency('casa');
        FS.syncfs(true, function (error) {
            if (error)
                err('no se pudo leer lo guardado en el navegador: ' + error);
            removeRunDependency('casa');
        });
    });
}

// El sonido: la página crea su AudioContext en el gesto de empezar
// (index.html), y el juego le da, desde su bucle, búferes de 16 bits en
// estéreo ya mezclados por Allegro (SonidoPagina), que aquí se ponen en cola
// uno tras otro en el reloj del AudioContext. muestrasSonorasRana cuenta las
// que no son silencio.
if (typeof window === 'object' && typeof AudioContext === 'function') {
    let fin = 0;
    Module['muestrasSonorasRana'] = 0;
    Module['adelantoRana'] = function () {
        return Math.max(0, fin - Module['audioRana'].currentTime);
    };
    Module['sonarRana'] = function (direccion, muestras) {
        const audio = Module['audioRana'];
        const bufer = audio.createBuffer(2, muestras, audio.sampleRate);
        const izquierda = bufer.getChannelData(0), derecha = bufer.getChannelData(1);
        const datos = HEAP16.subarray(direccion >> 1, (direccion >> 1) + 2 * muestras);
        let sonoras = 0;
        for (let i = 0; i < muestras; i++) {
            izquierda[i] = datos[2 * i] / 32768;
            derecha[i] = datos[2 * i + 1] / 32768;
            if (datos[2 * i] !== 0 || datos[2 * i + 1] !== 0)
                sonoras++;
        }
        Module['muestrasSonorasRana'] += sonoras;
        const fuente = audio.createBufferSource();
        fuente.buffer = bufer;
        fuente.connect(audio.destination);
        // Si la cola se vació (la pestaña estuvo dormida), se vuelve a
        // empezar un poco por delante de lo que suena.
        fin = Math.max(fin, audio.currentTime + 0.02);
        fuente.start(fin);
        fin += muestras / audio.sampleRate;
    };
}

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

// Bajo node (el juego con --verificar, la tabla de la trigonometría) el
// .wasm se lee del disco, junto a este .js: el fetch de node 18 en adelante
// no entiende una ruta sin esquema, y Emscripten 3.1.6 lo prueba primero.
if (typeof process === 'object' && typeof process.versions === 'object' && process.versions.node) {
    const ruta = require('path');
    const wasm = ruta.join(__dirname, ruta.basename(__filename, '.js') + '.wasm');
    Module['wasmBinary'] = require('fs').readFileSync(wasm);
}

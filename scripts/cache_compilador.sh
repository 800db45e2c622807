# La caché del compilador (ccache) de las compilaciones que solo sirven para
# probar: la de los sanitizadores, la de los fuzzers, la de Windows y la del
# navegador. Un commit que toca pocos archivos solo recompila esos.
# build/ y la segunda compilación reproducible no la usan: para acertar desde
# otra carpeta, ccache pasa las rutas de las fuentes a relativas, y esas rutas
# quedan en la información de depuración de unos binarios que se comparan
# byte a byte.
# Quien lo carga ha de estar en la raíz del repositorio.
CACHE_COMPILADOR=()
if command -v ccache > /dev/null; then
    export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/escuadron-rana/ccache}
    export CCACHE_BASEDIR=$PWD
    export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-3G}
    # Sin gtest.h precompilado: el .gch sale distinto en cada compilación, y
    # ccache no acertaría nunca con las pruebas que lo incluyen.
    CACHE_COMPILADOR=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
                      -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON)
fi

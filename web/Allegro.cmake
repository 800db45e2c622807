# Allegro 4 estática para el navegador, en el prefijo que dice RANA_ALLEGRO_WEB
# (lo da scripts/web.sh). Sin ningún driver: la página hace de pantalla,
# reloj y teclado (plataforma/CDispositivosNavegador).
set(RANA_ALLEGRO_WEB "" CACHE PATH "Prefijo de la Allegro 4 estática para el navegador")
if(NOT EXISTS "${RANA_ALLEGRO_WEB}/lib/liballeg.a" OR NOT EXISTS "${RANA_ALLEGRO_WEB}/include/allegro.h")
  message(FATAL_ERROR "No hay Allegro para el navegador en «${RANA_ALLEGRO_WEB}»: "
                      "compila con scripts/web.sh, que la prepara y da -DRANA_ALLEGRO_WEB.")
endif()
add_library(allegro_web INTERFACE)
target_include_directories(allegro_web INTERFACE ${RANA_ALLEGRO_WEB}/include)
target_compile_definitions(allegro_web INTERFACE ALLEGRO_STATICLINK)
target_link_libraries(allegro_web INTERFACE ${RANA_ALLEGRO_WEB}/lib/liballeg.a)
# El juego avisa de sus errores con excepciones: Emscripten las desactiva si
# no se le piden al compilar y al enlazar. Con memory.copy y vectores de 128
# bits, como la Allegro de scripts/web.sh (allí se dice por qué).
target_compile_options(allegro_web INTERFACE -fexceptions -mbulk-memory -msimd128)
target_link_options(allegro_web INTERFACE -fexceptions -mbulk-memory -msimd128)

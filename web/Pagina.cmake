# El juego en la página: escuadron-rana.js y .wasm, y los recursos de la
# compilación de Linux (RANA_RECURSOS) en escuadron-rana.data, que se cargan
# antes de main en el sistema de archivos en memoria, con las mismas rutas
# relativas que en el escritorio.
set(RANA_RECURSOS "" CACHE PATH "Carpeta bin de la compilación de Linux, con los recursos generados")
if(NOT EXISTS "${RANA_RECURSOS}/graphics/main.bmp" OR NOT EXISTS "${RANA_RECURSOS}/demos/demo.rep")
  message(FATAL_ERROR "Faltan los recursos en «${RANA_RECURSOS}»: scripts/web.sh da -DRANA_RECURSOS con los ya generados.")
endif()
set(DATOS_WEB ${CMAKE_BINARY_DIR}/datos)
# Lo mismo que lleva el zip de Windows, copiado al configurar (web.sh
# configura siempre).
file(REMOVE_RECURSE ${DATOS_WEB})
foreach(patron graphics/*.bmp musics/*.mid musics/parches.cfg maps/fase1.map sounds/*.wav demos/demo.rep)
  file(GLOB archivos ${RANA_RECURSOS}/${patron})
  get_filename_component(carpeta ${patron} DIRECTORY)
  file(COPY ${archivos} DESTINATION ${DATOS_WEB}/${carpeta})
  list(APPEND ARCHIVOS_WEB ${archivos})
endforeach()
# De freepats, solo los instrumentos que tocan las dos canciones, en la
# misma ruta absoluta que les da parches.cfg: de ahí los abre DIGMID.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB CANCIONES ${RANA_RECURSOS}/musics/*.mid)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/parches.py
                        ${RANA_RECURSOS}/musics/parches.cfg ${CANCIONES}
                OUTPUT_VARIABLE PARCHES RESULT_VARIABLE FALLO)
if(FALLO)
  message(FATAL_ERROR "web/parches.py no pudo leer los parches de las canciones")
endif()
string(REPLACE "\n" ";" PARCHES "${PARCHES}")
foreach(parche ${PARCHES})
  get_filename_component(carpeta ${parche} DIRECTORY)
  file(COPY ${parche} DESTINATION ${DATOS_WEB}${carpeta})
  list(APPEND ARCHIVOS_WEB ${parche})
endforeach()
set(ARRANQUE ${CMAKE_SOURCE_DIR}/web/arranque.js)

# El bucle del juego no vuelve nunca: ASYNCIFY deja que cada espera devuelva
# el turno al navegador (emscripten_sleep). EXIT_RUNTIME, para que node salga
# con lo que devuelve main (--verificar). Lo de antes de main (el .wasm en
# node, los archivos guardados en la página), en arranque.js; IDBFS los guarda.
set(ENLACE_WEB -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=web,node -lidbfs.js
    "SHELL:--pre-js ${ARRANQUE}")
target_link_options(escuadron-rana PRIVATE ${ENLACE_WEB} "SHELL:--preload-file ${DATOS_WEB}@/")
set_target_properties(escuadron-rana PROPERTIES LINK_DEPENDS "${ARRANQUE};${ARCHIVOS_WEB}")
target_link_options(tabla_trigonometria PRIVATE ${ENLACE_WEB})

# El cuadro de la fase sin pantalla, como bench/bench-fotograma, en
# WebAssembly bajo node y con las mismas opciones que el juego (ASYNCIFY
# también cuesta): se compara con la cifra de Linux de la misma máquina.
add_executable(bench-fotograma ${CMAKE_SOURCE_DIR}/bench/bench_fotograma.cpp
               ${CMAKE_SOURCE_DIR}/tests/plataforma/CDispositivosSimulados.cpp)
target_link_libraries(bench-fotograma PRIVATE rana_juego)
target_link_options(bench-fotograma PRIVATE ${ENLACE_WEB})
set_target_properties(bench-fotograma PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

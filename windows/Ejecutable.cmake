# El ejecutable de Windows: de ventanas (WinMain, sin consola que se abra al
# lanzarlo), con libgcc, libstdc++ y winpthread dentro, y sin la fecha de
# enlazado en la cabecera, para que dos compilaciones den los mismos bytes.
set_target_properties(escuadron-rana PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(escuadron-rana PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
# La tabla de la trigonometría, que se corre bajo Wine, tampoco necesita DLL.
target_link_options(tabla_trigonometria PRIVATE -static)

# El icono es el recurso allegro_icon: Allegro se lo pone a su ventana y el
# Explorador lo muestra en el ejecutable. El .ico lo escribe el generador de
# recursos de la compilación de Linux, en la carpeta que dice RANA_RECURSOS.
set(RANA_RECURSOS "" CACHE PATH "Carpeta bin de la compilación de Linux, con los recursos generados")
set(ICONO_WINDOWS ${RANA_RECURSOS}/iconos/escuadron-rana.ico)
if(NOT EXISTS "${ICONO_WINDOWS}")
  message(FATAL_ERROR "Falta el icono «${ICONO_WINDOWS}»: scripts/windows.sh da -DRANA_RECURSOS con los recursos ya generados.")
endif()
enable_language(RC)
file(WRITE ${CMAKE_BINARY_DIR}/icono.rc "allegro_icon ICON \"${ICONO_WINDOWS}\"\n")
set_source_files_properties(${CMAKE_BINARY_DIR}/icono.rc PROPERTIES OBJECT_DEPENDS ${ICONO_WINDOWS})
target_sources(escuadron-rana PRIVATE ${CMAKE_BINARY_DIR}/icono.rc)

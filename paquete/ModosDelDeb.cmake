# Lo corre cpack con el .deb ya hecho. cpack da a cada miembro del archivo ar
# (debian-binary, control.tar.gz, data.tar.gz) el modo con que lo creó, que
# depende de la umask de quien empaqueta; aquí todos pasan a 644, como los
# deja dpkg-deb. Cabecera de cada miembro: 60 bytes, con el modo en octal a
# partir del byte 40 (8 bytes) y el tamaño en decimal desde el 48 (10 bytes).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE "${deb}" total)
  set(posicion 8)
  while(posicion LESS total)
    math(EXPR campoModo "${posicion} + 40")
    math(EXPR campoTamano "${posicion} + 48")
    file(READ "${deb}" tamano OFFSET ${campoTamano} LIMIT 10)
    string(STRIP "${tamano}" tamano)
    if(NOT tamano MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: cabecera ar inesperada en el byte ${posicion}")
    endif()
    execute_process(COMMAND printf "100644  "
                    COMMAND dd "of=${deb}" bs=1 seek=${campoModo} conv=notrunc status=none
                    RESULT_VARIABLE resultado)
    if(NOT resultado EQUAL 0)
      message(FATAL_ERROR "${deb}: no se pudo fijar el modo del miembro en el byte ${posicion}")
    endif()
    # Los miembros de tamaño impar llevan un byte de relleno.
    math(EXPR posicion "${posicion} + 60 + ${tamano} + ${tamano} % 2")
  endwhile()
endforeach()

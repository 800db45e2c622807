# Lo lee cpack antes de hacer el paquete. Todas las fechas del .deb salen de
# SOURCE_DATE_EPOCH; si no viene dado, es la fecha del último commit, así que
# dos compilaciones del mismo commit dan el mismo paquete, byte a byte.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_RANA_FUENTES}" log -1 --format=%ct
                  OUTPUT_VARIABLE fecha OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE resultado ERROR_QUIET)
  if(resultado EQUAL 0 AND fecha MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${fecha}")
  else()
    message(WARNING "Sin git ni SOURCE_DATE_EPOCH: el paquete lleva la fecha de hoy")
  endif()
endif()

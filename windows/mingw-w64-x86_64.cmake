# Compilar para Windows de 64 bits desde Linux con el MinGW-w64 de Debian.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLETE x86_64-w64-mingw32)
# Las variantes -posix traen std::thread y compañía; las -win32, no.
set(CMAKE_C_COMPILER ${MINGW_TRIPLETE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLETE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLETE}-windres)

# Bibliotecas y cabeceras solo del sistema de destino (y de lo que se le
# añada con CMAKE_PREFIX_PATH); los programas, de esta máquina.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLETE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

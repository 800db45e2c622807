# El ejecutable de Windows: de ventanas (WinMain, sin consola que se abra al
# lanzarlo), con libgcc, libstdc++ y winpthread dentro, y sin la fecha de
# enlazado en la cabecera, para que dos compilaciones den los mismos bytes.
set_target_properties(escuadron-rana PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(escuadron-rana PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

# Allegro 4 estática para Windows, en el prefijo que dice RANA_ALLEGRO_WINDOWS
# (lo da scripts/windows.sh). Con ella van las bibliotecas de DirectX y del
# sistema que usa: el ejecutable no necesita ninguna DLL que no traiga Windows.
set(RANA_ALLEGRO_WINDOWS "" CACHE PATH "Prefijo de la Allegro 4 estática para Windows")
if(NOT EXISTS "${RANA_ALLEGRO_WINDOWS}/lib/liballeg.a" OR NOT EXISTS "${RANA_ALLEGRO_WINDOWS}/include/allegro.h")
  message(FATAL_ERROR "No hay Allegro para Windows en «${RANA_ALLEGRO_WINDOWS}»: "
                      "compila con scripts/windows.sh, que la prepara y da -DRANA_ALLEGRO_WINDOWS.")
endif()
add_library(allegro_windows INTERFACE)
target_include_directories(allegro_windows INTERFACE ${RANA_ALLEGRO_WINDOWS}/include)
target_compile_definitions(allegro_windows INTERFACE ALLEGRO_STATICLINK)
target_link_libraries(allegro_windows INTERFACE ${RANA_ALLEGRO_WINDOWS}/lib/liballeg.a
  ddraw dinput dsound dxguid winmm gdi32 ole32 user32 kernel32)

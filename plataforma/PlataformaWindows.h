#ifndef PLATAFORMAWINDOWS_H
#define PLATAFORMAWINDOWS_H

// Lo que solo hace falta en Windows. El juego lleva todo texto y toda ruta
// en UTF-8, como Allegro; Windows habla UTF-16 en sus llamadas anchas y, en
// las estrechas, la página de códigos del sistema, que no alcanza a todos
// los nombres (una carpeta de usuario «Begoña» en otro idioma, por ejemplo).
#ifdef _WIN32

#include <string>

std::wstring anchoDeUtf8(const std::string& utf8);
std::string utf8DeAncho(const wchar_t* ancho);

// Los argumentos tal como se escribieron, en UTF-8: los que da WinMain
// vienen en la página de códigos y pierden lo que no cabe en ella. Valen
// hasta que acaba el programa.
char** argumentosUtf8(int& cuantos);

// Un programa de ventanas no tiene consola: lo que escriben --help,
// --version, --verificar y los errores va a la de quien lo lanzó, si la hay
// y si no se ha redirigido ya a otra parte.
void usarConsolaDelPadre();

// La ruta completa del ejecutable, en UTF-8; vacía si no se pudo saber.
std::string rutaEjecutableWindows();

// Una variable del entorno en UTF-8; vacía si no está.
std::string variableEntorno(const wchar_t* nombre);

// Verdadero si la ventana del juego es la que tiene el teclado.
bool ventanaEnPrimerPlano();

#endif

#endif

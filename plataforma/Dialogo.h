#ifndef DIALOGO_H
#define DIALOGO_H

#include <string>

// Muestra un aviso de error y espera a que el jugador lo acepte. El texto
// también sale por stderr, por si no hay pantalla donde mostrarlo.
void mostrarDialogo(const char* textoUtf8);

// Los diálogos nativos (xmessage con su fuente "fixed", MessageBoxA) leen un
// byte por letra en Latin-1; lo que no cabe en Latin-1 sale como '?'.
std::string utf8ALatin1(const char* textoUtf8);

#endif

#include "plataforma/Dialogo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

std::string utf8ALatin1(const char* textoUtf8)
{
    std::string latin;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(textoUtf8);
    while (*p) {
        unsigned int letra = *p;
        int resto = 0;
        if (letra >= 0xF0)      { letra &= 0x07; resto = 3; }
        else if (letra >= 0xE0) { letra &= 0x0F; resto = 2; }
        else if (letra >= 0xC0) { letra &= 0x1F; resto = 1; }
        else if (letra >= 0x80) { letra = '?'; }
        ++p;
        for (; resto > 0 && (*p & 0xC0) == 0x80; --resto, ++p)
            letra = (letra << 6) | (*p & 0x3F);
        if (resto > 0 || letra > 0xFF)
            letra = '?';
        latin += static_cast<char>(letra);
    }
    return latin;
}

#ifdef _WIN32

void mostrarDialogo(const char* textoUtf8)
{
    std::fprintf(stderr, "%s\n", textoUtf8);
    MessageBoxA(NULL, utf8ALatin1(textoUtf8).c_str(), NULL, MB_OK);
}

#else

namespace {

bool hayPantalla()
{
    const char* pantalla = std::getenv("DISPLAY");
    return pantalla && *pantalla;
}

// xmessage en locale C pinta cada byte con la fuente Latin-1 "fixed".
void lanzarXmessage(const std::string& texto)
{
    pid_t hijo = fork();
    if (hijo < 0)
        return;
    if (hijo == 0) {
        setenv("LC_ALL", "C", 1);
        execlp("xmessage", "xmessage", "-center", "-buttons", "OK:0",
               "-default", "OK", texto.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int estado;
    while (waitpid(hijo, &estado, 0) < 0 && errno == EINTR) {
    }
}

}

void mostrarDialogo(const char* textoUtf8)
{
    std::fprintf(stderr, "%s\n", textoUtf8);
    std::fflush(stderr);
    if (hayPantalla())
        lanzarXmessage(utf8ALatin1(textoUtf8));
}

#endif

#include "plataforma/PlataformaWindows.h"

#include <allegro.h>
#include <winalleg.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

std::wstring anchoDeUtf8(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int largo = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring ancho(size_t(largo > 0 ? largo : 0), L'\0');
    if (largo > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), ancho.data(), largo);
    return ancho;
}

std::string utf8DeAncho(const wchar_t* ancho)
{
    if (!ancho || !*ancho)
        return std::string();
    const int largo = WideCharToMultiByte(CP_UTF8, 0, ancho, -1, nullptr, 0, nullptr, nullptr);
    if (largo <= 1)
        return std::string();
    std::string utf8(size_t(largo), '\0');
    WideCharToMultiByte(CP_UTF8, 0, ancho, -1, utf8.data(), largo, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

char** argumentosUtf8(int& cuantos)
{
    static std::vector<std::string> textos;
    static std::vector<char*> punteros;
    int n = 0;
    wchar_t** anchos = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!anchos)
        return nullptr;
    textos.clear();
    for (int i = 0; i < n; ++i)
        textos.push_back(utf8DeAncho(anchos[i]));
    LocalFree(anchos);
    punteros.clear();
    for (std::string& texto : textos)
        punteros.push_back(texto.data());
    punteros.push_back(nullptr);
    cuantos = n;
    return punteros.data();
}

namespace {

UINT paginaConsola = 0;

void devolverPaginaConsola()
{
    SetConsoleOutputCP(paginaConsola);
}

bool salidaValida(DWORD cual)
{
    const HANDLE salida = GetStdHandle(cual);
    return salida && salida != INVALID_HANDLE_VALUE;
}

}

void usarConsolaDelPadre()
{
    if (salidaValida(STD_OUTPUT_HANDLE) || salidaValida(STD_ERROR_HANDLE) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    // La consola es del padre: se le deja la página que tenía.
    paginaConsola = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit(devolverPaginaConsola);
}

std::string rutaEjecutableWindows()
{
    std::vector<wchar_t> ruta(MAX_PATH);
    for (;;) {
        const DWORD largo = GetModuleFileNameW(nullptr, ruta.data(), DWORD(ruta.size()));
        if (largo == 0)
            return std::string();
        if (largo < ruta.size())
            return utf8DeAncho(ruta.data());
        ruta.resize(ruta.size() * 2);
    }
}

std::string variableEntorno(const wchar_t* nombre)
{
    return utf8DeAncho(_wgetenv(nombre));
}

bool ventanaEnPrimerPlano()
{
    return GetForegroundWindow() == win_get_window();
}

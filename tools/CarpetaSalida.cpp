#include "tools/CarpetaSalida.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;

CarpetaSalida::CarpetaSalida(std::string raiz) : raiz_(std::move(raiz)) {}

std::string CarpetaSalida::preparar(const std::string& relativa) const
{
    fs::path ruta = fs::path(raiz_) / relativa;
    std::error_code error;
    fs::create_directories(ruta.parent_path(), error);
    if (error)
        throw std::runtime_error("no se pudo crear " + ruta.parent_path().string() + ": " + error.message());
    return ruta.string();
}

void CarpetaSalida::anunciar(const std::string& relativa) const
{
    std::cout << "generar-recursos: escrito " << relativa << '\n';
}

void CarpetaSalida::escribir(const std::string& relativa, const std::string& bytes) const
{
    std::string ruta = preparar(relativa);
    std::ofstream salida(ruta, std::ios::binary);
    salida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!salida)
        throw std::runtime_error("no se pudo escribir " + ruta);
    anunciar(relativa);
}

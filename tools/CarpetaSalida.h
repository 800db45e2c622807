#ifndef CARPETASALIDA_H
#define CARPETASALIDA_H

#include <string>

// Carpeta donde se dejan los recursos; avisa de cada archivo escrito.
class CarpetaSalida {
public:
    explicit CarpetaSalida(std::string raiz);

    // Devuelve la ruta absoluta y crea antes las subcarpetas que falten.
    std::string preparar(const std::string& relativa) const;
    void anunciar(const std::string& relativa) const;
    void escribir(const std::string& relativa, const std::string& bytes) const;

private:
    std::string raiz_;
};

#endif

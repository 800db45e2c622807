#ifndef CVERIFICACION_H
#define CVERIFICACION_H

#include <cstdint>
#include <string>
#include <vector>

// --verificar: rehace partidas grabadas sin pantalla ni sonido, tan deprisa
// como se pueda, y dice de cada una si acaba igual que cuando se jugó.
class CVerificacion {
public:
    // 0: todas acaban igual; 1: alguna se aparta (se dice en qué control);
    // 2: algún archivo no es una repetición que se pueda rehacer aquí.
    int ejecutar(const std::vector<std::string>& archivos);

private:
    int verificar(const std::string& archivo, uint64_t resumenMapa);
};

#endif

#ifndef PARTITURA_H
#define PARTITURA_H

#include "tools/PistaMidi.h"

#include <string>
#include <utility>
#include <vector>

// Una voz de la canción escrita como texto legible, compás a compás.
// Cada compás (separado por '|') se reparte a partes iguales entre sus símbolos:
//   nota "C5", "F#4", "Bb3"; '-' alarga lo anterior; '.' es silencio.
class Partitura {
public:
    Partitura(PistaMidi& pista, int canal, int ticksPorCompas);

    // Fracción de cada paso que suena; menos de 1 separa las notas.
    void articulacion(double fraccion) { articulacion_ = fraccion; }

    void melodia(const std::string& texto, int fuerza);
    // Progresión "Am F | G | E5": tríadas mayores, menores (m) o quintas (5); patrón de un compás con 'x' (toque), '-' y '.'.
    void acordes(const std::string& progresion, const std::string& patron, int tonoMinimo, int fuerza);
    // Patrón de un compás con 'R' (raíz), '5' (quinta), '8' (octava), '-' y '.'.
    void bajo(const std::string& progresion, const std::string& patron, int octava, int fuerza);
    // Instrumentos de percusión con su patrón de un compás: 'x' fuerte, 'o' suave, '.' nada.
    void bateria(const std::vector<std::pair<int, std::string>>& patrones, int compases);

    int compasActual() const { return compas_; }

private:
    struct Paso {
        std::vector<int> tonos;  // vacío: silencio
        bool alarga = false;
        int fuerza = 0;
    };

    std::uint32_t inicioCompas(int compas) const;
    void escribirPasos(const std::vector<std::vector<Paso>>& compases);

    PistaMidi& pista_;
    int canal_;
    int ticksPorCompas_;
    double articulacion_ = 1.0;
    int compas_ = 0;
};

// Número MIDI de un nombre de nota como "C4" (= 60) o "Bb3".
int tonoDeNombre(const std::string& nombre);

#endif

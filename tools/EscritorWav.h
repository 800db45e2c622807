#ifndef ESCRITORWAV_H
#define ESCRITORWAV_H

#include <cstdint>
#include <string>
#include <vector>

// WAV de los de siempre, el que carga Allegro: RIFF con un trozo "fmt " de
// PCM (formato 1) y uno "data", enteros en little-endian. 16 bits, mono.
std::string codificarWav(const std::vector<std::int16_t>& muestras, int frecuencia);

#endif

#ifndef SINTESIS_H
#define SINTESIS_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Sintetizador de efectos: señales en coma flotante que se generan, se
// filtran y se mezclan, y al final se llevan a 16 bits. Sin bibliotecas ni
// azar del sistema: cada compilación da los mismos bytes.

// 22050 Hz: sobra para efectos de un juego de 16 bits y ocupan la mitad.
constexpr int FRECUENCIA_MUESTREO = 22050;
// El pico de cada efecto, 0,7 de la escala (unos -3 dBFS): deja sitio para
// que el mezclador del juego sume varios sin saturar.
constexpr int PICO_MUESTRA = 22936;

// Muestras en [-1, 1], a FRECUENCIA_MUESTREO.
using Senal = std::vector<double>;
// Un valor que cambia con el tiempo, en segundos desde el principio del sonido.
using Curva = std::function<double(double)>;

enum class Onda { SENO, CUADRADA, TRIANGULAR, SIERRA };

std::size_t muestrasEn(double segundos);

// Curvas de tono. Pasado el final, se quedan en el último valor.
Curva constante(double valor);
Curva deslizamientoLineal(double desde, double hasta, double segundos);
// El oído oye los intervalos: un barrido exponencial suena uniforme.
Curva deslizamientoExponencial(double desde, double hasta, double segundos);
// Oscila alrededor de la base; profundidad en fracción de ella.
Curva conVibrato(Curva base, double hercios, double profundidad);

// Envolventes, de 0 a 1.
// Sube en ataque, se mantiene y baja en relajación; después, silencio.
Curva envolvente(double ataque, double sostenido, double relajacion);
// Sube en ataque y cae a 1/e cada constante segundos, como un golpe.
Curva caida(double ataque, double constante);
// Sube de 1 - profundidad a 1 y vuelve, hercios veces por segundo.
Curva tremolo(double hercios, double profundidad);
Curva producto(Curva a, Curva b);

// Fuentes.
Senal oscilador(Onda onda, double segundos, const Curva& frecuencia);
// Ruido blanco de un generador propio: la semilla fija el sonido.
Senal ruidoBlanco(double segundos, std::uint32_t semilla);

// Transformaciones: devuelven la señal cambiada.
Senal conGanancia(Senal senal, const Curva& ganancia);
// Filtros de un polo; el corte del paso bajo puede moverse con el tiempo.
Senal pasoBajo(Senal senal, const Curva& corte);
Senal pasoAlto(Senal senal, double corte);
// Resonante: con q alto deja sonar casi solo la frecuencia central.
Senal pasoBanda(Senal senal, double centro, double q);

// Escalada para que su pico valga eso: así las ganancias de una mezcla
// dicen cuánto pesa cada parte, sea ruido filtrado o un seno.
Senal aPico(Senal senal, double pico);
// Saturación suave (tangente hiperbólica): aplasta los picos y engorda el
// resto; con más empuje, más sucia. El pico no cambia.
Senal saturada(Senal senal, double empuje);
// Suma otra señal desde el segundo indicado; alarga el destino si hace falta.
void mezclar(Senal& destino, const Senal& otra, double ganancia = 1.0, double desde = 0.0);

// Un final de unos milisegundos para que no chasque al cortarse, y el pico
// llevado a PICO_MUESTRA. Una señal muda es un error.
std::vector<std::int16_t> rematar(Senal senal);

#endif

#include "tools/Sintesis.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double PI = 3.14159265358979323846;
constexpr double FINAL_SIN_CHASQUIDO = 0.005;

double tiempoDe(std::size_t muestra)
{
    return double(muestra) / FRECUENCIA_MUESTREO;
}

// Congruencial lineal de 32 bits (constantes de Numerical Recipes); sus bits
// bajos se repiten pronto, así que solo se usan los altos.
double siguienteAleatorio(std::uint32_t& estado)
{
    estado = estado * 1664525u + 1013904223u;
    return double(estado >> 8) / double(1u << 23) - 1.0;
}

// Corrección de los saltos de la cuadrada y la sierra: sin ella, los
// armónicos que pasan de la mitad del muestreo vuelven como pitidos que
// suben cuando el tono baja.
double correccionSalto(double fase, double paso)
{
    if (fase < paso) {
        const double t = fase / paso;
        return t + t - t * t - 1.0;
    }
    if (fase > 1.0 - paso) {
        const double t = (fase - 1.0) / paso;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double valorOnda(Onda onda, double fase, double paso)
{
    switch (onda) {
    case Onda::SENO:
        return std::sin(2.0 * PI * fase);
    case Onda::CUADRADA:
        return (fase < 0.5 ? 1.0 : -1.0) + correccionSalto(fase, paso) -
               correccionSalto(std::fmod(fase + 0.5, 1.0), paso);
    case Onda::TRIANGULAR:
        // Desplazada un cuarto para empezar en cero, como el seno.
        return 1.0 - 4.0 * std::abs(std::fmod(fase + 0.25, 1.0) - 0.5);
    case Onda::SIERRA:
        return 2.0 * fase - 1.0 - correccionSalto(fase, paso);
    }
    return 0.0;
}

double picoDe(const Senal& senal)
{
    double pico = 0.0;
    for (double muestra : senal)
        pico = std::max(pico, std::abs(muestra));
    return pico;
}

// Coeficiente de un filtro de un polo para una frecuencia de corte.
double coeficientePolo(double corte)
{
    return 1.0 - std::exp(-2.0 * PI * corte / FRECUENCIA_MUESTREO);
}
}

std::size_t muestrasEn(double segundos)
{
    return std::size_t(std::lround(segundos * FRECUENCIA_MUESTREO));
}

Curva constante(double valor)
{
    return [valor](double) { return valor; };
}

Curva deslizamientoLineal(double desde, double hasta, double segundos)
{
    return [=](double t) { return desde + (hasta - desde) * std::min(t / segundos, 1.0); };
}

Curva deslizamientoExponencial(double desde, double hasta, double segundos)
{
    return [=](double t) { return desde * std::pow(hasta / desde, std::min(t / segundos, 1.0)); };
}

Curva conVibrato(Curva base, double hercios, double profundidad)
{
    return [=](double t) { return base(t) * (1.0 + profundidad * std::sin(2.0 * PI * hercios * t)); };
}

Curva envolvente(double ataque, double sostenido, double relajacion)
{
    return [=](double t) {
        if (t < ataque)
            return t / ataque;
        if (t < ataque + sostenido)
            return 1.0;
        return std::max(0.0, 1.0 - (t - ataque - sostenido) / relajacion);
    };
}

Curva caida(double ataque, double constante)
{
    return [=](double t) { return t < ataque ? t / ataque : std::exp(-(t - ataque) / constante); };
}

Curva tremolo(double hercios, double profundidad)
{
    return [=](double t) { return 1.0 - profundidad * 0.5 * (1.0 - std::cos(2.0 * PI * hercios * t)); };
}

Curva producto(Curva a, Curva b)
{
    return [=](double t) { return a(t) * b(t); };
}

Senal oscilador(Onda onda, double segundos, const Curva& frecuencia)
{
    Senal senal(muestrasEn(segundos));
    double fase = 0.0;
    for (std::size_t i = 0; i < senal.size(); ++i) {
        const double paso = std::clamp(frecuencia(tiempoDe(i)) / FRECUENCIA_MUESTREO, 0.0, 0.49);
        senal[i] = valorOnda(onda, fase, paso);
        fase = std::fmod(fase + paso, 1.0);
    }
    return senal;
}

Senal ruidoBlanco(double segundos, std::uint32_t semilla)
{
    Senal senal(muestrasEn(segundos));
    std::uint32_t estado = semilla;
    for (double& muestra : senal)
        muestra = siguienteAleatorio(estado);
    return senal;
}

Senal conGanancia(Senal senal, const Curva& ganancia)
{
    for (std::size_t i = 0; i < senal.size(); ++i)
        senal[i] *= ganancia(tiempoDe(i));
    return senal;
}

Senal pasoBajo(Senal senal, const Curva& corte)
{
    double salida = 0.0;
    for (std::size_t i = 0; i < senal.size(); ++i) {
        salida += coeficientePolo(corte(tiempoDe(i))) * (senal[i] - salida);
        senal[i] = salida;
    }
    return senal;
}

Senal pasoAlto(Senal senal, double corte)
{
    // Lo que el paso bajo quita es justo lo que este deja.
    const double a = coeficientePolo(corte);
    double grave = 0.0;
    for (double& muestra : senal) {
        grave += a * (muestra - grave);
        muestra -= grave;
    }
    return senal;
}

Senal pasoBanda(Senal senal, double centro, double q)
{
    // Biquad de ganancia 1 en el centro (el "band-pass" del recetario de audio).
    const double w = 2.0 * PI * centro / FRECUENCIA_MUESTREO;
    const double alfa = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alfa;
    const double b0 = alfa / a0, a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alfa) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& muestra : senal) {
        const double y = b0 * (muestra - x2) - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = muestra;
        y2 = y1;
        y1 = y;
        muestra = y;
    }
    return senal;
}

Senal aPico(Senal senal, double pico)
{
    const double maximo = picoDe(senal);
    if (maximo < 1e-9)
        throw std::logic_error("señal muda: no se le puede dar pico");
    for (double& muestra : senal)
        muestra *= pico / maximo;
    return senal;
}

Senal saturada(Senal senal, double empuje)
{
    const double maximo = picoDe(senal);
    if (maximo < 1e-9)
        return senal;
    for (double& muestra : senal)
        muestra = maximo * std::tanh(empuje * muestra / maximo) / std::tanh(empuje);
    return senal;
}

void mezclar(Senal& destino, const Senal& otra, double ganancia, double desde)
{
    const std::size_t inicio = muestrasEn(desde);
    if (destino.size() < inicio + otra.size())
        destino.resize(inicio + otra.size(), 0.0);
    for (std::size_t i = 0; i < otra.size(); ++i)
        destino[inicio + i] += ganancia * otra[i];
}

std::vector<std::int16_t> rematar(Senal senal)
{
    const std::size_t final = std::min(senal.size(), muestrasEn(FINAL_SIN_CHASQUIDO));
    for (std::size_t i = 0; i < final; ++i)
        senal[senal.size() - 1 - i] *= double(i) / double(final);

    std::vector<std::int16_t> muestras;
    muestras.reserve(senal.size());
    for (double muestra : aPico(std::move(senal), PICO_MUESTRA))
        muestras.push_back(std::int16_t(std::lround(muestra)));
    return muestras;
}

#include "tools/Sonidos.h"

#include <cstdint>

namespace {

// Lo que tienen todas las explosiones: ruido que se apaga mientras se
// oscurece (filtrado dos veces para que retumbe y no sisee) y debajo un golpe
// de seno que cae de tono. Cuanto más grande, más grave y más lento. La
// saturación le da cuerpo: sin ella el ruido suena lejano al lado del golpe.
Senal estruendo(double segundos, double corte, double caidaRuido, double tonoGolpe, double caidaGolpe,
                std::uint32_t semilla)
{
    const Curva oscurecer = deslizamientoExponencial(corte, corte / 10, segundos);
    Senal ruido = pasoBajo(pasoBajo(ruidoBlanco(segundos, semilla), oscurecer), oscurecer);
    ruido = aPico(conGanancia(ruido, caida(0.002, caidaRuido)), 1.0);
    Senal golpe = oscilador(Onda::SENO, segundos, deslizamientoExponencial(tonoGolpe, tonoGolpe / 3, segundos / 2));
    mezclar(ruido, conGanancia(golpe, caida(0.003, caidaGolpe)), 0.6);
    // El golpe, que se apaga a medio ciclo, deja un poco de continua.
    return pasoAlto(saturada(ruido, 2.5), 20);
}

// Una campana de metal: parciales que no son armónicos (los de una barra
// libre) y cada uno se apaga a su ritmo, los agudos antes.
Senal tanido(double segundos, double fundamental)
{
    const double razones[] = {1.0, 2.756, 5.404, 8.933};
    const double pesos[] = {1.0, 0.7, 0.45, 0.3};
    const double caidas[] = {0.35, 0.22, 0.14, 0.08};
    Senal campana;
    for (int i = 0; i < 4; ++i) {
        Senal parcial = oscilador(Onda::SENO, segundos, constante(fundamental * razones[i]));
        mezclar(campana, conGanancia(parcial, caida(0.002, caidas[i])), pesos[i]);
    }
    return campana;
}

// Dos tonos que se alternan cada medio periodo, con un deslizamiento corto
// entre uno y otro como las sirenas de verdad.
Curva dosTonos(double primero, double segundo, double mitad)
{
    const double deslizamiento = 0.02;
    return [=](double t) {
        const int tramo = int(t / mitad);
        const double actual = tramo % 2 == 0 ? primero : segundo;
        const double anterior = tramo % 2 == 0 ? segundo : primero;
        const double dentro = t - tramo * mitad;
        if (tramo == 0 || dentro >= deslizamiento)
            return actual;
        return anterior + (actual - anterior) * dentro / deslizamiento;
    };
}

}

Senal sonidoImpacto()
{
    // Un "tic" seco: chispa de ruido agudo y un pellizco de tono.
    const double segundos = 0.04;
    Senal chispa = pasoAlto(ruidoBlanco(segundos, 5005), 2500);
    chispa = conGanancia(chispa, caida(0.0005, 0.006));
    Senal pellizco = oscilador(Onda::TRIANGULAR, segundos, deslizamientoExponencial(1400, 900, 0.02));
    mezclar(chispa, conGanancia(pellizco, caida(0.0005, 0.01)), 0.5);
    return chispa;
}

Senal sonidoExplosion()
{
    return estruendo(0.35, 3000, 0.09, 120, 0.08, 6006);
}

Senal sonidoExplosionMetal()
{
    // El acorazado: explosión más grave y larga, y su chapa que queda sonando.
    const double segundos = 0.7;
    Senal explosion = estruendo(segundos, 2000, 0.18, 90, 0.15, 7007);
    mezclar(explosion, aPico(tanido(segundos - 0.01, 370), 1.0), 0.55, 0.01);
    // Ruido por un paso banda estrecho: el chirrido del metal al rasgarse.
    Senal chirrido = pasoBanda(ruidoBlanco(segundos, 7008), 1250, 25);
    mezclar(explosion, aPico(conGanancia(chirrido, caida(0.01, 0.3)), 1.0), 0.3);
    return explosion;
}

Senal sonidoExplosionGigante()
{
    // El gigante tarda segundo y medio en morir: un retumbo que crece y se
    // aclara, estallidos cada vez más seguidos y fuertes, y uno grande al final.
    const double segundos = 1.6;
    const double cumbre = 1.25;
    const Curva aclarar = deslizamientoExponencial(150, 900, cumbre);
    Senal retumbo = pasoBajo(pasoBajo(ruidoBlanco(segundos, 8008), aclarar), aclarar);
    // Ya se oye desde el principio y va a más hasta la cumbre.
    const Curva crecer =
        producto(deslizamientoLineal(0.35, 1.0, cumbre), envolvente(0.05, cumbre - 0.05, segundos - cumbre));
    retumbo = aPico(conGanancia(retumbo, producto(crecer, tremolo(6, 0.5))), 0.7);

    const double inicios[] = {0.03, 0.3, 0.52, 0.7, 0.85, 0.97};
    for (int i = 0; i < 6; ++i) {
        Senal estallido = estruendo(0.3, 2500, 0.09, 110 - 8 * i, 0.07, 8100 + i);
        mezclar(retumbo, estallido, 0.3 + 0.08 * i, inicios[i]);
    }
    mezclar(retumbo, estruendo(0.5, 3000, 0.16, 80, 0.14, 8200), 1.0, 1.1);
    retumbo.resize(muestrasEn(segundos));
    return saturada(retumbo, 1.5);
}

Senal sonidoBala()
{
    // Las balas enemigas son muchas: un "fiu" suave, sin aristas.
    const double segundos = 0.08;
    Senal fiu = oscilador(Onda::TRIANGULAR, segundos, deslizamientoExponencial(1150, 620, segundos));
    fiu = pasoBajo(fiu, constante(3000));
    return conGanancia(fiu, caida(0.002, 0.025));
}

Senal sonidoAvisoGigante()
{
    // Alarma de dos tonos, grave y llena: se distingue de cualquier disparo.
    const double segundos = 1.0;
    const Curva tono = dosTonos(415, 311, 0.25);
    Senal alarma = oscilador(Onda::CUADRADA, segundos, tono);
    mezclar(alarma, oscilador(Onda::TRIANGULAR, segundos, producto(tono, constante(0.5))), 0.8);
    alarma = pasoBajo(alarma, constante(2200));
    return conGanancia(alarma, envolvente(0.01, 0.87, 0.12));
}

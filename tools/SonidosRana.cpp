#include "tools/Sonidos.h"

// Los disparos se oyen muchas veces por segundo: cortos, y cada arma con su
// timbre para saber de oído cuál lleva la rana. Lo que le pasa a la rana,
// herida o premio, se oye aunque suenen disparos a la vez.

Senal sonidoDisparo()
{
    // El "piu" de siempre: cuadrada que cae dos octavas.
    const double segundos = 0.12;
    Senal piu = oscilador(Onda::CUADRADA, segundos, deslizamientoExponencial(1700, 420, segundos));
    piu = pasoBajo(piu, constante(5000));
    return conGanancia(piu, caida(0.002, 0.045));
}

Senal sonidoPerforante()
{
    // Más agudo y sostenido: dos sierras casi iguales baten entre sí y un
    // trémolo rápido las vuelve zumbido.
    const double segundos = 0.15;
    Senal zas = oscilador(Onda::SIERRA, segundos, deslizamientoExponencial(2600, 900, segundos));
    mezclar(zas, oscilador(Onda::SIERRA, segundos, deslizamientoExponencial(2690, 930, segundos)), 0.8);
    zas = conGanancia(zas, tremolo(95, 0.6));
    zas = pasoAlto(zas, 400);
    return conGanancia(zas, envolvente(0.001, 0.07, 0.079));
}

Senal sonidoCurvo()
{
    // Un "blup" que sube y tiembla, como el disparo que serpentea.
    const double segundos = 0.18;
    const Curva tono = conVibrato(deslizamientoExponencial(320, 760, segundos), 22, 0.12);
    Senal blup = oscilador(Onda::SENO, segundos, tono);
    mezclar(blup, oscilador(Onda::TRIANGULAR, segundos, producto(tono, constante(2))), 0.2);
    return conGanancia(blup, envolvente(0.006, 0.1, 0.074));
}

Senal sonidoEstallido()
{
    // El curvo revienta: un soplo de ruido que se oscurece y un "pop" grave.
    const double segundos = 0.2;
    Senal soplo = pasoBajo(ruidoBlanco(segundos, 4004), deslizamientoExponencial(5000, 600, segundos));
    soplo = aPico(conGanancia(pasoAlto(soplo, 150), caida(0.001, 0.045)), 1.0);
    Senal pop = oscilador(Onda::SENO, 0.06, deslizamientoExponencial(240, 70, 0.05));
    mezclar(soplo, conGanancia(pop, caida(0.001, 0.02)), 0.5);
    return saturada(soplo, 2.0);
}

Senal sonidoHerida()
{
    // Un graznido que baja: dos sierras a un semitono, áspero a propósito,
    // cortado en pulsos como el croar de la rana.
    const double segundos = 0.3;
    Senal croar = oscilador(Onda::SIERRA, segundos, deslizamientoExponencial(240, 85, segundos));
    mezclar(croar, oscilador(Onda::SIERRA, segundos, deslizamientoExponencial(254, 90, segundos)), 0.9);
    croar = conGanancia(croar, tremolo(28, 0.7));
    croar = pasoBajo(croar, constante(1800));
    return conGanancia(croar, envolvente(0.004, 0.18, 0.116));
}

Senal sonidoPremio()
{
    // Arpegio ascendente de Do mayor: cada nota con su octava para que brille;
    // todas suenan hasta el final, y la última, más lenta, queda sonando.
    const double notas[] = {1046.5, 1318.5, 1568.0, 2093.0};
    const double separacion = 0.06;
    const double segundos = 0.35;
    Senal campana;
    for (int i = 0; i < 4; ++i) {
        const double duracion = segundos - i * separacion;
        Senal nota = oscilador(Onda::SENO, duracion, constante(notas[i]));
        mezclar(nota, oscilador(Onda::TRIANGULAR, duracion, constante(2 * notas[i])), 0.15);
        nota = conGanancia(nota, caida(0.003, i == 3 ? 0.07 : 0.04));
        mezclar(campana, nota, 1.0, i * separacion);
    }
    return campana;
}

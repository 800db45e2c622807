#ifndef TRIGONOMETRIA_H
#define TRIGONOMETRIA_H

// El seno, el coseno y el arco tangente de la partida. Dan el double más
// cercano al valor exacto (redondeo correcto) y solo usan sumas, restas,
// productos y divisiones, que dan los mismos bits en cualquier sistema: una
// partida grabada en Linux se rehace igual en Windows. Las funciones de la
// biblioteca de C no sirven para eso, cada sistema redondea a su manera.
//
// seno y coseno redondean bien hasta |x| < 4e8 (la fase de la onda del
// volador no pasa de 2,2e8); más allá siguen dando lo mismo en todas partes,
// pero ya no el double más cercano, y desde 2^50 dan 0 y 1: ahí un double ya
// no distingue ángulos. arcoTangente redondea bien en todos los double.

double seno(double x);
double coseno(double x);
double arcoTangente(double x);

#endif

#include "tools/Mapa.h"

// La fase 1, la charca de noche, como se ve de izquierda a derecha.
// Cada carácter es una baldosa de 64x64; la pantalla enseña diez columnas.
namespace {
// Capa cercana, la que pasa a la velocidad de la rana.
const Leyenda LEYENDA_CERCANA = {
    {' ', enCualquierFila(NADA)},       // cielo abierto
    // Arriba, el sauce.
    {'<', enFilas(0, 0, COPA_EMPIEZA)},
    {'c', enFilas(0, 0, COPA)},
    {'s', enFilas(0, 0, COPA_RAMILLAS)},
    {'v', enFilas(0, 0, COPA_LIANAS)},  // lleva '|' debajo
    {'>', enFilas(0, 0, COPA_ACABA)},
    {'|', enFilas(1, 1, LIANAS_FIN)},
    // Sobre la orilla.
    {'i', enFilas(5, 5, JUNCOS)},
    {'@', enFilas(5, 5, PIEDRAS)},
    {'t', enFilas(5, 5, TOCON)},
    {'/', enFilas(5, 5, LOMA_SUBE)},    // lleva 'L' debajo
    {'^', enFilas(5, 5, LOMA_CIMA)},    // lleva '#' debajo
    {'\\', enFilas(5, 5, LOMA_BAJA)},   // lleva 'J' debajo
    // La orilla y el agua.
    {'=', enFilas(6, 6, ORILLA)},
    {':', enFilas(6, 6, ORILLA_GUIJARROS)},
    {'L', enFilas(6, 6, PIE_SUBIDA)},
    {'#', enFilas(6, 6, BARRO)},
    {'J', enFilas(6, 6, PIE_BAJADA)},
    {')', enFilas(6, 6, ORILLA_ACABA)},
    {'(', enFilas(6, 6, ORILLA_EMPIEZA)},
    {'~', enFilas(6, 6, NADA)},         // agua abierta: se ve la del fondo
    {'o', enFilas(6, 6, NENUFAR)},
    {'*', enFilas(6, 6, NENUFAR_FLOR)},
    {'[', enFilas(6, 6, TRONCO_IZQUIERDA)},
    {']', enFilas(6, 6, TRONCO_DERECHA)},
};

// Ocho tramos de 32 columnas, en cadenas crudas para que la '\' no se escape
// y las filas queden alineadas. El acorazado quiere orilla llana por delante;
// las columnas 246 a 255 son la última pantalla, donde se para el avance.
const std::vector<Tramo> CERCANA = {
    {// columnas 0 a 31
     R"(cccvcs>      <csvcc>       <cvc>)",
     R"(   |            |            |  )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"( i @      t         /^^\   i @  )",
     R"(=:==:=====:=)~o*~(==L##J=:===:==)",
    },
    {// columnas 32 a 63
     R"(<cs>    <cvccs>      <scvcs>    )",
     R"(          |             |       )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"(        i     @  i   t    i  @  )",
     R"(=)~o~(=:===:===:=====:===:======)",
    },
    {// columnas 64 a 95
     R"(  <cvsc>     <csc>     <cvcvc>  )",
     R"(    |                    | |    )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"( /^^\             i  @   i  t  i)",
     R"(:L##J=)~[]~o*~o(==:=====:===:=:=)",
    },
    {// columnas 96 a 127
     R"(    <ccvsc>       <scc>     <cv>)",
     R"(       |                      | )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"( i   /^^^\ @             /^\  @ )",
     R"(=:===L###J===)o~*~[]~(===L#J===:)",
    },
    {// columnas 128 a 159
     R"(<csc>      <cvcsc>      <csvc>  )",
     R"(             |             |    )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"(  i   @   i    t   i  @    i  i )",
     R"(==:=====:====:======:=====:=====)",
    },
    {// columnas 160 a 191
     R"(   <cvc>    <scvcs>     <cvcs>  )",
     R"(     |         |          |     )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"( /^^\   i   @     t   i   @  i  )",
     R"(:L##J=:=====:=====:====:===:====)",
    },
    {// columnas 192 a 223
     R"(    <csvc>       <cvcc>    <cvc>)",
     R"(       |           |         |  )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"(        i /^^\           /^^\   )",
     R"(=)o~*~(=:=L##J=)~[]~o*~(=L##J=:=)",
    },
    {// columnas 224 a 255
     R"(<vcs>    <cvcsc>     <cvcvsvcvcc)",
     R"( |         |           | | | |  )",
     R"(                                )",
     R"(                                )",
     R"(                                )",
     R"(  i  @   i   t  i  @   i @  t i )",
     R"(==:=:===:=====:====:=====:===:==)",
    },
};

// Capa lejana: avanza a un cuarto de velocidad. El mismo carácter da la
// baldosa de su fila, porque el cielo se aclara hacia el horizonte.
const Leyenda LEYENDA_LEJANA = {
    {'.', unaPorFila(0, 3, CIELO)},
    {'*', unaPorFila(0, 3, ESTRELLAS)},
    {'+', unaPorFila(0, 3, LUCEROS)},
    {'C', enFilas(1, 1, LUNA)},        // lleva 'r' en el agua, debajo
    {'{', enFilas(2, 2, NUBE_IZQUIERDA)},
    {'}', enFilas(2, 2, NUBE_DERECHA)},
    {'_', enFilas(4, 4, HORIZONTE)},
    {'T', enFilas(4, 4, ARBOLEDA)},
    {'i', enFilas(4, 4, JUNCAL_LEJANO)},
    {'/', enFilas(4, 4, COLINA_SUBE)},
    {'^', enFilas(4, 4, COLINA_CIMA)},
    {'\\', enFilas(4, 4, COLINA_BAJA)},
    {'<', enFilas(4, 4, OTERO_SUBE)},
    {'>', enFilas(4, 4, OTERO_BAJA)},
    {'~', unaPorFila(5, 6, AGUA)},
    {'w', unaPorFila(5, 6, ONDAS)},
    {'r', enFilas(5, 5, REFLEJO_LUNA)},
};

const std::vector<Tramo> LEJANA = {
    {// columnas 0 a 23
     R"(.*..+..*...*.+..*..*..+.)",
     R"(..*...C..+..*...*..+...*)",
     R"(.+...*....{}..+....*..{})",
     R"(*...+...*....*..+...*...)",
     R"(__/^\_T_i_<>_T__/^\_iT_<)",
     R"(~w~~~~rw~~w~~~w~~w~~~w~~)",
     R"(~~w~w~~~~w~~w~~~~~w~w~~w)",
    },
    {// columnas 24 a 47
     R"(*..+..*..*..+..*...*.+..)",
     R"(.+...*..+...*..*..+..*..)",
     R"(..*.....*.{}.+...*.....*)",
     R"(..+..*...+...*....+..*..)",
     R"(>_T_/^\__i_<>T_/^\_T__<>)",
     R"(w~~w~~~w~~~w~~~w~~w~~~w~)",
     R"(~~w~~w~~w~~~~w~~~w~~w~~~)",
    },
    {// columnas 48 a 71
     R"(.*...+..*..+...*..*..+..)",
     R"(...*..+...*...*..+C..*..)",
     R"(.{}...*..+....{}...*.+..)",
     R"(*...+..*....*...+...*..+)",
     R"(_iT_/^\_<>_T_i_/^\__T_i_)",
     R"(~w~~w~~~~~w~~~w~~wr~~w~~)",
     R"(w~~~~w~w~~~~w~~~w~~~~w~w)",
    },
};

// Qué entra y en qué columna. Una columna pasa cada 0,64 s. La fase aprieta
// de menos a más: primero sueltos, luego filas de voladores con acorazados
// cada vez más seguidos. Los voladores van en fila, uno por columna, a la
// altura de su onda; el acorazado quiere orilla llana por delante. El gigante
// llega tras una calma y con tiempo de pelearlo antes de la última pantalla.
const std::vector<Oleada> OLEADAS = {
    // Calentamiento: de uno en uno, para aprender a cada bicho.
    errante(6), volador(12, 160), errante(18), volador(24, 280), volador(25, 280), errante(31),
    volador(36, 120), volador(37, 120), volador(38, 120), errante(44),
    // Llega el primer acorazado y las filas de tres.
    acorazado(52), errante(58), volador(62, 260), volador(63, 260), volador(64, 260), errante(68), errante(72),
    volador(76, 100), volador(77, 100), volador(78, 100), acorazado(84), errante(88),
    volador(91, 220), volador(92, 220), volador(93, 220), errante(96),
    // Más apretado: filas de cuatro y errantes de dos en dos.
    volador(101, 160), volador(102, 160), volador(103, 160), volador(104, 160), errante(106), errante(109),
    volador(112, 80), volador(113, 80), volador(114, 80), errante(117), acorazado(120), errante(124), errante(127),
    volador(130, 300), volador(131, 300), volador(132, 300), volador(133, 300), acorazado(136), errante(139),
    volador(142, 120), volador(143, 120), volador(144, 120), errante(146), errante(148),
    // Lo más duro: un acorazado cada nueve segundos y sin huecos.
    acorazado(150), volador(152, 200), volador(153, 200), volador(154, 200), volador(155, 200), errante(157),
    errante(159), volador(160, 260), volador(161, 260), volador(162, 260), volador(163, 260), acorazado(164),
    errante(167), errante(169), volador(171, 100), volador(172, 100), volador(173, 100), errante(175),
    acorazado(178), errante(180), volador(182, 300), volador(183, 300), volador(184, 300), errante(186),
    // Calma antes del gigante; mientras dura, poco más.
    gigante(200), errante(210), errante(218),
    // Despedida.
    acorazado(226), volador(229, 140), volador(230, 140), volador(231, 140), volador(232, 140), errante(235),
    volador(238, 280), volador(239, 280), volador(240, 280), errante(242), errante(244),
};
}

const DescripcionMapa& descripcionFase1()
{
    static const DescripcionMapa fase1{LEYENDA_CERCANA, CERCANA, LEYENDA_LEJANA, LEJANA, OLEADAS};
    return fase1;
}

#ifndef COLORES_H
#define COLORES_H

// Paleta con nombre: las imágenes se describen por colores, no por números.
struct Color {
    int r, g, b;
};

namespace colores {
constexpr Color MAGENTA_MASCARA{255, 0, 255};
constexpr Color VERDE_RANA{92, 196, 64};
constexpr Color VERDE_OSCURO{34, 104, 38};
constexpr Color VERDE_CLARO{178, 232, 110};
constexpr Color AMARILLO_VIENTRE{236, 226, 128};
constexpr Color AMARILLO_TITULO{255, 214, 64};
constexpr Color NARANJA{240, 132, 40};
constexpr Color ROJO{214, 48, 40};
constexpr Color BLANCO{255, 255, 255};
constexpr Color NEGRO{0, 0, 0};
constexpr Color SOMBRA{16, 24, 20};
constexpr Color GRIS_METAL{150, 158, 168};
constexpr Color GRIS_OSCURO{64, 70, 78};
constexpr Color CIELO_NOCHE{10, 16, 48};
constexpr Color CIELO_ALBA{40, 84, 120};
constexpr Color AGUA_CLARA{36, 110, 120};
constexpr Color AGUA_HONDA{8, 40, 56};
constexpr Color PANEL{18, 30, 36};
constexpr Color BORDE_PANEL{120, 190, 90};
constexpr Color AZUL_DISPARO{120, 220, 255};
// Marcador: cifras de cabina sobre un fondo casi negro.
constexpr Color FONDO_CIFRAS{6, 12, 14};
constexpr Color CIFRA_ENCENDIDA{255, 184, 48};
constexpr Color ROSA_FLOR{236, 140, 190};
constexpr Color VIOLETA{170, 110, 230};
// Charca de la fase. Ningún verde cae en el escalón de 16 bits de VERDE_RANA:
// por ese verde se reconoce a la rana en una captura.
constexpr Color HIERBA{58, 142, 50};
constexpr Color HIERBA_CLARA{126, 188, 74};
constexpr Color BARRO{86, 60, 40};
constexpr Color BARRO_OSCURO{58, 40, 28};
constexpr Color BARRO_CLARO{128, 98, 68};
constexpr Color HOJA_SAUCE{30, 74, 50};
constexpr Color HOJA_SAUCE_CLARA{58, 112, 66};
constexpr Color LIANA{44, 96, 52};
constexpr Color MADERA{112, 76, 44};
constexpr Color MADERA_OSCURA{66, 44, 28};
constexpr Color MADERA_CLARA{168, 128, 84};
constexpr Color PIEDRA{96, 100, 110};
constexpr Color VERDE_NENUFAR{60, 148, 74};
constexpr Color SILUETA{14, 22, 38};
constexpr Color SILUETA_LEJANA{26, 42, 70};
// Enemigos: cada clase con su color, claro sobre el agua de noche y lejos
// del verde de la rana y del magenta de la máscara.
constexpr Color CARMESI{200, 34, 58};
constexpr Color CARMESI_OSCURO{110, 16, 36};
constexpr Color CARMESI_CLARO{250, 118, 118};
constexpr Color ALA_VIDRIO{186, 214, 236};
constexpr Color BRONCE{206, 148, 52};
constexpr Color BRONCE_OSCURO{112, 70, 28};
constexpr Color BRONCE_CLARO{248, 210, 122};
constexpr Color VIOLETA_OSCURO{84, 46, 132};
constexpr Color VIOLETA_CLARO{206, 176, 246};
constexpr Color PLUMA_GARZA{210, 218, 230};
constexpr Color PLUMA_SOMBRA{120, 134, 158};
}

// Los lienzos son de 24 bits: así el BMP guarda el color exacto.
int aPixel(const Color& c);
Color mezclar(const Color& a, const Color& b, double t);

#endif

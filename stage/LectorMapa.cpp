#include "stage/LectorMapa.h"

namespace {

// Lo que aceptaría "%i," de scanf, pero sin comportamiento indefinido: un
// número que no cabe es un error del archivo, no un valor cualquiera.
class Cursor {
public:
    Cursor(const char* texto, size_t largo) : p(texto), fin(texto + largo) {}

    bool leerEntero(int32_t& valor)
    {
        saltarBlancos();
        bool negativo = false;
        if (p < fin && (*p == '+' || *p == '-'))
            negativo = *p++ == '-';
        int base = 10;
        if (p < fin && *p == '0') {
            base = 8;
            if (p + 1 < fin && (p[1] == 'x' || p[1] == 'X')) {
                base = 16;
                p += 2;
            }
        }
        int64_t magnitud = 0;
        int cifras = 0;
        for (int cifra; p < fin && (cifra = valorCifra(*p)) < base; ++p, ++cifras) {
            magnitud = magnitud * base + cifra;
            if (magnitud > LIMITE)
                return false;
        }
        if (cifras == 0)
            return false;
        if (!negativo && magnitud > LIMITE - 1)
            return false;
        valor = static_cast<int32_t>(negativo ? -magnitud : magnitud);
        if (p < fin && *p == ',')
            ++p;
        return true;
    }

private:
    // 2^31: lo más grande que admite un negativo.
    static const int64_t LIMITE = int64_t(1) << 31;

    static int valorCifra(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return 99;
    }

    void saltarBlancos()
    {
        while (p < fin && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r'))
            ++p;
    }

    const char* p;
    const char* fin;
};

}

bool leerMapa(const char* texto, size_t largo, int32_t (&valores)[VALORES_MAPA])
{
    int32_t leidos[VALORES_MAPA];
    Cursor cursor(texto, largo);
    for (int32_t& valor : leidos)
        if (!cursor.leerEntero(valor))
            return false;
    for (int i = 0; i < VALORES_MAPA; ++i)
        valores[i] = leidos[i];
    return true;
}

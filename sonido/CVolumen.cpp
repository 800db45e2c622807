#include "sonido/CVolumen.h"

#include <algorithm>

CVolumen::CVolumen(Preferencias& preferenciasDadas) : preferencias(preferenciasDadas), dispositivos(nullptr)
{
}

void CVolumen::arrancar()
{
    if (preferencias.silencio || preferencias.volumen != Preferencias::VOLUMEN_MAXIMO)
        aplicar();
}

bool CVolumen::atender(const std::function<bool(int tecla)>& pulsacion, Ajuste& cambio)
{
    if (pulsacion(KEY_M)) {
        alternarSilencio();
        cambio = Ajuste::SILENCIO;
        return true;
    }
    bool bajar = pulsacion(KEY_MINUS);
    bajar |= pulsacion(KEY_MINUS_PAD);
    bool subir = pulsacion(KEY_EQUALS);
    subir |= pulsacion(KEY_PLUS_PAD);
    cambio = Ajuste::VOLUMEN;
    return bajar != subir && cambiar(subir ? 1 : -1);
}

void CVolumen::alternarSilencio()
{
    preferencias.silencio = !preferencias.silencio;
    aplicar();
}

bool CVolumen::cambiar(int paso)
{
    const int nuevo = std::clamp(preferencias.volumen + paso, 0, int(Preferencias::VOLUMEN_MAXIMO));
    if (nuevo == preferencias.volumen)
        return false;
    preferencias.volumen = nuevo;
    aplicar();
    return true;
}

void CVolumen::aplicar()
{
    dispositivos->fijarVolumen(preferencias.silencio ? 0 : preferencias.volumen * 255 / Preferencias::VOLUMEN_MAXIMO);
}

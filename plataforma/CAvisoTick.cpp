#include "plataforma/CAvisoTick.h"

#include <chrono>

// Tomar el cerrojo antes de avisar cierra el hueco entre que quien espera
// mira listo() y se duerme: o ya ve el cambio, o ya está dormido y le llega
// el aviso.
void CAvisoTick::avisar()
{
    { std::lock_guard<std::mutex> tomado(cerrojo); }
    cambio.notify_all();
}

bool CAvisoTick::esperar(const std::function<bool()>& listo, int milisegundosMaximo)
{
    std::unique_lock<std::mutex> tomado(cerrojo);
    return cambio.wait_for(tomado, std::chrono::milliseconds(milisegundosMaximo), listo);
}

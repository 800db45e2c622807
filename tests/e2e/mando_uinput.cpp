// Un mando de tipo Xbox hecho con uinput, para las pruebas de punta a punta:
// palanca izquierda, gatillos, palanca derecha, cruceta y los botones de A a
// Start. El núcleo lo ofrece como /dev/input/jsN con los ejes y botones en el
// mismo orden que uno de verdad (Start, el octavo botón).
// Uso: mando-uinput --probar   sale con 0 si /dev/uinput se puede abrir y,
//                              si no, con 77 y el motivo en stderr.
//      mando-uinput            crea el mando, escribe "listo" y lee órdenes
//                              de stdin: "eje N valor" (de -32767 a 32767,
//                              como los da el joystick) o "boton N 0|1".
#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

const int OMITIDA = 77;
// En el orden en que el joystick del núcleo los numera.
const int EJES[] = { ABS_X, ABS_Y, ABS_Z, ABS_RX, ABS_RY, ABS_RZ, ABS_HAT0X, ABS_HAT0Y };
const int BOTONES[] = { BTN_SOUTH, BTN_EAST, BTN_NORTH, BTN_WEST, BTN_TL, BTN_TR, BTN_SELECT, BTN_START };
const int NUM_EJES = sizeof EJES / sizeof EJES[0];
const int NUM_BOTONES = sizeof BOTONES / sizeof BOTONES[0];

bool esGatillo(int eje) { return eje == ABS_Z || eje == ABS_RZ; }
bool esCruceta(int eje) { return eje == ABS_HAT0X || eje == ABS_HAT0Y; }

// Del valor del joystick (-32767..32767) al del eje en el dispositivo.
int valorDispositivo(int eje, int valor)
{
    if (esGatillo(eje))
        return (valor + 32767) * 255 / 65534;
    if (esCruceta(eje))
        return valor < 0 ? -1 : valor > 0 ? 1 : 0;
    return valor;
}

bool emitir(int fd, int tipo, int codigo, int valor)
{
    input_event evento{};
    evento.type = static_cast<__u16>(tipo);
    evento.code = static_cast<__u16>(codigo);
    evento.value = valor;
    return write(fd, &evento, sizeof evento) == static_cast<ssize_t>(sizeof evento);
}

int abrir()
{
    int fd = open("/dev/uinput", O_WRONLY | O_NONBLOCK);
    if (fd < 0)
        std::fprintf(stderr, "no se puede abrir /dev/uinput: %s\n", std::strerror(errno));
    return fd;
}

bool crear(int fd)
{
    uinput_user_dev dispositivo{};
    std::snprintf(dispositivo.name, UINPUT_MAX_NAME_SIZE, "Mando de prueba de Escuadron Rana");
    dispositivo.id.bustype = BUS_VIRTUAL;
    bool bien = ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0 && ioctl(fd, UI_SET_EVBIT, EV_ABS) == 0;
    for (int boton : BOTONES)
        bien = bien && ioctl(fd, UI_SET_KEYBIT, boton) == 0;
    for (int eje : EJES) {
        bien = bien && ioctl(fd, UI_SET_ABSBIT, eje) == 0;
        dispositivo.absmin[eje] = esGatillo(eje) ? 0 : esCruceta(eje) ? -1 : -32767;
        dispositivo.absmax[eje] = esGatillo(eje) ? 255 : esCruceta(eje) ? 1 : 32767;
    }
    return bien && write(fd, &dispositivo, sizeof dispositivo) == static_cast<ssize_t>(sizeof dispositivo) &&
           ioctl(fd, UI_DEV_CREATE) == 0;
}

}

int main(int argc, char** argv)
{
    int fd = abrir();
    if (fd < 0)
        return OMITIDA;
    if (argc > 1 && std::string(argv[1]) == "--probar") {
        close(fd);
        return 0;
    }
    if (!crear(fd)) {
        std::fprintf(stderr, "uinput no creó el mando: %s\n", std::strerror(errno));
        return OMITIDA;
    }
    std::cout << "listo" << std::endl;
    std::string orden;
    int n = 0, valor = 0;
    while (std::cin >> orden >> n >> valor) {
        bool bien = false;
        if (orden == "eje" && n >= 0 && n < NUM_EJES)
            bien = emitir(fd, EV_ABS, EJES[n], valorDispositivo(EJES[n], valor));
        else if (orden == "boton" && n >= 0 && n < NUM_BOTONES)
            bien = emitir(fd, EV_KEY, BOTONES[n], valor != 0);
        if (!bien || !emitir(fd, EV_SYN, SYN_REPORT, 0)) {
            std::fprintf(stderr, "orden no enviada: %s %d %d\n", orden.c_str(), n, valor);
            return 1;
        }
    }
    ioctl(fd, UI_DEV_DESTROY);
    close(fd);
    return 0;
}

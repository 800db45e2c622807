// Arranque común de las pruebas sin pantalla: Allegro sin dispositivos y
// bitmaps de memoria a 16 bits, como los que usa el juego.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(16);
    return RUN_ALL_TESTS();
}

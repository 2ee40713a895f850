// plumbrix-datagen OUTDIR: writes every picture, sound, music track and the help page
// that the game reads, into OUTDIR.
#include <iostream>

#include "generate.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "plumbrix-datagen") << " OUTDIR\n";
        return 2;
    }
    return generateAll(argv[1], std::cout) ? 0 : 1;
}

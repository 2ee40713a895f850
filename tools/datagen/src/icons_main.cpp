// plumbrix-icons THEMEDIR: writes the desktop icon into a hicolor theme folder, at every
// fixed size and as SVG.
#include <iostream>

#include "icons.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "plumbrix-icons") << " THEMEDIR\n";
        return 2;
    }
    return writeIcons(argv[1], "plumbrix", std::cerr) ? 0 : 1;
}

// Fuzzing the BMP reader: the header checks, the colour table and the pixel
// rows, and the upload into a surface of the display's format.
#include <cstdint>

#include "fuzz_support.h"
#include "graphics/sprite.h"

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder(false);
    openFuzzDisplay();
    return 0;
}

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput("bmp/Fuzz.bmp", data, size);
    Sprite sprite("Fuzz.bmp", (size & 1) != 0);
    return 0;
}

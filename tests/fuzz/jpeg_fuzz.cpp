// Fuzzing the JPEG path: the decoder with its bounds and error handling, and
// the upload of the decoded rows into a surface of the display's format.
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
    writeInput("bmp/Fuzz.jpg", data, size);
    Sprite sprite("Fuzz.jpg", false);
    return 0;
}

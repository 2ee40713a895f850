// Pictures made by the tests themselves: BMP and JPEG files written into a
// scratch "bmp" folder, and pixels read back from surfaces.
#pragma once
#include "test_support.h"
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct PlatformSurface;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// A scratch folder with a "bmp" folder inside, made the current directory
// for the lifetime of the object; the old directory comes back afterwards.
class ScratchDataDir {
public:
    ScratchDataDir();
    ScratchDataDir(const ScratchDataDir&) = delete;
    ScratchDataDir& operator=(const ScratchDataDir&) = delete;

    // Writes bytes to "bmp/NAME".
    void put(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    ScratchDir scratch;
};

// How a test BMP is laid out. The pixel function gives the stored value of
// the pixel at (x, y), y counted from the top: a palette index at 1, 4 and 8
// bits, the raw 16-bit word at 16, 0xRRGGBB at 24 and 0xXXRRGGBB at 32.
struct BmpLayout {
    int width = 1;
    int height = 1;
    bool topDown = false;
    int bits = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    uint32_t coloursUsed = 0;
    std::vector<Rgb> palette;
    std::vector<uint32_t> masks;  // inside a header of 52 bytes or more, else after it
};
using PixelValue = std::function<uint32_t(int x, int y)>;
std::vector<uint8_t> encodeBmp(const BmpLayout& layout, const PixelValue& value);

// A baseline JPEG at quality 100 without colour subsampling: 1 component (grey, from the red channel),
// 3 (RGB) or 4 (CMYK, the channels and a zero black); progressive in the library's usual scans.
using PixelColour = std::function<Rgb(int x, int y)>;
std::vector<uint8_t> encodeJpeg(int width, int height, int components, const PixelColour& colour,
                                bool progressive = false);

// The colour of a display-format pixel, each channel widened back to 8 bits.
Rgb pixelAt(const PlatformSurface* surface, int x, int y);
bool near(const Rgb& a, const Rgb& b, int tolerance);
std::string describe(const Rgb& c);

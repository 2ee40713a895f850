// A finished picture in memory: 8-bit RGB pixels plus the colour-key mask, and the
// rules that turn cairo's premultiplied ARGB into it without pink fringes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

struct Rgb {
    uint8_t r, g, b;
};

// True when the game, converting to 16-bit 5-6-5, would see the colour key 0xF81F.
constexpr bool isKey565(int r, int g, int b)
{
    return (r >> 3) == 31 && (g >> 2) == 0 && (b >> 3) == 31;
}

constexpr Rgb keyColour{255, 0, 255};

struct Raster {
    int width = 0, height = 0;
    bool keyed = false;
    std::vector<uint8_t> rgb;   // width * height * 3, top row first
    std::vector<uint8_t> mask;  // width * height, 1 where the pixel is transparent (keyed only)

    Raster() = default;
    Raster(int w, int h, bool isKeyed);

    Rgb at(int x, int y) const
    {
        const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    bool transparent(int x, int y) const
    {
        return keyed && mask[size_t(y) * width + x] != 0;
    }
};

// Options for flattening an ARGB surface.
struct Flatten {
    bool keyed = false;
    // Keyed pictures: pixels at least this opaque are kept.
    double alphaCut = 0.5;
    // Kept pixels that are partly transparent are mixed over this colour; without one
    // they are un-premultiplied, which gives their edge the art's own outline colour.
    bool useMatte = false;
    Rgb matte{0, 0, 0};
};

// Turns a cairo ARGB32 surface into a raster. Opaque pictures are composed over black.
// Art colours that would read as the key in 5-6-5 (or come near it) are nudged away.
Raster flatten(cairo_surface_t* surface, const Flatten& how);

// Nudges a colour that is close to the key so that no lossy step can turn it into one.
Rgb awayFromKey(Rgb c);

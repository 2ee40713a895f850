// Decoded artwork drawn into surfaces: device-independent bitmaps (the row
// layout of BMP files), with the bitmap's colour table as the palette of the
// paletted depths, and the plain RGB rows of a decoded JPEG. SDL converts
// either into the display format.
#include <SDL.h>

#include <cstring>
#include <vector>

#include "platform/internal.h"
#include "platform/surface.h"

namespace {
constexpr uint32_t bitFields = 3;

uint32_t readU32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

Uint32 rowFormat(int bits, bool masks, const uint8_t* info)
{
    if (masks) {
        // The masks sit right after the 40 bytes of the basic header, inside
        // a longer header or as the colour table of a short one.
        return SDL_MasksToPixelFormatEnum(bits, readU32(info + 40), readU32(info + 44), readU32(info + 48),
                                          0);
    }
    switch (bits) {
    case 1:
        return SDL_PIXELFORMAT_INDEX1MSB;
    case 4:  // widened to a byte a pixel first, see below
    case 8:
        return SDL_PIXELFORMAT_INDEX8;
    case 16:
        return SDL_PIXELFORMAT_XRGB1555;
    case 24:
        return SDL_PIXELFORMAT_BGR24;
    case 32:
        return SDL_PIXELFORMAT_XRGB8888;
    default:
        return SDL_PIXELFORMAT_UNKNOWN;
    }
}

// SDL cannot convert four bits a pixel into the display format, so those rows
// are widened to one palette index a byte, high nibble first.
std::vector<uint8_t> widenNibbles(const uint8_t* bits, int width, int rows, size_t stride)
{
    std::vector<uint8_t> out(size_t(width) * size_t(rows));
    for (size_t y = 0; y < size_t(rows); ++y) {
        const uint8_t* in = bits + y * stride;
        uint8_t* row = out.data() + y * size_t(width);
        for (size_t x = 0; x < size_t(width); ++x) {
            row[x] = uint8_t(x % 2 ? in[x / 2] & 15 : in[x / 2] >> 4);
        }
    }
    return out;
}

// The colour table holds blue, green, red and a spare byte per entry.
void setPalette(SDL_Surface* rows, const uint8_t* info, int bits)
{
    const uint32_t headerSize = readU32(info);
    uint32_t count = readU32(info + 32);
    const uint32_t most = 1u << bits;
    if (count == 0 || count > most) {
        count = most;
    }
    SDL_Color colours[256] = {};
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = info + headerSize + size_t(i) * 4;
        colours[i] = SDL_Color{entry[2], entry[1], entry[0], 255};
    }
    for (uint32_t i = count; i < most; ++i) {
        colours[i] = SDL_Color{0, 0, 0, 255};
    }
    SDL_SetPaletteColors(rows->format->palette, colours, 0, int(most));
}

// Converts the wrapped rows into the target's format and copies them in at
// (0, 0); what lies beyond the target is cut off. SDL surfaces run top-down
// only, so a bottom-up picture is turned over row by row on its way in.
bool convertInto(SDL_Surface* wrapped, SDL_Surface* target, bool bottomUp)
{
    SDL_Surface* converted = SDL_ConvertSurface(wrapped, target->format, 0);
    SDL_FreeSurface(wrapped);
    if (!converted) {
        return false;
    }
    const int rows = converted->h;
    const int copyRows = SDL_min(rows, target->h);
    const size_t rowBytes = size_t(SDL_min(converted->w, target->w)) * target->format->BytesPerPixel;
    SDL_LockSurface(target);
    for (int y = 0; y < copyRows; ++y) {
        const int from = bottomUp ? rows - 1 - y : y;
        std::memcpy(static_cast<uint8_t*>(target->pixels) + size_t(y) * target->pitch,
                    static_cast<const uint8_t*>(converted->pixels) + size_t(from) * converted->pitch,
                    rowBytes);
    }
    SDL_UnlockSurface(target);
    SDL_FreeSurface(converted);
    return true;
}
}  // namespace

bool platformUploadDib(PlatformSurface* surface, const uint8_t* info, const uint8_t* bits)
{
    if (!surface || !info || !bits) {
        return false;
    }
    const int32_t width = int32_t(readU32(info + 4));
    const int32_t height = int32_t(readU32(info + 8));
    const int depth = int(info[14] | info[15] << 8);
    const bool masks = readU32(info + 16) == bitFields;
    const Uint32 format = rowFormat(depth, masks, info);
    if (width <= 0 || height == 0 || height == INT32_MIN || format == SDL_PIXELFORMAT_UNKNOWN) {
        return false;
    }
    const int rows = height < 0 ? -height : height;
    const int64_t stride = (int64_t(width) * depth + 31) / 32 * 4;
    if (stride > INT32_MAX) {
        return false;
    }
    std::vector<uint8_t> widened;
    SDL_Surface* wrapped = nullptr;
    if (depth == 4) {
        widened = widenNibbles(bits, width, rows, size_t(stride));
        wrapped = SDL_CreateRGBSurfaceWithFormatFrom(widened.data(), width, rows, 8, width, format);
    } else {
        wrapped = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(bits), width, rows, depth,
                                                     int(stride), format);
    }
    if (!wrapped) {
        return false;
    }
    if (depth <= 8) {
        setPalette(wrapped, info, depth);
    }
    // A positive height is a bottom-up bitmap.
    return convertInto(wrapped, surface->pixels, height > 0);
}

bool platformUploadRgb(PlatformSurface* surface, const uint8_t* pixels, int width, int height)
{
    if (!surface || !pixels || width <= 0 || height <= 0) {
        return false;
    }
    SDL_Surface* wrapped = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pixels), width, height, 24,
                                                              width * 3, SDL_PIXELFORMAT_RGB24);
    return wrapped && convertInto(wrapped, surface->pixels, false);
}

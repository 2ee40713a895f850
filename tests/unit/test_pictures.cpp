// Pictures made by the tests themselves.
#include "test_pictures.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <jpeglib.h>

#include "surface_probe.h"

namespace {
void putU16(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

void putU32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out[at + i] = uint8_t(v >> (8 * i));
    }
}

int widen(int value, int bits)
{
    return value << (8 - bits) | value >> (2 * bits - 8);
}
}  // namespace

ScratchDataDir::ScratchDataDir()
{
    std::filesystem::create_directory("bmp");
}

void ScratchDataDir::put(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    std::FILE* f = std::fopen(("bmp/" + name).c_str(), "wb");
    if (!f) {
        std::abort();
    }
    if (!bytes.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
    }
    std::fclose(f);
}

std::vector<uint8_t> encodeBmp(const BmpLayout& layout, const PixelValue& value)
{
    const size_t stride = (size_t(layout.width) * layout.bits + 31) / 32 * 4;
    // A header long enough to hold the masks carries them inside.
    const bool masksInside = layout.headerSize >= 52;
    const size_t table = layout.palette.size() * 4 + (masksInside ? 0 : layout.masks.size() * 4);
    const size_t offset = 14 + layout.headerSize + table;
    std::vector<uint8_t> out(offset + stride * layout.height, 0);
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, uint32_t(out.size()));
    putU32(out, 10, uint32_t(offset));
    putU32(out, 14, layout.headerSize);
    putU32(out, 18, uint32_t(layout.width));
    putU32(out, 22, uint32_t(layout.topDown ? -layout.height : layout.height));
    putU16(out, 26, 1);
    putU16(out, 28, uint32_t(layout.bits));
    putU32(out, 30, layout.compression);
    putU32(out, 46, layout.coloursUsed);
    size_t at = masksInside ? 14 + 40 : 14 + layout.headerSize;
    for (uint32_t m : layout.masks) {
        putU32(out, at, m);
        at += 4;
    }
    at = 14 + layout.headerSize + (masksInside ? 0 : layout.masks.size() * 4);
    for (const Rgb& c : layout.palette) {
        out[at] = uint8_t(c.b);
        out[at + 1] = uint8_t(c.g);
        out[at + 2] = uint8_t(c.r);
        at += 4;
    }
    for (int y = 0; y < layout.height; ++y) {
        const int stored = layout.topDown ? y : layout.height - 1 - y;
        uint8_t* row = out.data() + offset + size_t(stored) * stride;
        for (int x = 0; x < layout.width; ++x) {
            const uint32_t v = value(x, y);
            switch (layout.bits) {
            case 1:
                row[x / 8] |= uint8_t((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = uint8_t(v);
                break;
            case 16:
                row[2 * size_t(x)] = uint8_t(v);
                row[2 * size_t(x) + 1] = uint8_t(v >> 8);
                break;
            case 24:
            case 32: {
                uint8_t* p = row + size_t(x) * (layout.bits / 8);
                p[0] = uint8_t(v);
                p[1] = uint8_t(v >> 8);
                p[2] = uint8_t(v >> 16);
                if (layout.bits == 32) {
                    p[3] = uint8_t(v >> 24);
                }
                break;
            }
            default:
                break;
            }
        }
    }
    return out;
}

std::vector<uint8_t> encodeJpeg(int width, int height, int components, const PixelColour& colour)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* data = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &data, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    // Full-resolution colour keeps the edges between flat areas sharp.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * components);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            JSAMPLE* p = row.data() + size_t(x) * components;
            p[0] = JSAMPLE(c.r);
            if (components >= 3) {
                p[1] = JSAMPLE(c.g);
                p[2] = JSAMPLE(c.b);
            }
            if (components == 4) {
                p[3] = 0;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> out(data, data + size);
    std::free(data);
    return out;
}

Rgb pixelAt(const PlatformSurface* surface, int x, int y)
{
    const uint32_t p = probePixel(surface, x, y);
    return Rgb{widen(int(p >> 11 & 31), 5), widen(int(p >> 5 & 63), 6), widen(int(p & 31), 5)};
}

bool near(const Rgb& a, const Rgb& b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

std::string describe(const Rgb& c)
{
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

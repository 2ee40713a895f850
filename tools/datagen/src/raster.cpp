// Flattening cairo surfaces into keyed or opaque RGB rasters.
#include "raster.h"

#include <algorithm>
#include <cmath>

Raster::Raster(int w, int h, bool isKeyed)
    : width(w), height(h), keyed(isKeyed), rgb(size_t(w) * h * 3, 0), mask(size_t(w) * h, 0)
{}

Rgb awayFromKey(Rgb c)
{
    // Keep a wide margin: a JPEG round trip moves colours by a few steps.
    if (c.r >= 224 && c.b >= 224 && c.g < 40)
        c.g = 40;
    return c;
}

Raster flatten(cairo_surface_t* surface, const Flatten& how)
{
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Raster out(w, h, how.keyed);
    const int cut = int(std::lround(how.alphaCut * 255.0));
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            const int a = int(p >> 24), r = int((p >> 16) & 255), g = int((p >> 8) & 255), b = int(p & 255);
            Rgb c;
            const size_t i = size_t(y) * w + x;
            if (how.keyed && a < cut) {
                out.mask[i] = 1;
                c = keyColour;
            } else if (!how.keyed || how.useMatte) {
                const Rgb m = how.keyed ? how.matte : Rgb{0, 0, 0};
                c = {uint8_t(std::min(255, r + (m.r * (255 - a) + 127) / 255)),
                     uint8_t(std::min(255, g + (m.g * (255 - a) + 127) / 255)),
                     uint8_t(std::min(255, b + (m.b * (255 - a) + 127) / 255))};
                c = awayFromKey(c);
            } else {
                c = {uint8_t(std::min(255, (r * 255 + a / 2) / a)),
                     uint8_t(std::min(255, (g * 255 + a / 2) / a)),
                     uint8_t(std::min(255, (b * 255 + a / 2) / a))};
                c = awayFromKey(c);
            }
            uint8_t* q = &out.rgb[i * 3];
            q[0] = c.r;
            q[1] = c.g;
            q[2] = c.b;
        }
    }
    return out;
}

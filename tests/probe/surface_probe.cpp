// Reads and writes the platform's own surfaces directly, which only a test of
// what reached a surface needs; it links SDL itself for that.
#include "surface_probe.h"

#include <SDL.h>

#include "platform/internal.h"

uint32_t probePixel(const PlatformSurface* surface, int x, int y)
{
    if (!surface || x < 0 || y < 0 || x >= surface->pixels->w || y >= surface->pixels->h) {
        return 0;
    }
    const auto* row =
        static_cast<const uint8_t*>(surface->pixels->pixels) + ptrdiff_t(y) * surface->pixels->pitch;
    return reinterpret_cast<const uint16_t*>(row)[x];
}

void probeFill(PlatformSurface* surface, const Rect& rect, uint32_t colour)
{
    if (surface && rect.right > rect.left && rect.bottom > rect.top) {
        SDL_Rect r{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        SDL_FillRect(surface->pixels, &r, colour);
    }
}

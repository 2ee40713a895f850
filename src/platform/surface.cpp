// Surfaces in the display format (RGB565) and the copies the game relies on:
// whole rejection of rectangles that leave a surface, optional colour key.
#include "platform/surface.h"

#include <SDL.h>

#include "platform/internal.h"

namespace {
bool insideSurface(const SDL_Surface* s, const Rect& r)
{
    return r.left >= 0 && r.top >= 0 && r.right <= s->w && r.bottom <= s->h;
}

bool emptyRect(const Rect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

void useKey(PlatformSurface* src, bool keyed)
{
    const bool want = keyed && src->hasKey;
    if (want != src->keyOn) {
        SDL_SetColorKey(src->pixels, want ? SDL_TRUE : SDL_FALSE, src->key);
        src->keyOn = want;
    }
}
}  // namespace

PlatformSurface* platformCreateSurface(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, displayPixelFormat);
    if (!s) {
        return nullptr;
    }
    SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
    SDL_FillRect(s, nullptr, 0);
    auto* surface = new PlatformSurface;
    surface->pixels = s;
    return surface;
}

void platformFreeSurface(PlatformSurface* surface)
{
    if (surface) {
        SDL_FreeSurface(surface->pixels);
        delete surface;
    }
}

void platformPixelFormat(uint32_t& redMask, uint32_t& greenMask, uint32_t& blueMask, int& bits)
{
    int bpp = 0;
    Uint32 alpha = 0;
    SDL_PixelFormatEnumToMasks(displayPixelFormat, &bpp, &redMask, &greenMask, &blueMask, &alpha);
    bits = bpp;
}

void platformSetColourKey(PlatformSurface* surface, uint32_t key)
{
    if (!surface) {
        return;
    }
    surface->key = key;
    surface->hasKey = true;
    surface->keyOn = false;
    SDL_SetColorKey(surface->pixels, SDL_FALSE, key);
}

void platformCopy(PlatformSurface* dst, int x, int y, PlatformSurface* src, const Rect& srcRect, bool keyed)
{
    platformStretch(dst, rectAt(x, y, srcRect), src, srcRect, keyed);
}

void platformStretch(PlatformSurface* dst, const Rect& dstRect, PlatformSurface* src, const Rect& srcRect,
                     bool keyed)
{
    if (!dst || !src || emptyRect(srcRect) || emptyRect(dstRect)) {
        return;
    }
    if (!insideSurface(src->pixels, srcRect) || !insideSurface(dst->pixels, dstRect)) {
        return;
    }
    useKey(src, keyed);
    SDL_Rect from{srcRect.left, srcRect.top, srcRect.right - srcRect.left, srcRect.bottom - srcRect.top};
    SDL_Rect to{dstRect.left, dstRect.top, dstRect.right - dstRect.left, dstRect.bottom - dstRect.top};
    // Same size is a plain copy; SDL only scales when the sizes differ.
    if (from.w == to.w && from.h == to.h) {
        SDL_BlitSurface(src->pixels, &from, dst->pixels, &to);
    } else {
        SDL_BlitScaled(src->pixels, &from, dst->pixels, &to);
    }
}

void platformFill(PlatformSurface* dst, const Rect& rect, uint32_t colour)
{
    if (!dst || emptyRect(rect) || !insideSurface(dst->pixels, rect)) {
        return;
    }
    SDL_Rect to{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    SDL_FillRect(dst->pixels, &to, colour);
}

bool platformPresent(PlatformSurface* backBuffer)
{
    if (!backBuffer) {
        return false;
    }
    return presentPicture(backBuffer->pixels->pixels, backBuffer->pixels->pitch);
}

bool platformSaveBmp(PlatformSurface* surface, const char* path)
{
    if (!surface) {
        return false;
    }
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(surface->pixels, SDL_PIXELFORMAT_BGR24, 0);
    if (!rgb) {
        return false;
    }
    const bool ok = SDL_SaveBMP(rgb, path) == 0;
    SDL_FreeSurface(rgb);
    return ok;
}

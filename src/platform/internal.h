// Shared between the platform's own files only; the game never includes it.
#pragma once
#include <SDL.h>

#include <cstdint>

struct PlatformSurface {
    SDL_Surface* pixels = nullptr;
    bool keyOn = false;  // whether SDL's colour key is enabled right now
    uint32_t key = 0;
    bool hasKey = false;
};

constexpr Uint32 displayPixelFormat = SDL_PIXELFORMAT_RGB565;

// Presents a finished 640x480 RGB565 picture in the window.
bool presentPicture(const void* pixels, int pitch);

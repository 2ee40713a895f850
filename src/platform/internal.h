// Shared between the platform's own files only; the game never includes it.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/window.h"

struct PlatformSurface {
    SDL_Surface* pixels = nullptr;
    bool keyOn = false;  // whether SDL's colour key is enabled right now
    uint32_t key = 0;
    bool hasKey = false;
};

constexpr Uint32 displayPixelFormat = SDL_PIXELFORMAT_RGB565;

// Puts the window into full screen or back into a window of the picture's size
// (window_mode.cpp; in a browser, web_window_mode.cpp).
bool applyWindowMode(SDL_Window* window, bool fullscreen, int width, int height);

// Presents a finished 640x480 RGB565 picture in the window.
bool presentPicture(const void* pixels, int pitch);

// The session recorder (recorder.cpp), fed by the event source. It starts only
// for real input, when PLUMBRIX_RECORD names a file.
void recorderStart();
void recorderStop();
// A poll begins; false unless recording.
bool recorderPoll();
void recorderEvent(const PlatformEvent& event);
// Notes the pointer; a second reading in the same pass gets the first one's answer.
void recorderPointer(int& x, int& y, bool& outside);
// A wait for events has ended the pass.
void recorderWaited();

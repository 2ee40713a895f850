// Getting the finished picture onto the screen as cheaply as it looks right:
// a GPU renderer that waits for the display where one exists, otherwise the
// window's own surface, paced to the display's refresh by sleeping.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/frame_pacer.h"
#include "platform/internal.h"
#include "platform/picture_fit.h"
#include "platform/pixel_expand.h"

namespace {
constexpr int fallbackRefreshRate = 60;
// A renderer that claims to wait for the display but lets this many frames in
// a row through in under half a period does not wait, and is paced instead.
constexpr int unwaitedFramesAllowed = 30;

SDL_Window* target = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
bool rendererWaits = false;
int unwaitedFrames = 0;
uint64_t lastPresentCount = 0;
std::string pathName = "none";

// What the screen shows now, to find the part of the next picture that differs.
std::vector<uint16_t> shown;
// The picture in 32 bits, kept only while it is scaled smoothly.
std::vector<uint32_t> expanded;
// The window surface must be sent whole again (exposed, resized, new mode).
bool redrawAll = true;
// The renderer's texture outlives all that, and holds nothing only when new or
// when a reset renderer lost it.
bool textureEmpty = true;
const SDL_Surface* lastSurface = nullptr;
// The game's picture seen as an SDL surface, for SDL to convert into a window
// surface of an unusual format; made again only when the picture moves.
SDL_Surface* wrapped = nullptr;
double refreshPeriod = 1.0 / fallbackRefreshRate;
// The window's drawable size and the picture's fit in it, worked out again
// only when the size changes (and the texture's scaling with it).
bool outputKnown = false;
int outputWidth = 0;
int outputHeight = 0;
PictureFit outputFit;

// Software rasterisers behind an OpenGL name cost more than the window
// surface and load a large library for nothing.
bool softwareGl()
{
    using GetString = const unsigned char* (*)(unsigned int);
    constexpr unsigned int glRendererName = 0x1F01;
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(glRendererName) : nullptr;
    if (!name) {
        return true;
    }
    const std::string text = reinterpret_cast<const char*>(name);
    for (const char* soft : {"llvmpipe", "softpipe", "swrast", "Software"}) {
        if (text.find(soft) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void closeRenderer()
{
    if (texture) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    if (renderer) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
}

bool openRenderer(bool forced)
{
    renderer = SDL_CreateRenderer(target, -1,
                                  forced ? SDL_RENDERER_PRESENTVSYNC
                                         : SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        return false;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    const bool gl = std::strncmp(info.name, "opengl", std::strlen("opengl")) == 0;
    if (!forced && (!(info.flags & SDL_RENDERER_PRESENTVSYNC) || (gl && softwareGl()))) {
        closeRenderer();
        return false;
    }
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, pictureWidth,
                                pictureHeight);
    if (!texture) {
        closeRenderer();
        return false;
    }
    rendererWaits = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    pathName = std::string("renderer ") + info.name;
    return true;
}

double displayPeriod()
{
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(target);
    if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0 || mode.refresh_rate <= 0) {
        return 1.0 / fallbackRefreshRate;
    }
    return 1.0 / mode.refresh_rate;
}

void pace()
{
    // A scripted run has nobody watching in real time.
    if (!inputSimulated()) {
        paceFrame(refreshPeriod);
    }
}

// Finds what to send this time: everything when `all`, else the part that
// changed. False when the screen already shows this picture.
bool takeUpdate(const void* pixels, int pitch, bool all, Rect& span)
{
    const auto* picture = static_cast<const uint16_t*>(pixels);
    if (shown.empty() || all) {
        shown.resize(size_t(pictureWidth) * pictureHeight);
        for (int y = 0; y < pictureHeight; ++y) {
            std::memcpy(shown.data() + std::ptrdiff_t(y) * pictureWidth,
                        static_cast<const uint8_t*>(pixels) + std::ptrdiff_t(y) * pitch,
                        size_t(pictureWidth) * sizeof(uint16_t));
        }
        span = Rect{0, 0, pictureWidth, pictureHeight};
        return true;
    }
    return takeChange(picture, pitch, shown.data(), span);
}

bool presentThroughRenderer(const void* pixels, int pitch)
{
    Rect span;
    if (takeUpdate(pixels, pitch, textureEmpty, span)) {
        const SDL_Rect changed{span.left, span.top, span.right - span.left, span.bottom - span.top};
        void* locked = nullptr;
        int lockedPitch = 0;
        if (SDL_LockTexture(texture, &changed, &locked, &lockedPitch) == 0) {
            expandSharp(static_cast<const uint16_t*>(pixels), pitch, static_cast<uint32_t*>(locked),
                        lockedPitch, 1, span);
            SDL_UnlockTexture(texture);
        }
    }
    int w = 0;
    int h = 0;
    const PictureFit fit = windowFit(w, h);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    const SDL_Rect area{fit.x, fit.y, fit.width, fit.height};
    SDL_RenderCopy(renderer, texture, nullptr, &area);
    SDL_RenderPresent(renderer);
    textureEmpty = false;

    const uint64_t now = SDL_GetPerformanceCounter();
    const double interval = double(now - lastPresentCount) / double(SDL_GetPerformanceFrequency());
    lastPresentCount = now;
    unwaitedFrames = interval < refreshPeriod / 2 ? unwaitedFrames + 1 : 0;
    if (unwaitedFrames > unwaitedFramesAllowed) {
        rendererWaits = false;
    }
    if (!rendererWaits) {
        pace();
    }
    return true;
}

bool fastSurfaceFormat(const SDL_PixelFormat* f)
{
    return f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0x00FF00 && f->Bmask == 0x0000FF;
}

uint32_t* pixelAt(SDL_Surface* s, int x, int y)
{
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + std::ptrdiff_t(y) * s->pitch) + x;
}

// Writes the span into the surface; returns the window area it covered.
SDL_Rect drawSpan(SDL_Surface* s, const PictureFit& fit, const void* pixels, int pitch, const Rect& span)
{
    const auto* picture = static_cast<const uint16_t*>(pixels);
    if (!fastSurfaceFormat(s->format)) {
        // An unusual desktop format: SDL converts (and scales) the picture; at
        // a whole-number size only the span, else all of it.
        if (wrapped && (wrapped->pixels != pixels || wrapped->pitch != pitch)) {
            SDL_FreeSurface(wrapped);
            wrapped = nullptr;
        }
        if (!wrapped) {
            wrapped = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<void*>(pixels), pictureWidth,
                                                         pictureHeight, 16, pitch, displayPixelFormat);
        }
        const int scale = fit.width / pictureWidth;
        SDL_Rect from{0, 0, pictureWidth, pictureHeight};
        SDL_Rect area{fit.x, fit.y, fit.width, fit.height};
        if (fit.sharp) {
            from = SDL_Rect{span.left, span.top, span.right - span.left, span.bottom - span.top};
            area =
                SDL_Rect{fit.x + span.left * scale, fit.y + span.top * scale, from.w * scale, from.h * scale};
        }
        const SDL_Rect covered = area;
        if (wrapped) {
            // SDL refuses to blit into a locked surface (a browser's canvas
            // comes this way: its bytes are red first).
            SDL_UnlockSurface(s);
            SDL_BlitScaled(wrapped, &from, s, &area);
            SDL_LockSurface(s);
        }
        return covered;
    }
    if (fit.sharp) {
        const int scale = fit.width / pictureWidth;
        expandSharp(picture, pitch, pixelAt(s, fit.x + span.left * scale, fit.y + span.top * scale), s->pitch,
                    scale, span);
        return SDL_Rect{fit.x + span.left * scale, fit.y + span.top * scale, (span.right - span.left) * scale,
                        (span.bottom - span.top) * scale};
    }
    if (expanded.empty()) {
        expanded.resize(size_t(pictureWidth) * pictureHeight);
        expandSharp(picture, pitch, expanded.data(), pictureWidth * 4, 1,
                    Rect{0, 0, pictureWidth, pictureHeight});
    } else {
        expandSharp(picture, pitch, expanded.data() + std::ptrdiff_t(span.top) * pictureWidth + span.left,
                    pictureWidth * 4, 1, span);
    }
    const Rect out = expandSmooth(expanded.data(), pixelAt(s, fit.x, fit.y), s->pitch, fit, span);
    return SDL_Rect{fit.x + out.left, fit.y + out.top, out.right - out.left, out.bottom - out.top};
}

bool presentThroughSurface(const void* pixels, int pitch)
{
    SDL_Surface* s = SDL_GetWindowSurface(target);
    if (!s) {
        return false;
    }
    // A new surface (after a resize) holds nothing yet.
    if (s != lastSurface) {
        lastSurface = s;
        redrawAll = true;
    }
    Rect span;
    const bool all = redrawAll;
    if (!takeUpdate(pixels, pitch, all, span)) {
        pace();
        return true;
    }
    const PictureFit fit = fitPicture(s->w, s->h);
    if (fit.sharp) {
        expanded.clear();
    }
    SDL_LockSurface(s);
    if (all) {
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
    }
    const SDL_Rect area = drawSpan(s, fit, pixels, pitch, span);
    SDL_UnlockSurface(s);
    if (all) {
        SDL_UpdateWindowSurface(target);
    } else {
        SDL_UpdateWindowSurfaceRects(target, &area, 1);
    }
    redrawAll = false;
    pace();
    return true;
}

// How pictures reach the screen: the window's own surface, or a renderer that
// is kept only when it runs on a GPU and waits for the display, unless forced.
enum class PresentChoice { surface, renderer, forcedRenderer };

PresentChoice choosePresentPath()
{
    const char* forced = std::getenv("PLUMBRIX_PRESENT");
    if (forced && std::strcmp(forced, "surface") == 0) {
        return PresentChoice::surface;
    }
    if (forced && std::strcmp(forced, "renderer") == 0) {
        return PresentChoice::forcedRenderer;
    }
    const char* softwareOnly = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (!realDesktop() || (softwareOnly && *softwareOnly && *softwareOnly != '0')) {
        return PresentChoice::surface;
    }
    // Without a GPU device node any OpenGL would be a software rasteriser.
    return anyGpuDevice() ? PresentChoice::renderer : PresentChoice::surface;
}
}  // namespace

bool openPresenter(SDL_Window* window)
{
    if (target) {
        return true;
    }
    const PresentChoice choice = choosePresentPath();
    target = window;
    redrawAll = true;
    textureEmpty = true;
    outputKnown = false;
    refreshPeriod = displayPeriod();
    if (choice == PresentChoice::surface || !openRenderer(choice == PresentChoice::forcedRenderer)) {
        pathName = "window surface";
        if (!SDL_GetWindowSurface(target)) {
            target = nullptr;
            return false;
        }
    }
    // Said once, for whoever looks into a slow or odd-looking window; a
    // scripted run has nothing to choose.
    if (!inputSimulated()) {
        std::fprintf(stderr, "Presenting through the %s\n", pathName.c_str());
    }
    return true;
}

void closePresenter()
{
    closeRenderer();
    target = nullptr;
    lastSurface = nullptr;
    outputKnown = false;
    if (wrapped) {
        SDL_FreeSurface(wrapped);
        wrapped = nullptr;
    }
    shown.clear();
    expanded.clear();
    resetFramePacer();
}

void redrawWholeWindow()
{
    redrawAll = true;
}

void displayChanged()
{
    if (target) {
        refreshPeriod = displayPeriod();
    }
}

void rendererReset()
{
    redrawWholeWindow();
    textureEmpty = true;
}

PictureFit windowFit(int& width, int& height)
{
    width = pictureWidth;
    height = pictureHeight;
    if (renderer) {
        SDL_GetRendererOutputSize(renderer, &width, &height);
    } else if (target) {
        SDL_GetWindowSizeInPixels(target, &width, &height);
    }
    if (!outputKnown || width != outputWidth || height != outputHeight) {
        outputWidth = width;
        outputHeight = height;
        outputFit = fitPicture(width, height);
        if (texture) {
            SDL_SetTextureScaleMode(texture, outputFit.sharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        }
        outputKnown = true;
    }
    return outputFit;
}

bool presentPicture(const void* pixels, int pitch)
{
    if (!target) {
        return false;
    }
    revealWindow();
    return renderer ? presentThroughRenderer(pixels, pitch) : presentThroughSurface(pixels, pitch);
}

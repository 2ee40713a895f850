// The SDL window, its renderer and the streaming texture the picture goes
// through, the event source (real or scripted) and the pointer.
#include "platform/window.h"

#include <SDL.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include <unistd.h>

#include "platform/internal.h"

namespace {
constexpr int pictureWidth = 640;
constexpr int pictureHeight = 480;

SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
bool isFullscreen = false;

bool simulatedInput = false;
std::deque<PlatformEvent> injected;
int simulatedX = 0;
int simulatedY = 0;
bool simulatedInside = false;
bool cursorShown = true;

void destroyRenderer()
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

bool createRenderer()
{
    destroyRenderer();
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!renderer) {
        return false;
    }
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, pictureWidth,
                                pictureHeight);
    return texture != nullptr;
}

// Where the picture lies inside the window's drawable area.
SDL_Rect pictureViewport()
{
    int w = pictureWidth;
    int h = pictureHeight;
    if (renderer) {
        SDL_GetRendererOutputSize(renderer, &w, &h);
    }
    if (!isFullscreen || w <= 0 || h <= 0) {
        return SDL_Rect{0, 0, pictureWidth, pictureHeight};
    }
    // Scale to fit with the aspect kept; the rest stays black.
    if (w * pictureHeight > h * pictureWidth) {
        const int scaledW = h * pictureWidth / pictureHeight;
        return SDL_Rect{(w - scaledW) / 2, 0, scaledW, h};
    }
    const int scaledH = w * pictureHeight / pictureWidth;
    return SDL_Rect{0, (h - scaledH) / 2, w, scaledH};
}

bool translate(const SDL_Event& e, PlatformEvent& out)
{
    switch (e.type) {
    case SDL_QUIT:
        out = {EventType::quit, 0};
        return true;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED:
            out = {EventType::activate, 0};
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            out = {EventType::deactivate, 0};
            return true;
        case SDL_WINDOWEVENT_EXPOSED:
            out = {EventType::expose, 0};
            return true;
        case SDL_WINDOWEVENT_CLOSE:
            out = {EventType::quit, 0};
            return true;
        default:
            return false;
        }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT) {
            return false;
        }
        out = {e.type == SDL_MOUSEBUTTONDOWN ? EventType::buttonDown : EventType::buttonUp, 0};
        return true;
    case SDL_TEXTINPUT:
        // Only printable ASCII reaches the game; longer UTF-8 input is dropped.
        if (e.text.text[0] >= 32 && e.text.text[0] <= 126 && e.text.text[1] == 0) {
            out = {EventType::character, e.text.text[0]};
            return true;
        }
        return false;
    case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
        case SDLK_BACKSPACE:
            out = {EventType::character, 8};
            return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            out = {EventType::keyReturn, 0};
            return true;
        case SDLK_PAUSE:
            if (e.key.repeat) {
                return false;
            }
            out = {EventType::keyPause, 0};
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}
}  // namespace

bool platformInit()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        return false;
    }
    if (!simulatedInput) {
        recorderStart();
    }
    return true;
}

void platformShutdown()
{
    recorderStop();
    platformDestroyWindow();
    SDL_Quit();
}

bool platformCreateWindow(const char* caption)
{
    // Created hidden and empty; the first mode switch gives it its size.
    window = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pictureWidth,
                              pictureHeight, SDL_WINDOW_HIDDEN);
    if (!window) {
        return false;
    }
    SDL_StartTextInput();
    return true;
}

void platformDestroyWindow()
{
    destroyRenderer();
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
}

bool platformSetWindowMode(bool fullscreen)
{
    if (!window) {
        return false;
    }
    const bool wasHidden = (SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN) != 0;
    isFullscreen = fullscreen;
    if (!applyWindowMode(window, fullscreen, pictureWidth, pictureHeight)) {
        return false;
    }
    if (!createRenderer()) {
        return false;
    }
    if (wasHidden) {
        SDL_ShowWindow(window);
        // The system hands the foreground to a window it has just shown.
        injected.push_back({EventType::activate, 0});
    }
    return true;
}

bool platformPollEvent(PlatformEvent& event)
{
    auto takeInjected = [&event]() {
        if (injected.empty()) {
            return false;
        }
        event = injected.front();
        injected.pop_front();
        return true;
    };
    // A replay delivers the platform's own events before the recorded ones.
    if (recorderPoll() && takeInjected()) {
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (simulatedInput) {
            continue;
        }
        if (translate(e, event)) {
            recorderEvent(event);
            return true;
        }
    }
    return takeInjected();
}

void platformWaitEvent()
{
    if (!simulatedInput && injected.empty()) {
        SDL_WaitEvent(nullptr);
    }
    recorderWaited();
}

void platformPointer(int& x, int& y, bool& outside)
{
    if (simulatedInput) {
        x = simulatedX;
        y = simulatedY;
        outside = !simulatedInside || x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight;
        return;
    }
    int wx = 0;
    int wy = 0;
    SDL_GetMouseState(&wx, &wy);
    // Window coordinates to picture coordinates (they differ only in full screen
    // and on displays whose drawable size differs from the window size).
    int winW = pictureWidth;
    int winH = pictureHeight;
    int outW = pictureWidth;
    int outH = pictureHeight;
    if (window && renderer) {
        SDL_GetWindowSize(window, &winW, &winH);
        SDL_GetRendererOutputSize(renderer, &outW, &outH);
    }
    const double px = winW > 0 ? double(wx) * outW / winW : wx;
    const double py = winH > 0 ? double(wy) * outH / winH : wy;
    const SDL_Rect v = pictureViewport();
    x = v.w > 0 ? int((px - v.x) * pictureWidth / v.w) : 0;
    y = v.h > 0 ? int((py - v.y) * pictureHeight / v.h) : 0;
    if (px < v.x) {
        x = -1;
    }
    if (py < v.y) {
        y = -1;
    }
    const bool focused = window && SDL_GetMouseFocus() == window;
    outside = !focused || x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight;
    recorderPointer(x, y, outside);
}

void platformShowSystemCursor(bool show)
{
    if (show != cursorShown) {
        cursorShown = show;
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    }
}

int platformDesktopDepth()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return 32;
    }
    const int bits = SDL_BITSPERPIXEL(mode.format);
    return bits == 24 ? 32 : bits;
}

int platformDesktopWidth()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return pictureWidth;
    }
    return mode.w;
}

// In a browser these two belong to the page (web_page.cpp).
#ifndef __EMSCRIPTEN__
void platformMessageBox(const char* caption, const char* text, bool warning)
{
    const Uint32 flags = warning ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_ERROR;
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool canShow = driver && std::string(driver) != "dummy" && std::string(driver) != "offscreen";
    if (!canShow || SDL_ShowSimpleMessageBox(flags, caption, text, window) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
}

void platformOpenFile(const char* relativePath)
{
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) {
        return;
    }
    const std::string url = std::string("file://") + cwd + "/" + relativePath;
    SDL_OpenURL(url.c_str());
}
#endif

void platformSimulateInput()
{
    simulatedInput = true;
}

void platformInjectEvent(const PlatformEvent& event)
{
    injected.push_back(event);
}

void platformSetSimulatedPointer(int x, int y, bool inside)
{
    simulatedX = x;
    simulatedY = y;
    simulatedInside = inside;
}

// Presents a finished 640x480 RGB565 picture.
bool presentPicture(const void* pixels, int pitch)
{
    if (!renderer || !texture) {
        return false;
    }
    SDL_UpdateTexture(texture, nullptr, pixels, pitch);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    const SDL_Rect v = pictureViewport();
    SDL_RenderCopy(renderer, texture, nullptr, &v);
    SDL_RenderPresent(renderer);
    return true;
}

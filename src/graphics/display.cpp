// The display device and its surfaces. The picture is always composed in 16
// bits and handed to the window by the platform layer.
#include "graphics/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/error.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "platform/clock.h"
#include "platform/picture_fit.h"
#include "platform/surface.h"
#include "platform/window.h"

// The game composes the very picture the platform fits into the window.
static_assert(layout::screenW == pictureWidth && layout::screenH == pictureHeight,
              "the game's screen and the platform's picture are one size");

Sprite* backBuffer = nullptr;
namespace {
// The frame-rate readout, of which one pixel reaches the picture.
Sprite* fpsSprite = nullptr;
bool displayDevice = false;

struct ChannelFormat {
    int shift = 0;
    int loss = 8;
};
ChannelFormat redFormat;
ChannelFormat greenFormat;
ChannelFormat blueFormat;

int framesCounted = 0;
uint32_t lastFpsTime = 0;
double fps = 0;

ChannelFormat channelOf(uint32_t mask)
{
    ChannelFormat f;
    if (mask == 0) {
        return f;
    }
    while (!(mask >> f.shift & 1)) {
        ++f.shift;
    }
    int bits = 0;
    for (uint32_t m = mask; m; m >>= 1) {
        bits += int(m & 1);
    }
    f.loss = 8 - bits;
    return f;
}
}  // namespace

Sprite::Sprite() = default;

Sprite::Sprite(int w, int h, bool keyed)
{
    createSurface(w, h, keyed);
}

Sprite::Sprite(const char* name, bool keyed)
{
    char lower[260] = {};
    std::snprintf(lower, sizeof lower, "%s", name);
    for (char& c : lower) {
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    isJpeg = std::strstr(lower, ".jpg") != nullptr;
    loadSprite(name, keyed);
}

Sprite::~Sprite()
{
    freeImageData();
    releaseSurface();
}

bool Sprite::createSurface(int w, int h, bool keyed)
{
    width = w;
    height = h;
    colourKeyed = keyed;
    if (!displayDevice || windowDestroyed) {
        return false;
    }
    releaseSurface();
    surface = platformCreateSurface(w, h);
    if (!surface) {
        // System memory is the only memory here, so the fallback fails as well.
        logDiagnostic("Error VIDEO\n");
        logDiagnostic("Error CreateSurface\n");
        showError("CreateSurface");
        return false;
    }
    if (keyed) {
        setColourKey(255, 0, 255);
    }
    return true;
}

void Sprite::setColourKey(int red, int green, int blue)
{
    colourKey = toDisplayColour(red, green, blue);
    platformSetColourKey(surface, colourKey);
}

void Sprite::releaseSurface()
{
    platformFreeSurface(surface);
    surface = nullptr;
}

void deleteSprite(Sprite*& sprite)
{
    delete sprite;
    sprite = nullptr;
}

bool createDisplayDevice()
{
    displayDevice = true;
    backBuffer = new Sprite;
    return true;
}

bool setUpDisplay(bool wantFullscreen)
{
    fullscreen = wantFullscreen;
    if (!displayDevice || windowDestroyed) {
        return false;
    }
    backBuffer->releaseSurface();
    deleteSprite(fpsSprite);
    if (!platformSetWindowMode(wantFullscreen)) {
        logDiagnostic(wantFullscreen ? "Error SetDisplayMode\n" : "Error CreateSurface g_lpDVKQPrimary\n");
        return false;
    }
    // The game always sees its 640x480 picture, whatever the window shows.
    clientRect = Rect{0, 0, layout::screenW, layout::screenH};
    backBuffer->createSurface(layout::screenW, layout::screenH, false);
    fpsSprite = new Sprite(70, 16, false);
    analysePixelFormat();
    return true;
}

void releaseDisplay()
{
    deleteSprite(fpsSprite);
    deleteSprite(backBuffer);
    displayDevice = false;
}

void present()
{
    if (!backBuffer || !backBuffer->surface) {
        return;
    }
    platformPresent(backBuffer->surface);
}

void analyseMasks(uint32_t redMask, uint32_t greenMask, uint32_t blueMask)
{
    redFormat = channelOf(redMask);
    greenFormat = channelOf(greenMask);
    blueFormat = channelOf(blueMask);
}

void analysePixelFormat()
{
    uint32_t r = 0;
    uint32_t g = 0;
    uint32_t b = 0;
    int bits = 0;
    platformPixelFormat(r, g, b, bits);
    if (bits <= 8) {
        return;
    }
    analyseMasks(r, g, b);
}

uint32_t toDisplayColour(int red, int green, int blue)
{
    return (uint32_t(red) >> redFormat.loss << redFormat.shift) |
           (uint32_t(green) >> greenFormat.loss << greenFormat.shift) |
           (uint32_t(blue) >> blueFormat.loss << blueFormat.shift);
}

void drawFpsReadout()
{
    const uint32_t now = platformTicks();
    const uint32_t elapsed = now - lastFpsTime;
    if (elapsed > 1000) {
        fps = framesCounted * 1000.0 / elapsed;
        lastFpsTime = now;
        framesCounted = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "FPS=%.4g", fps);
    ++framesCounted;
    if (!fpsSprite || !backBuffer) {
        return;
    }
    platformDrawDebugText(fpsSprite->surface, 0, 0, text);
    // One pixel reaches the back buffer, and every screen's background covers it.
    fpsSprite->drawTo(backBuffer, 0, 0, 0, 0, 1, 1);
}

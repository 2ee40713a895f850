// The title screen with its animated start button, and the transition that
// lets the old screen fall away in 40x40 tiles over the new one.
#include "game/title.h"

#include <cstdlib>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/game_screen.h"
#include "game/hover.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"

namespace {
float titleClock = 0;
float transitionClock = 0;
struct Tile {
    float x;
    float y;
    float offset;
    int threshold;
};

const Rect titleButton{173, 422, 467, 463};
Tile tiles[16 * 12];
}  // namespace

void drawTitle()
{
    if (currentScreen == screenTitle && titleSprite) {
        titleSprite->drawTo(backBuffer, 0, 0, 0, 0, 640, 480);
    }
}

void hoverTitle(int x, int y, float dt)
{
    if (currentScreen != screenTitle || !fontSprite) {
        return;
    }
    if (pointInRect(titleButton, x, y)) {
        hoverSound(0);
        fontSprite->drawTo(backBuffer, 161, 406, 0, 103, 320, 168);
        return;
    }
    // Two frames alternate every 0.2 s; the clock can rest on 2 for a frame,
    // which the artwork covers with a third copy of the first frame.
    titleClock += 5 * dt;
    if (titleClock > 2) {
        titleClock = 0;
    }
    const int f = int(titleClock);
    fontSprite->drawTo(backBuffer, 161, 406, 320 * f, 38, 320 * f + 320, 103);
    hoverLatch = 0;
}

bool clickTitle(int x, int y)
{
    if (currentScreen != screenTitle || !pointInRect(titleButton, x, y)) {
        return false;
    }
    switchScreen(screenMainMenu, withClick | withMenuReset | withTransition);
    return true;
}

void captureTransition()
{
    if (!transitionRequest) {
        return;
    }
    transitionRequest = 0;
    // The back buffer still shows the old screen: the click that asked for the
    // change came after this frame's drawing.
    if (backBuffer && snapshotSprite) {
        backBuffer->drawTo(snapshotSprite, 0, 0, 0, 0, 640, 480);
    }
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 12; ++j) {
            Tile& t = tiles[i * 12 + j];
            t.x = float(40 * i);
            t.y = float(40 * j);
            t.offset = 0;
            t.threshold = 390 - 30 * j + std::rand() % 25;
        }
    }
    transitionActive = 1;
}

void stepTransition(float dt)
{
    if (!transitionActive) {
        return;
    }
    transitionClock += 400 * dt;
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 12; ++j) {
            Tile& t = tiles[i * 12 + j];
            if (float(t.threshold) <= transitionClock) {
                t.offset += 600 * dt;
            }
            if (snapshotSprite) {
                snapshotSprite->drawClippedTo(backBuffer, int(t.x), int(t.y) + int(t.offset), 40 * i, 40 * j,
                                              40 * i + 40, 40 * j + 40);
            }
            // The rest of this frame's tiles are still drawn after the end.
            if (tiles[0].offset > 500) {
                transitionActive = 0;
                transitionClock = 0;
            }
        }
    }
}

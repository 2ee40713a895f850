// The title screen with its animated start button, and the transition that
// lets the old screen fall away in 40x40 tiles over the new one.
#include "game/title.h"

#include <cstdlib>

#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/focus.h"
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

// The old screen falls away in square tiles that cover it exactly.
constexpr int tileSize = 40;
constexpr int tileColumns = layout::screenW / tileSize;
constexpr int tileRows = layout::screenH / tileSize;
Tile tiles[tileColumns * tileRows];
}  // namespace

void drawTitle()
{
    if (currentScreen == screenTitle && titleSprite) {
        titleSprite->drawTo(backBuffer, 0, 0, layout::screenArea);
    }
}

void hoverTitle(int x, int y, float dt)
{
    if (currentScreen != screenTitle || !fontSprite) {
        return;
    }
    const layout::Point at = layout::titleButtonAt;
    if (layout::titleHit.contains(x, y)) {
        hoverSound(soundHover);
        fontSprite->drawTo(backBuffer, at, layout::titleLit);
        return;
    }
    // Two frames alternate every 0.2 s; the clock can rest on 2 for a frame,
    // which the artwork covers with a third copy of the first frame.
    titleClock += 5 * dt;
    if (titleClock > 2) {
        titleClock = 0;
    }
    const int left = layout::titleButtonW * int(titleClock);
    fontSprite->drawTo(backBuffer, at,
                       {left, layout::titleFramesY, left + layout::titleButtonW,
                        layout::titleFramesY + layout::titleButtonH});
    hoverLatch = 0;
}

bool clickTitle(int x, int y)
{
    if (currentScreen != screenTitle || !layout::titleHit.contains(x, y)) {
        return false;
    }
    switchScreen(screenMainMenu, withClick | withMenuReset | withTransition);
    return true;
}

bool focusTitle(int& x, int& y)
{
    if (currentScreen != screenTitle) {
        return false;
    }
    centreOf(layout::titleHit, x, y);
    return true;
}

bool actTitle(Action action)
{
    int x = 0;
    int y = 0;
    return action == Action::press && focusTitle(x, y) && clickTitle(x, y);
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
        backBuffer->drawTo(snapshotSprite, 0, 0, layout::screenArea);
    }
    for (int i = 0; i < tileColumns; ++i) {
        for (int j = 0; j < tileRows; ++j) {
            Tile& t = tiles[i * tileRows + j];
            t.x = float(tileSize * i);
            t.y = float(tileSize * j);
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
    for (int i = 0; i < tileColumns; ++i) {
        for (int j = 0; j < tileRows; ++j) {
            Tile& t = tiles[i * tileRows + j];
            if (float(t.threshold) <= transitionClock) {
                t.offset += 600 * dt;
            }
            if (snapshotSprite) {
                snapshotSprite->drawClippedTo(backBuffer, int(t.x), int(t.y) + int(t.offset), tileSize * i,
                                              tileSize * j, tileSize * i + tileSize, tileSize * j + tileSize);
            }
            // The rest of this frame's tiles are still drawn after the end.
            if (tiles[0].offset > 500) {
                transitionActive = 0;
                transitionClock = 0;
            }
        }
    }
}

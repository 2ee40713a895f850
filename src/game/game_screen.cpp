// The game screen: its artwork, the backdrop with the menu button, the pan
// (hint button), the blinking figure and the mixer, the board drawing, the
// flying pieces, hover and click, and the game's own pointer.
#include "game/game_screen.h"

#include <cstdlib>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/banner.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/hints.h"
#include "game/hover.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "platform/clock.h"

Sprite* snapshotSprite = nullptr;

uint8_t menuHover = 0;
uint8_t panHover = 0;
float mixerClock = 0;

namespace {
const Rect menuButton{9, 376, 117, 473};
bool panRegion = false;
float panClock = 0;
uint8_t panDone = 0;
float blinkClock = 0;
float blinkTime = 0;
uint8_t blinkOn = 0;

void drawPan(float dt)
{
    if (panHover == 0 && panClock == 0) {
        panDone = 0;
        return;
    }
    // The pan plays its frames once per visit of the pointer, then rests as
    // the background paints it.
    if (panDone == 0) {
        panClock += 7 * dt;
        if (panClock > 3) {
            panDone = 1;
            panClock = 0;
        }
        const int f = int(panClock);
        panSprite->drawTo(backBuffer, 5, 24, 0, 155 * f, 95, 155 * f + 155);
    }
}

void drawBlink(float dt)
{
    // Once a second, with even odds, the figure blinks for 0.3 s.
    blinkClock += dt;
    if (blinkClock > 1) {
        if (std::rand() % 2 != 0) {
            blinkOn = 1;
        }
        blinkClock = 0;
    }
    if (blinkOn) {
        blinkTime += dt;
        if (blinkTime > 0.3f) {
            blinkOn = 0;
            blinkTime = 0;
        }
        blinkSprite->drawTo(backBuffer, 112, 200, 0, 0, 77, 28);
    }
}

void drawMixer(float dt)
{
    if (noFlyers && mixerClock == 0) {
        return;
    }
    if (mixerRequest) {
        mixerClock += 10 * dt;
        playSound(7);
        if (mixerClock > 11) {
            mixerRequest = 0;
            mixerClock = 0;
            noFlyers = 1;
        }
    }
    const int f = int(mixerClock);
    mixerSprite->drawTo(backBuffer, 36, 278, 0, 109 * f, 109, 109 * f + 109);
}

void drawCellPiece(const Cell& cell, bool withFrame)
{
    drawPiece(int(cell.x), int(cell.y), cell.kind, int(cell.frame));
    if (withFrame && cell.highlighted && cell.kind <= 7) {
        easyFoodSprite->drawTo(backBuffer, int(cell.x), int(cell.y), 400, 0, 450, 50);
    }
}

bool boardIdleForButtons()
{
    return currentScreen == screenGame && boardFull() && !dropIn && !flyOutRunning &&
           gamePhase == phasePlay && !endOfGameFlag;
}
}  // namespace

bool loadGameArtwork()
{
    snapshotSprite = windowDestroyed ? nullptr : new Sprite(640, 480, false);
    if (snapshotSprite) {
        snapshotSprite->setClipRect(0, 0, 640, 480);
    }
    return !windowDestroyed;
}

void freeGameArtwork()
{
    deleteSprite(snapshotSprite);
}

void createPanRegion()
{
    panRegion = true;
}

void deletePanRegion()
{
    panRegion = false;
}

bool inPanRegion(int x, int y)
{
    if (!panRegion) {
        return false;
    }
    // The ellipse inscribed in (14, 100)-(91, 175), tested at pixel centres.
    const double dx = (x + 0.5 - 52.5) / 38.5;
    const double dy = (y + 0.5 - 137.5) / 37.5;
    return dx * dx + dy * dy <= 1.0;
}

void drawPiece(int x, int y, int kind, int frame)
{
    if (kind < 0 || kind > 7 || !piecesSprite || !easyFoodSprite) {
        return;
    }
    // The kind's coloured tile goes under the piece when that option is on.
    if (easyFood) {
        easyFoodSprite->drawClippedTo(backBuffer, x, y, 50 * kind, 0, 50 * kind + 50, 50);
    }
    piecesSprite->drawClippedTo(backBuffer, x, y, 50 * kind, 50 * frame, 50 * kind + 50, 50 * frame + 50);
}

void drawGameBackdrop(float dt)
{
    if (currentScreen != screenGame || windowDestroyed) {
        return;
    }
    backgroundSprite->drawTo(backBuffer, 0, 0, 0, 0, 640, 480);
    if (menuTextSprite) {
        menuTextSprite->drawTo(backBuffer, 295, 449, 179, 292, 276, 323);
        if (menuHover) {
            menuTextSprite->drawTo(backBuffer, 13, 379, 179, 212, 264, 291);
        }
    }
    drawPan(dt);
    drawBlink(dt);
    drawMixer(dt);
}

void updateBoard(float dt)
{
    if (currentScreen != screenGame || windowDestroyed) {
        return;
    }
    if (!updateDropIn(dt) || !updateFlyOut(dt) || dropIn || flyOutRunning) {
        return;
    }
    swapStep(dt);
    fallStep(dt);
    hintStep(dt);
    if (paused) {
        // The pieces hide behind the pause sign, but the moves under way go on.
        bannerSprite->drawClippedTo(backBuffer, 286, 170, 0, 61, 300, 122);
        return;
    }
    for (Cell& cell : board) {
        if (cell.kind == emptyKind) {
            continue;
        }
        advanceFrames(cell, dt);
        drawCellPiece(cell, true);
    }
    for (const Cell& spawn : spawnCells) {
        if (spawn.kind != emptyKind) {
            drawCellPiece(spawn, false);
        }
    }
    updateBanner(gamePhase, dt);
    if (flyersLaunched) {
        playSound(2);
        flyersLaunched = 0;
    }
    updateFlyers(dt);
}

void gameHover(int x, int y)
{
    if (!boardIdleForButtons()) {
        return;
    }
    const bool onMenu = pointInRect(menuButton, x, y);
    if (onMenu) {
        hoverSound(0);
        menuHover = 1;
    } else {
        menuHover = 0;
    }
    const bool onPan = inPanRegion(x, y);
    if (onPan) {
        hoverSound(0);
        panHover = 1;
    } else {
        panClock = 0;
        panHover = 0;
    }
    if (!onMenu && !onPan) {
        hoverLatch = 0;
    }
    boardDrag(x, y);
}

bool gameClick(int x, int y)
{
    if (!boardIdleForButtons() || hintActive) {
        return false;
    }
    pressX = x;
    pressY = y;
    if (pointInRect(menuButton, x, y)) {
        // The game keeps every value and can be resumed from the menu.
        noFlyers = 1;
        menuHover = 0;
        switchScreen(screenMainMenu, withClick | withMenuReset | withTransition);
        std::srand(platformTicks());
        playTrack(0);
        return true;
    }
    if (inPanRegion(x, y) && !targetSwapping()) {
        useHint();
        return true;
    }
    return boardClick(x, y);
}

void drawCursor(int x, int y)
{
    if (systemCursor == 0 && cursorOutside == 0 && cursorSprite) {
        cursorSprite->drawClippedTo(backBuffer, x, y, 0, 0, 30, 30);
    }
}

// The game screen: its artwork, the backdrop with the menu button, the pan
// (hint button), the blinking figure and the mixer, the board drawing, the
// flying pieces, hover and click, and the game's own pointer.
#include "game/game_screen.h"

#include <cstdlib>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/banner.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/board_cursor.h"
#include "game/flyers.h"
#include "game/focus.h"
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
        if (panClock > layout::panFrames - 1) {
            panDone = 1;
            panClock = 0;
        }
        const int f = int(panClock);
        panSprite->drawTo(backBuffer, layout::panAt,
                          {0, layout::panH * f, layout::panW, layout::panH * f + layout::panH});
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
        blinkSprite->drawTo(backBuffer, layout::blinkAt, {0, 0, layout::blinkW, layout::blinkH});
    }
}

void drawMixer(float dt)
{
    if (noFlyers && mixerClock == 0) {
        return;
    }
    if (mixerRequest) {
        mixerClock += 10 * dt;
        playSound(soundMixer);
        if (mixerClock > layout::mixerFrames - 1) {
            mixerRequest = 0;
            mixerClock = 0;
            noFlyers = 1;
        }
    }
    const int f = int(mixerClock);
    const int size = layout::mixerSize;
    mixerSprite->drawTo(backBuffer, layout::mixerAt, {0, size * f, size, size * f + size});
}

void drawCellPiece(const Cell& cell, bool withFrame)
{
    drawPiece(int(cell.x), int(cell.y), cell.kind, int(cell.frame));
    if (withFrame && cell.highlighted && cell.kind < layout::pieceKinds) {
        easyFoodSprite->drawTo(backBuffer, int(cell.x), int(cell.y), layout::selectionFrame);
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
    snapshotSprite = windowDestroyed ? nullptr : new Sprite(layout::screenW, layout::screenH, false);
    if (snapshotSprite) {
        snapshotSprite->setClipRect(layout::screenArea);
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
    // The ellipse inscribed in the pan's hit rectangle, tested at pixel centres.
    const layout::Rect& r = layout::panHit;
    const double dx = (x + 0.5 - (r.l + r.r) / 2.0) / (r.w() / 2.0);
    const double dy = (y + 0.5 - (r.t + r.b) / 2.0) / (r.h() / 2.0);
    return dx * dx + dy * dy <= 1.0;
}

void drawPiece(int x, int y, int kind, int frame)
{
    if (kind < 0 || kind >= layout::pieceKinds || !piecesSprite || !easyFoodSprite) {
        return;
    }
    const int left = cellSize * kind;
    // The kind's coloured tile goes under the piece when that option is on.
    if (easyFood) {
        easyFoodSprite->drawClippedTo(backBuffer, x, y, left, 0, left + cellSize, cellSize);
    }
    piecesSprite->drawClippedTo(backBuffer, x, y, left, cellSize * frame, left + cellSize,
                                cellSize * frame + cellSize);
}

void drawGameBackdrop(float dt)
{
    if (currentScreen != screenGame || windowDestroyed) {
        return;
    }
    backgroundSprite->drawTo(backBuffer, 0, 0, layout::screenArea);
    if (menuTextSprite) {
        menuTextSprite->drawTo(backBuffer, layout::levelCaptionAt, layout::levelCaption);
        if (menuHover) {
            menuTextSprite->drawTo(backBuffer, layout::menuButtonLitAt, layout::menuButtonLit);
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
        bannerSprite->drawClippedTo(backBuffer, layout::bannerX, layout::pauseY,
                                    layout::bannerFrame(layout::pauseBanner));
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
        playSound(soundFlyOff);
        flyersLaunched = 0;
    }
    updateFlyers(dt);
}

void gameHover(int x, int y)
{
    if (focusShown()) {
        drawBoardCursor();
    }
    if (!boardIdleForButtons()) {
        return;
    }
    const bool onMenu = layout::menuButtonHit.contains(x, y);
    if (onMenu) {
        hoverSound(soundHover);
        menuHover = 1;
    } else {
        menuHover = 0;
    }
    const bool onPan = inPanRegion(x, y);
    if (onPan) {
        hoverSound(soundHover);
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
    if (layout::menuButtonHit.contains(x, y)) {
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
        cursorSprite->drawClippedTo(backBuffer, x, y, layout::pointerSource);
    }
}

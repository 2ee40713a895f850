// The game screen: its artwork, the backdrop with the menu button, the pan
// (hint button), the blinking figure and the mixer, the board drawing, the
// flying pieces, hover and click, and the game's own pointer.
#include "game/game_screen.h"

#include <cstdlib>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "game/board.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "shell/shell.h"

Sprite* backgroundSprite = nullptr;
Sprite* piecesSprite = nullptr;
Sprite* fontSprite = nullptr;
Sprite* smallDigitsSprite = nullptr;
Sprite* bannerSprite = nullptr;
Sprite* easyFoodSprite = nullptr;
Sprite* cursorSprite = nullptr;
Sprite* titleSprite = nullptr;
Sprite* snapshotSprite = nullptr;
Sprite* blinkSprite = nullptr;
Sprite* panSprite = nullptr;
Sprite* largeDigitsSprite = nullptr;
Sprite* mixerSprite = nullptr;

int hoverLatch = 0;
uint8_t menuHover = 0;
uint8_t panHover = 0;
uint8_t mixerRequest = 0;
float mixerClock = 0;
uint8_t noFlyers = 1;

namespace {
bool panRegion = false;
float panClock = 0;
uint8_t panDone = 0;
float blinkClock = 0;
float blinkTime = 0;
uint8_t blinkOn = 0;

void boardClip(Sprite* sprite)
{
    if (sprite) {
        sprite->setClipRect(layout::boardArea);
    }
}

void screenClip(Sprite* sprite)
{
    if (sprite) {
        sprite->setClipRect(layout::screenArea);
    }
}

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
        panSprite->drawTo(backBuffer, layout::panAt.x, layout::panAt.y, 0, layout::panH * f, layout::panW,
                          layout::panH * f + layout::panH);
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
    mixerSprite->drawTo(backBuffer, layout::mixerAt.x, layout::mixerAt.y, 0, size * f, size, size * f + size);
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
    return currentScreen == screenGame && boardFull() && !dropIn && !flyOutRunning && gamePhase == 1 &&
           !endOfGameFlag;
}
}  // namespace

bool loadGameArtwork()
{
    backgroundSprite = newArtwork("BkGrnd.jpg", false);
    piecesSprite = newArtwork("Figures.bmp", true);
    boardClip(piecesSprite);
    fontSprite = newArtwork("Font.bmp", true);
    smallDigitsSprite = newArtwork("Number.jpg", true);
    bannerSprite = newArtwork("game over.jpg", true);
    boardClip(bannerSprite);
    easyFoodSprite = newArtwork("EasyFood.jpg", true);
    boardClip(easyFoodSprite);
    cursorSprite = newArtwork("Cursor.bmp", true);
    screenClip(cursorSprite);
    titleSprite = newArtwork("GameGo.jpg", false);
    snapshotSprite = windowDestroyed ? nullptr : new Sprite(layout::screenW, layout::screenH, false);
    screenClip(snapshotSprite);
    blinkSprite = newArtwork("MenDown.bmp", true);
    panSprite = newArtwork("skovoroda.bmp", false);
    largeDigitsSprite = newArtwork("level.jpg", false);
    mixerSprite = newArtwork("mixer.bmp", true);
    return true;
}

void freeGameArtwork()
{
    for (Sprite** s : {&backgroundSprite, &piecesSprite, &fontSprite, &smallDigitsSprite, &bannerSprite,
                       &easyFoodSprite, &cursorSprite, &titleSprite, &snapshotSprite, &blinkSprite,
                       &panSprite, &largeDigitsSprite, &mixerSprite}) {
        deleteSprite(*s);
    }
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

void hoverSound(SoundId id)
{
    if (hoverLatch == 0) {
        hoverLatch = 1;
        playSound(id);
    }
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

void updateFlyers(float dt)
{
    noFlyers = 1;
    for (auto it = flyers.begin(); it != flyers.end();) {
        Flyer& f = *it;
        const float shrink = 40 * dt;
        noFlyers = 0;
        const int k = f.kind;
        piecesSprite->drawStretchedTo(backBuffer,
                                      Rect{int(f.x), int(f.y), int(f.x + f.size), int(f.y + f.size)},
                                      Rect{cellSize * k, 0, cellSize * k + cellSize, cellSize});
        f.size -= shrink;
        if (f.size < 5) {
            f.size = 5;
        }
        // speedY is negative on both sides, so the piece heads for the mouth's height.
        const int mouthX = layout::mixerMouth.x;
        const int mouthY = layout::mixerMouth.y;
        if (f.y > mouthY) {
            f.y += f.speedY * dt;
            if (f.y < mouthY) {
                f.y = mouthY;
            }
        } else if (f.y < mouthY) {
            f.y -= f.speedY * dt;
            if (f.y > mouthY) {
                f.y = mouthY;
            }
        }
        if (f.x > mouthX) {
            f.x -= f.speedX * dt;
            if (f.x < mouthX) {
                f.x = mouthX;
            }
        }
        if (f.x == mouthX && f.y == mouthY) {
            mixerRequest = 1;
            it = flyers.erase(it);
        } else {
            ++it;
        }
    }
}

void gameHover(int x, int y)
{
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
        menuHighlight = noMenuHighlight;
        noFlyers = 1;
        playSound(soundClick);
        currentScreen = screenMainMenu;
        menuHover = 0;
        transitionRequest = 1;
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

// The score counter, the level bar with the timed drain and its warning tick,
// the level digits, and the level-complete test, every frame on the board.
#include "game/hud.h"

#include <algorithm>
#include <cmath>

#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/scoring.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/text.h"

uint8_t barRising = 0;
float barHoldTime = 0;
float tickTime = 0;
uint8_t levelDoneFrames = 0;
uint8_t lastLevelFrames = 0;

namespace {
void rollScore(float dt)
{
    const int s = int(shownScore);
    if (float(std::abs(double(s) - score)) >= 30 * dt) {
        if (score > s) {
            // A slow frame's step would carry the counter past the score.
            shownScore = std::min(shownScore + 100 * dt, float(score));
        }
        if (score < s) {
            shownScore -= 30 * dt;
            // A hint can push the score below zero; it never stays there.
            if (shownScore <= 0) {
                shownScore = 0;
                score = 0;
            }
        }
    } else {
        shownScore = score >= 0 ? float(score) : 0;
    }
}

// Moves the shown bar toward the bar; false while it still moves.
bool barSettled(float dt)
{
    const int a = int(shownBar);
    const int b = int(bar);
    if (a != b) {
        if (shownBar < bar) {
            shownBar += 50 * dt;
            barRising = 1;
            if (shownBar > bar) {
                shownBar = bar;
            }
        } else {
            shownBar -= 100 * dt;
        }
        return false;
    }
    // An untimed bar keeps gains below one until they add up to what the
    // display can show; a timed one shows nothing below one and is empty.
    if (b <= 0 && (gameMode == modeTimed || bar <= 0)) {
        // Time is up on every frame the empty bar is seen, until the banner ends.
        if (gameMode == modeTimed && bar <= 0) {
            playSound(soundNoMoves);
            gamePhase = phaseTimeUp;
        }
        shownBar = 0;
        bar = 0;
    }
    return true;
}

void drain(float dt)
{
    if (gameMode != modeTimed || dropIn || flyOutRunning || gamePhase == phaseTimedNoMove || paused ||
        transitionActive) {
        return;
    }
    // After a rise the bar holds for half a second before it drains again.
    if (barRising) {
        barHoldTime += dt;
        if (barHoldTime > 0.5f) {
            barHoldTime = 0;
            barRising = 0;
        }
        return;
    }
    bar -= float(level) * dt * 0.2f;
    if (bar < 0) {
        bar = 0;
    }
    shownBar = bar;
}

void warningTick(float dt)
{
    if (gameMode == modeTimed && !paused && shownBar > 0 && shownBar < 10) {
        tickTime += dt;
        if (tickTime > 1) {
            playSound(soundTimeTick);
            tickTime = 0;
        }
    }
}

void drawBar()
{
    if (shownBar < 0) {
        shownBar = 0;
    }
    if (shownBar > fullBar) {
        shownBar = fullBar;
    }
    // The background paints the full bar; this covers its empty top part.
    if (activeOptionSprite) {
        layout::Rect cover = layout::barCover;
        cover.b -= int(shownBar);
        activeOptionSprite->drawTo(backBuffer, layout::barAt, cover);
    }
}

void levelCompleteTest()
{
    if (shownBar < fullBar || !boardFull()) {
        return;
    }
    levelDoneFrames += 1;
    clearHighlights();
    if (level == lastLevel) {
        // Only the last level's full bars count here: counting every level's
        // had passed the first long before a game played from level 1 got here.
        lastLevelFrames += 1;
        if (lastLevelFrames == 1) {
            endOfGameFlag = 1;
            playSound(soundLevelComplete);
        }
    } else {
        if (levelDoneFrames == 1) {
            playSound(soundLevelComplete);
        }
        gamePhase = phaseLevelDone;
    }
    if (lastLevelFrames > 4) {
        lastLevelFrames = 4;
    }
    if (levelDoneFrames > 2) {
        levelDoneFrames = 2;
    }
}
}  // namespace

void updateHud(float dt)
{
    if (currentScreen != screenGame) {
        return;
    }
    rollScore(dt);
    if (barSettled(dt)) {
        drain(dt);
    }
    warningTick(dt);
    drawSmallNumber(layout::scoreCentreX, layout::scoreDigitsY, int(shownScore));
    drawLargeNumber(layout::levelCentreX, layout::levelDigitsY, level);
    drawBar();
    levelCompleteTest();
}

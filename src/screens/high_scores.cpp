// Six high-score tables (untimed and timed, for 6, 7 and 8 kinds) with name
// entry after a game, and the picture that ends the last level.
#include "screens/high_scores.h"

#include <cstdio>
#include <cstring>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/hover.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "screens/main_menu.h"
#include "screens/save_file.h"

namespace {
float prevArrowFrame = 0;
float nextArrowFrame = 0;
float endPictureY = -300;
uint8_t endPictureArrived = 0;

const Rect backButton{285, 425, 354, 453};
const Rect prevArrow{55, 426, 111, 466};
const Rect nextArrow{524, 425, 581, 468};
const Rect okButton{299, 262, 338, 294};
const Rect endButton{187, 303, 459, 351};

bool buttonsLive()
{
    return gamePhase == phasePlay || !namePending;
}

void drawNumber(int x, int y, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    drawText(x, y, text);
}

void drawTables()
{
    const int k = shownTable;
    activeOptionSprite->drawTo(backBuffer, 507, 114, 0, 35 * k + 47, 84, 35 * k + 81);
    activeOptionSprite->drawTo(backBuffer, 221, 114, 85, 35 * k + 47, 169, 35 * k + 81);
    for (int r = 0; r < 9; ++r) {
        const int y = 183 + 25 * r;
        const HighScoreRow& untimed = highScoreRow(r, 0, k);
        const HighScoreRow& timed = highScoreRow(r, 1, k);
        drawNumber(225, y, untimed.score);
        drawNumber(510, y, timed.score);
        drawNumber(70, y, r + 1);
        drawNumber(355, y, r + 1);
        drawText(370, y, timed.name);
        drawText(85, y, untimed.name);
    }
}

int stepTable(int kinds, int step)
{
    kinds += step;
    if (kinds < 6) {
        return 8;
    }
    return kinds > 8 ? 6 : kinds;
}

void drawArrow(float& clock, float dt, int srcX, int firstRow, int x, int y)
{
    clock += 8 * dt;
    if (clock > 4) {
        clock = 0;
    }
    hoverSound(0);
    const int f = int(clock);
    menuTextSprite->drawTo(backBuffer, x, y, srcX, 53 * f + firstRow, srcX + 107, 53 * f + 53);
}
}  // namespace

void initHighScores()
{
    if (readSaveFile()) {
        return;
    }
    resetHighScores();
}

void drawHighScores(float)
{
    if (currentScreen != screenHighScores || !highScoresBackground) {
        return;
    }
    highScoresBackground->drawTo(backBuffer, 0, 0, 0, 0, 640, 480);
    if (validKinds(shownTable)) {
        drawTables();
    }
    if (nameEntryActive) {
        namePanel->drawTo(backBuffer, 145, 175, 0, 0, 350, 130);
        drawText(169, 229, nameBuffer);
    }
}

void hoverHighScores(int x, int y, float dt)
{
    if (currentScreen != screenHighScores || !activeOptionSprite || !menuTextSprite) {
        return;
    }
    if (nameEntryActive && pointInRect(okButton, x, y)) {
        activeOptionSprite->drawTo(backBuffer, 295, 259, 182, 194, 231, 231);
    }
    if (!buttonsLive()) {
        return;
    }
    if (pointInRect(backButton, x, y)) {
        hoverSound(0);
        activeOptionSprite->drawTo(backBuffer, 278, 423, 0, 221, 83, 257);
    } else if (pointInRect(prevArrow, x, y)) {
        drawArrow(prevArrowFrame, dt, 179, 0, 8, 417);
    } else if (pointInRect(nextArrow, x, y)) {
        // The right arrow's frames start one row lower than the left arrow's.
        drawArrow(nextArrowFrame, dt, 286, 1, 522, 418);
    } else {
        hoverLatch = 0;
    }
}

bool clickHighScores(int x, int y)
{
    if (currentScreen != screenHighScores) {
        return false;
    }
    if (nameEntryActive && pointInRect(okButton, x, y)) {
        nameEntryActive = 0;
        commitName();
        gamePhase = phasePlay;
        endOfGameFlag = 0;
        writeSaveFile();
        return false;  // nothing else on this screen takes it either
    }
    if (!buttonsLive()) {
        return false;
    }
    if (pointInRect(backButton, x, y)) {
        // An open name panel stays open; Enter can still commit it anywhere.
        noFlyers = 1;
        gamePhase = phasePlay;
        namePending = 0;
        switchScreen(screenMainMenu, withClick | withMenuReset | withTransition);
        return true;
    }
    if (pointInRect(prevArrow, x, y)) {
        shownTable = stepTable(shownTable, -1);
        playSound(1);
        return true;
    }
    if (pointInRect(nextArrow, x, y)) {
        shownTable = stepTable(shownTable, 1);
        playSound(1);
        return true;
    }
    return false;
}

void drawEndPicture(float dt)
{
    if (!endOfGameFlag || !bannerSprite) {
        return;
    }
    // Slides in only the first time in a run; later it shows at rest at once.
    bannerSprite->setClipRect(0, 0, 640, 480);
    endPictureY += 500 * dt;
    if (endPictureY >= 101) {
        endPictureY = 101;
        endPictureArrived = 1;
    }
    bannerSprite->drawClippedTo(backBuffer, 119, int(endPictureY), 328, 0, 731, 278);
    bannerSprite->setClipRect(236, 4, 636, 404);
}

void hoverEndPicture(int x, int y)
{
    if (!endOfGameFlag) {
        return;
    }
    if (pointInRect(endButton, x, y) && endPictureArrived) {
        hoverSound(0);
        if (menuTextSprite) {
            menuTextSprite->drawTo(backBuffer, 180, 296, 0, 831, 287, 894);
        }
    } else {
        hoverLatch = 0;
    }
}

bool clickEndPicture(int x, int y)
{
    if (!endOfGameFlag || !pointInRect(endButton, x, y)) {
        return false;
    }
    shownTable = pieceKindCount;
    noGameInProgress = 1;
    placeScore(gameMode);
    switchScreen(screenHighScores, withClick | withTransition);
    endPictureArrived = 0;
    endOfGameFlag = 0;
    // The winner types a name too, so the row is theirs, not the displaced holder's.
    nameEntryActive = 1;
    return true;
}

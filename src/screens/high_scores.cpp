// Six high-score tables (untimed and timed, for 6, 7 and 8 kinds) with name
// entry after a game, and the picture that ends the last level.
#include "screens/high_scores.h"

#include <cstdio>
#include <cstring>

#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/focus.h"
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

// The keys' items side by side: the left arrow, Back, the right arrow.
enum ScoresItem { leftItem, backItem, rightItem };
int focused = backItem;

const layout::Rect& itemRect(int item)
{
    return item == leftItem    ? layout::leftArrowHit
           : item == rightItem ? layout::rightArrowHit
                               : layout::scoresBackHit;
}

bool pressAt(const layout::Rect& r, bool (*click)(int, int))
{
    int x = 0;
    int y = 0;
    centreOf(r, x, y);
    return click(x, y);
}

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
    activeOptionSprite->drawTo(backBuffer, layout::timedLabelAt, layout::timedLabel(k));
    activeOptionSprite->drawTo(backBuffer, layout::untimedLabelAt, layout::untimedLabel(k));
    // The columns of a table: position, name, score.
    const int(&untimedCols)[3] = layout::untimedCols;
    const int(&timedCols)[3] = layout::timedCols;
    for (int r = 0; r < layout::scoreRows; ++r) {
        const int y = layout::scoreRowY + layout::scoreRowStep * r;
        const HighScoreRow& untimed = highScoreRow(r, 0, k);
        const HighScoreRow& timed = highScoreRow(r, 1, k);
        drawNumber(untimedCols[2], y, untimed.score);
        drawNumber(timedCols[2], y, timed.score);
        drawNumber(untimedCols[0], y, r + 1);
        drawNumber(timedCols[0], y, r + 1);
        drawText(timedCols[1], y, timed.name);
        drawText(untimedCols[1], y, untimed.name);
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

// The right arrow's frames start one row lower than the left arrow's but end
// where the left one's do, so its last row is never shown.
void drawArrow(float& clock, float dt, layout::Rect (*frame)(int), layout::Point at)
{
    clock += 8 * dt;
    if (clock > layout::arrowFrames - 1) {
        clock = 0;
    }
    hoverSound(soundHover);
    const int f = int(clock);
    layout::Rect source = frame(f);
    source.b = layout::leftArrow(f).b;
    menuTextSprite->drawTo(backBuffer, at, source);
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
    highScoresBackground->drawTo(backBuffer, 0, 0, layout::screenArea);
    if (validKinds(shownTable)) {
        drawTables();
    }
    if (nameEntryActive) {
        namePanel->drawTo(backBuffer, layout::namePanelAt, {0, 0, layout::namePanelW, layout::namePanelH});
        drawText(layout::nameTextAt.x, layout::nameTextAt.y, nameBuffer);
    }
}

void hoverHighScores(int x, int y, float dt)
{
    if (currentScreen != screenHighScores || !activeOptionSprite || !menuTextSprite) {
        return;
    }
    if (nameEntryActive && layout::nameOkHit.contains(x, y)) {
        activeOptionSprite->drawTo(backBuffer, layout::nameOk.at, layout::nameOk.source);
    }
    if (!buttonsLive()) {
        return;
    }
    if (layout::scoresBackHit.contains(x, y)) {
        hoverSound(soundHover);
        activeOptionSprite->drawTo(backBuffer, layout::scoresBack.at, layout::scoresBack.source);
    } else if (layout::leftArrowHit.contains(x, y)) {
        drawArrow(prevArrowFrame, dt, layout::leftArrow, layout::leftArrowAt);
    } else if (layout::rightArrowHit.contains(x, y)) {
        drawArrow(nextArrowFrame, dt, layout::rightArrow, layout::rightArrowAt);
    } else {
        hoverLatch = 0;
    }
}

bool clickHighScores(int x, int y)
{
    if (currentScreen != screenHighScores) {
        return false;
    }
    if (nameEntryActive && layout::nameOkHit.contains(x, y)) {
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
    if (layout::scoresBackHit.contains(x, y)) {
        // An open name panel stays open; Enter can still commit it anywhere.
        noFlyers = 1;
        gamePhase = phasePlay;
        namePending = 0;
        switchScreen(screenMainMenu, withClick | withMenuReset | withTransition);
        return true;
    }
    if (layout::leftArrowHit.contains(x, y)) {
        shownTable = stepTable(shownTable, -1);
        playSound(soundClick);
        return true;
    }
    if (layout::rightArrowHit.contains(x, y)) {
        shownTable = stepTable(shownTable, 1);
        playSound(soundClick);
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
    bannerSprite->setClipRect(layout::screenArea);
    endPictureY += 500 * dt;
    if (endPictureY >= layout::endPictureAt.y) {
        endPictureY = layout::endPictureAt.y;
        endPictureArrived = 1;
    }
    bannerSprite->drawClippedTo(backBuffer, layout::endPictureAt.x, int(endPictureY),
                                layout::endPictureSource);
    bannerSprite->setClipRect(layout::boardArea);
}

void hoverEndPicture(int x, int y)
{
    if (!endOfGameFlag) {
        return;
    }
    if (layout::endButtonHit.contains(x, y) && endPictureArrived) {
        hoverSound(soundHover);
        if (menuTextSprite) {
            menuTextSprite->drawTo(backBuffer, layout::endButtonLitAt, layout::endButtonLit);
        }
    } else {
        hoverLatch = 0;
    }
}

bool clickEndPicture(int x, int y)
{
    if (!endOfGameFlag || !layout::endButtonHit.contains(x, y)) {
        return false;
    }
    // The winner types a name too, so the row is theirs, not the displaced holder's.
    enterFinishedGame(withClick | withTransition);
    endPictureArrived = 0;
    endOfGameFlag = 0;
    return true;
}

bool focusHighScores(int& x, int& y)
{
    if (currentScreen != screenHighScores) {
        return false;
    }
    centreOf(nameEntryActive ? layout::nameOkHit : itemRect(focused), x, y);
    return true;
}

bool actHighScores(Action action)
{
    if (currentScreen != screenHighScores) {
        return false;
    }
    switch (action) {
    case Action::left:
    case Action::right:
        // The arrows go at once, and keep the focus to show their animation.
        focused = action == Action::left ? leftItem : rightItem;
        return pressAt(itemRect(focused), clickHighScores);
    case Action::up:
    case Action::down:
        if (focused != backItem) {
            hoverLatch = 0;
        }
        focused = backItem;
        return true;
    case Action::press:
        return pressAt(nameEntryActive ? layout::nameOkHit : itemRect(focused), clickHighScores);
    case Action::back: {
        const bool taken = pressAt(layout::scoresBackHit, clickHighScores);
        if (currentScreen != screenHighScores) {
            focused = backItem;
        }
        return taken;
    }
    default:
        return false;
    }
}

bool focusEndPicture(int& x, int& y)
{
    if (!endOfGameFlag) {
        return false;
    }
    centreOf(layout::endButtonHit, x, y);
    return true;
}

bool actEndPicture(Action action)
{
    return endOfGameFlag && action == Action::press && pressAt(layout::endButtonHit, clickEndPicture);
}

bool editName(Action action)
{
    if (currentScreen != screenHighScores || !nameEntryActive) {
        return false;
    }
    switch (action) {
    case Action::up:
        stepLastNameChar(1);
        return true;
    case Action::down:
        stepLastNameChar(-1);
        return true;
    case Action::right:
        appendNameChar('A');
        return true;
    case Action::left:
        removeNameChar();
        return true;
    default:
        return false;
    }
}

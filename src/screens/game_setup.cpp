// The game set-up panel over the frozen menu: timed or untimed, 6, 7 or 8
// kinds of pieces, Back and Start.
#include "screens/game_setup.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/hover.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"

namespace {
constexpr int panelX = 154;
constexpr int panelY = 48;

const PanelRow rows[5] = {
    {114, 68, {112, 26, 210, 52}},     // timed
    {97, 110, {0, 159, 137, 192}},     // untimed
    {132, 215, {138, 159, 206, 194}},  // 6 kinds
    {112, 255, {0, 192, 108, 220}},    // 7 kinds
    {128, 293, {108, 194, 182, 221}},  // 8 kinds
};

const Rect backButton{198, 385, 269, 416};
const Rect startButton{377, 384, 437, 421};

void drawHighlight(const Rect& source, int x, int y)
{
    activeOptionSprite->drawTo(backBuffer, x, y, source.left, source.top, source.right, source.bottom);
}

void drawCheck(int x, int y)
{
    if (cursorSprite) {
        cursorSprite->drawTo(backBuffer, x, y, 30, 0, 49, 25);
    }
}

void choose(int row)
{
    switch (row) {
    case 0:
        gameMode = 1;
        break;
    case 1:
        gameMode = 0;
        break;
    default:
        pieceKindCount = row + 4;
        break;
    }
}

void start()
{
    noFlyers = 1;
    switchScreen(screenGame, withClick | withTransition);
    startNewGame();
    playRandomGameTrack();
}
}  // namespace

int findSetUpRow(int x, int y)
{
    return panelRowAt(rows, panelX, panelY, x, y);
}

void drawSetUp()
{
    if (currentScreen != screenSetUp || !setUpPanel) {
        return;
    }
    drawMenuBackdrop();
    setUpPanel->drawTo(backBuffer, panelX, panelY, 0, 0, 332, 383);
    if (gameMode == 0) {
        drawCheck(219, 158);
    } else {
        drawCheck(239, 117);
    }
    switch (pieceKindCount) {
    case 6:
        drawCheck(251, 266);
        break;
    case 7:
        drawCheck(232, 306);
        break;
    case 8:
        drawCheck(250, 342);
        break;
    default:
        break;
    }
}

void hoverSetUp(int x, int y)
{
    if (currentScreen != screenSetUp || !activeOptionSprite) {
        return;
    }
    const int row = findSetUpRow(x, y);
    if (row >= 0) {
        hoverSound(0);
        const Rect hit = panelRowRect(rows[row], panelX, panelY);
        drawHighlight(rows[row].source, hit.left, hit.top);
    } else if (pointInRect(backButton, x, y)) {
        hoverSound(0);
        drawHighlight(Rect{115, 125, 235, 158}, 172, 384);
    } else if (pointInRect(startButton, x, y)) {
        hoverSound(0);
        drawHighlight(Rect{0, 118, 115, 156}, 348, 384);
    } else {
        hoverLatch = 0;
    }
}

bool clickSetUp(int x, int y)
{
    if (currentScreen != screenSetUp) {
        return false;
    }
    const int row = findSetUpRow(x, y);
    if (row >= 0) {
        choose(row);
        playSound(1);
        return true;
    }
    if (pointInRect(backButton, x, y)) {
        // The choices stay, also for a game in progress that the menu resumes.
        switchScreen(screenMainMenu, withClick | withMenuReset);
        return true;
    }
    if (pointInRect(startButton, x, y)) {
        start();
        return true;
    }
    return false;
}

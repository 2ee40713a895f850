// The game set-up panel over the frozen menu: timed or untimed, 6, 7 or 8
// kinds of pieces, Back and Start.
#include "screens/game_setup.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "game/board.h"
#include "game/game_screen.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"
#include "shell/shell.h"

Sprite* activeOptionSprite = nullptr;

namespace {
// The rows of the layout table, in this order; the kinds rows stand for 6, 7 and 8.
enum SetUpRow { timedRow, untimedRow, sixKindsRow, sevenKindsRow, eightKindsRow };

Sprite* setUpPanel = nullptr;

void drawHighlight(const layout::Highlight& h)
{
    activeOptionSprite->drawTo(backBuffer, h.at, h.source);
}

void drawCheck(SetUpRow row)
{
    if (cursorSprite) {
        cursorSprite->drawTo(backBuffer, layout::setUpRows[row].check, layout::checkMarkSource);
    }
}

void choose(int row)
{
    switch (row) {
    case timedRow:
        gameMode = 1;
        break;
    case untimedRow:
        gameMode = 0;
        break;
    default:
        pieceKindCount = 6 + row - sixKindsRow;
        break;
    }
}

void start()
{
    noFlyers = 1;
    playSound(soundClick);
    transitionRequest = 1;
    startNewGame();
    playRandomGameTrack();
}
}  // namespace

bool loadSetUpArtwork()
{
    activeOptionSprite = newArtwork("ActiveOption.bmp", true);
    setUpPanel = newArtwork("NewGame.jpg", true);
    return true;
}

void freeSetUpArtwork()
{
    deleteSprite(setUpPanel);
    deleteSprite(activeOptionSprite);
}

int findSetUpRow(int x, int y)
{
    return panelRowAt(layout::setUpRows, x, y);
}

void drawSetUp()
{
    if (currentScreen != screenSetUp || !setUpPanel) {
        return;
    }
    drawMenuBackdrop();
    setUpPanel->drawTo(backBuffer, layout::setUpAt, {0, 0, layout::setUpW, layout::setUpH});
    drawCheck(gameMode == 0 ? untimedRow : timedRow);
    switch (pieceKindCount) {
    case 6:
        drawCheck(sixKindsRow);
        break;
    case 7:
        drawCheck(sevenKindsRow);
        break;
    case 8:
        drawCheck(eightKindsRow);
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
    if (row != noPanelRow) {
        hoverSound(soundHover);
        drawHighlight(layout::setUpRows[row]);
    } else if (layout::setUpBackHit.contains(x, y)) {
        hoverSound(soundHover);
        drawHighlight(layout::setUpBack);
    } else if (layout::setUpStartHit.contains(x, y)) {
        hoverSound(soundHover);
        drawHighlight(layout::setUpStart);
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
    if (row != noPanelRow) {
        choose(row);
        playSound(soundClick);
        return true;
    }
    if (layout::setUpBackHit.contains(x, y)) {
        // The choices stay, also for a game in progress that the menu resumes.
        playSound(soundClick);
        currentScreen = screenMainMenu;
        menuHighlight = noMenuHighlight;
        return true;
    }
    if (layout::setUpStartHit.contains(x, y)) {
        start();
        return true;
    }
    return false;
}

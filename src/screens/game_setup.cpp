// The game set-up panel over the frozen menu: timed or untimed, 6, 7 or 8
// kinds of pieces, Back and Start.
#include "screens/game_setup.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/focus.h"
#include "game/hover.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"

namespace {
// The keys' items: the five rows, then Back and Start side by side.
enum SetUpItem { backItem = eightKindsRow + 1, startItem, setUpItems };
// Start has the focus first: one press begins a game with the choices shown.
int focused = startItem;

layout::Rect itemRect(int item)
{
    if (item == backItem) {
        return layout::setUpBackHit;
    }
    return item == startItem ? layout::setUpStartHit : layout::setUpRows[item].rect();
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
        gameMode = modeTimed;
        break;
    case untimedRow:
        gameMode = modeUntimed;
        break;
    default:
        pieceKindCount = 6 + row - sixKindsRow;
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
    return panelRowAt(layout::setUpRows, x, y);
}

void drawSetUp()
{
    if (currentScreen != screenSetUp || !setUpPanel) {
        return;
    }
    drawMenuBackdrop();
    setUpPanel->drawTo(backBuffer, layout::setUpAt, {0, 0, layout::setUpW, layout::setUpH});
    drawCheck(gameMode == modeUntimed ? untimedRow : timedRow);
    if (validKinds(pieceKindCount)) {
        drawCheck(SetUpRow(sixKindsRow + pieceKindCount - 6));
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
        switchScreen(screenMainMenu, withClick | withMenuReset);
        return true;
    }
    if (layout::setUpStartHit.contains(x, y)) {
        start();
        return true;
    }
    return false;
}

bool focusSetUp(int& x, int& y)
{
    if (currentScreen != screenSetUp) {
        return false;
    }
    centreOf(itemRect(focused), x, y);
    return true;
}

bool actSetUp(Action action)
{
    if (currentScreen != screenSetUp) {
        return false;
    }
    if (action == Action::back || action == Action::press) {
        int x = 0;
        int y = 0;
        centreOf(itemRect(action == Action::back ? int(backItem) : focused), x, y);
        const bool taken = clickSetUp(x, y);
        // The next visit starts on Start again.
        if (currentScreen != screenSetUp) {
            focused = startItem;
        }
        return taken;
    }
    return stepPanelFocus(focused, action, backItem, startItem);
}

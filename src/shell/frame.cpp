// One frame in its fixed order, and the click chain. Every screen tests
// currentScreen itself, so the driver never branches on the screen.
#include "audio/music.h"
#include "audio/sound_effects.h"
#include "game/focus.h"
#include "game/game_screen.h"
#include "game/hud.h"
#include "game/scoring.h"
#include "game/title.h"
#include "graphics/display.h"
#include "platform/window.h"
#include "screens/game_setup.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "shell/frame_timer.h"
#include "shell/shell.h"

namespace {
// Polls the pointer once per frame, in picture coordinates, and hides the
// system pointer exactly where the game draws its own.
void readPointer(int& x, int& y)
{
    bool outside = true;
    platformPointer(x, y, outside);
    if (systemCursor == 0) {
        cursorOutside = outside;
    }
    platformShowSystemCursor(!(systemCursor == 0 && cursorOutside == 0));
    x -= clientRect.left;
    y -= clientRect.top;
}
}  // namespace

bool runFrame()
{
    if (windowDestroyed) {
        return true;
    }
    updateMusic(currentScreen >= screenTitle && currentScreen <= screenHighScores);
    const float dt = float(frameTimer(timerDelta));
    drawFpsReadout();

    drawTitle();
    drawMainMenu();
    drawHighScores(dt);
    drawGameBackdrop(dt);
    updateBoard(dt);
    updateHud(dt);
    drawSetUp();
    drawOptions();
    drawEndPicture(dt);

    int x = 0;
    int y = 0;
    readPointer(x, y);
    followPointer(x, y);
    if (!transitionActive) {
        hoverMainMenu(x, y);
        gameHover(x, y);
        hoverSetUp(x, y);
        hoverOptions(x, y);
        hoverHighScores(x, y, dt);
        hoverTitle(x, y, dt);
        hoverEndPicture(x, y);
    }
    if (clickPending) {
        dispatchClick(x, y);
        clickPending = 0;
    } else {
        dispatchAction();
    }
    if (displayModeRequest) {
        displayModeRequest = 0;
        switchDisplayMode(!fullscreen);
    }
    // A mode switch or an error box inside the click may have ended the game.
    if (windowDestroyed) {
        return true;
    }
    stepTransition(dt);
    captureTransition();
    if (!focusShown()) {
        drawCursor(x, y);
    }
    present();
    if (quitRequested) {
        destroyGameWindow();
    }
    return true;
}

bool dispatchClick(int x, int y)
{
    if (transitionActive) {
        return false;
    }
    return clickSetUp(x, y) || clickHighScores(x, y) || clickOptions(x, y) || clickMainMenu(x, y) ||
           clickTitle(x, y) || gameClick(x, y) || clickEndPicture(x, y);
}

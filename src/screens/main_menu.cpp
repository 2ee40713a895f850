// The main menu: the hub between the game, its set-up, the options, the high
// scores and the exit.
#include "screens/main_menu.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/focus.h"
#include "game/hover.h"
#include "game/score_tables.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "screens/high_scores.h"
#include "screens/save_file.h"

namespace {
// In the order of the layout table's buttons.
static_assert(noButton == noMenuHighlight, "a lit button is its own highlight");

// The order in which the buttons are tested; the rectangles do not overlap.
const MenuButtonRow testOrder[5] = {newGameButton, exitButton, resumeButton, highScoresButton, optionsButton};

// The button the keys light, top to bottom; Resume only with a game to resume.
int focused = newGameButton;

int liveFocus()
{
    return focused == resumeButton && noGameInProgress ? newGameButton : focused;
}

MenuButtonRow buttonAt(int x, int y)
{
    for (MenuButtonRow b : testOrder) {
        if (layout::menuButtons[b].hit.contains(x, y)) {
            return b;
        }
    }
    return noButton;
}
}  // namespace

void drawMenuBackdrop()
{
    if (!menuBackground || !menuPictures || !menuTextSprite) {
        return;
    }
    menuBackground->drawTo(backBuffer, 0, 0, layout::screenArea);
    const bool highlighted = menuHighlight >= 0 && menuHighlight < noMenuHighlight;
    if (highlighted) {
        menuPictures->drawTo(backBuffer, layout::menuPictureAt, layout::menuButtons[menuHighlight].picture);
    }
    if (noGameInProgress) {
        const layout::Rect& resume = layout::menuButtons[resumeButton].hit;
        menuTextSprite->drawTo(backBuffer, resume.l, resume.t, layout::greyResume);
    }
    if (highlighted) {
        const layout::MenuButton& b = layout::menuButtons[menuHighlight];
        menuTextSprite->drawTo(backBuffer, b.hit.l, b.hit.t, b.litCaption);
    }
}

void drawMainMenu()
{
    if (currentScreen == screenMainMenu) {
        drawMenuBackdrop();
    }
}

void hoverMainMenu(int x, int y)
{
    if (currentScreen != screenMainMenu) {
        return;
    }
    const MenuButtonRow b = buttonAt(x, y);
    // With nothing to resume, the resume button is dead: no light, no sound.
    if (b == noButton || (b == resumeButton && noGameInProgress)) {
        menuHighlight = noMenuHighlight;
        hoverLatch = 0;
        return;
    }
    menuHighlight = b;
    hoverSound(soundHover);
}

bool clickMainMenu(int x, int y)
{
    if (currentScreen != screenMainMenu) {
        return false;
    }
    switch (buttonAt(x, y)) {
    case newGameButton:
        // The menu stays under the set-up panel with this caption still lit.
        switchScreen(screenSetUp, withClick);
        return true;
    case exitButton:
        writeSaveFile();
        quitRequested = 1;
        return true;
    case resumeButton:
        if (noGameInProgress) {
            return false;
        }
        noFlyers = 1;
        switchScreen(screenGame, withClick | withMenuReset | withTransition);
        playRandomGameTrack();
        return true;
    case highScoresButton:
        shownTable = pieceKindCount;
        switchScreen(screenHighScores, withClick | withMenuReset | withTransition);
        return true;
    case optionsButton:
        switchScreen(screenOptions, withClick);
        return true;
    case noButton:
        break;
    }
    return false;
}

bool focusMainMenu(int& x, int& y)
{
    if (currentScreen != screenMainMenu) {
        return false;
    }
    centreOf(layout::menuButtons[liveFocus()].hit, x, y);
    return true;
}

bool actMainMenu(Action action)
{
    if (currentScreen != screenMainMenu) {
        return false;
    }
    if (action == Action::press) {
        int x = 0;
        int y = 0;
        focusMainMenu(x, y);
        return clickMainMenu(x, y);
    }
    const int step = verticalStep(action);
    if (step == 0) {
        return false;
    }
    focused = stepFocus(liveFocus(), step, noButton);
    if (focused == resumeButton && noGameInProgress) {
        focused = stepFocus(focused, step, noButton);
    }
    return true;
}

// The main menu: the hub between the game, its set-up, the options, the high
// scores and the exit.
#include "screens/main_menu.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/hover.h"
#include "game/score_tables.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "screens/high_scores.h"
#include "screens/save_file.h"

namespace {
enum Button { resumeButton, newGameButton, optionsButton, highScoresButton, exitButton, noButton };

const Rect buttons[5] = {
    {85, 171, 264, 223}, {85, 231, 264, 283}, {85, 292, 264, 344}, {85, 354, 264, 406}, {85, 416, 264, 468},
};
// The pictures of the second row differ in height.
const Rect pictures[5] = {
    {0, 0, 245, 256}, {245, 0, 490, 256}, {490, 0, 735, 256}, {0, 256, 245, 508}, {245, 256, 490, 518},
};
// The order in which the buttons are tested; the rectangles do not overlap.
const Button testOrder[5] = {newGameButton, exitButton, resumeButton, highScoresButton, optionsButton};

Button buttonAt(int x, int y)
{
    for (Button b : testOrder) {
        if (pointInRect(buttons[b], x, y)) {
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
    menuBackground->drawTo(backBuffer, 0, 0, 0, 0, 640, 480);
    const bool highlighted = menuHighlight >= 0 && menuHighlight <= 4;
    if (highlighted) {
        const Rect& p = pictures[menuHighlight];
        menuPictures->drawTo(backBuffer, 313, 195, p.left, p.top, p.right, p.bottom);
    }
    if (noGameInProgress) {
        menuTextSprite->drawTo(backBuffer, 85, 171, 0, 260, 179, 312);
    }
    if (highlighted) {
        const Rect& b = buttons[menuHighlight];
        menuTextSprite->drawTo(backBuffer, b.left, b.top, 0, 52 * menuHighlight, 179,
                               52 * menuHighlight + 52);
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
    const Button b = buttonAt(x, y);
    // With nothing to resume, the resume button is dead: no light, no sound.
    if (b == noButton || (b == resumeButton && noGameInProgress)) {
        menuHighlight = noMenuHighlight;
        hoverLatch = 0;
        return;
    }
    menuHighlight = b;
    hoverSound(0);
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

// The flags every screen shares: which screen is shown, the game's phase, the
// screen transition, pause and name entry, the pointer settings and the end of
// the window. Low in the layers so that any screen can read and set them.
#pragma once
#include <cstdint>

#include "platform/rect.h"

// Which screen is shown.
enum : int {
    screenTitle = 1,
    screenMainMenu = 2,
    screenOptions = 3,
    screenSetUp = 4,
    screenHighScores = 5,
    screenGame = 7,
};

// What the board is doing; each phase past play has its own banner row.
enum GamePhase : int {
    phaseUntimedOver = 0,  // untimed game without a move left
    phasePlay = 1,
    phaseLevelDone = 2,
    phaseTimeUp = 3,
    phaseTimedNoMove = 4,  // a timed board without moves is replaced
};

// The main menu's button under the pointer, 0..4, or none.
constexpr int noMenuHighlight = 5;

extern int currentScreen;
extern int gamePhase;
extern int menuHighlight;
extern uint8_t fullscreen;
extern uint8_t systemCursor;
extern uint8_t cursorOutside;
extern uint8_t easyFood;  // the coloured tiles behind the pieces
extern Rect clientRect;
extern uint8_t paused;
extern uint8_t endOfGameFlag;
extern uint8_t nameEntryActive;
extern uint8_t noGameInProgress;
extern uint8_t mouseDown;
extern uint8_t transitionActive;
extern uint8_t transitionRequest;
extern uint8_t quitRequested;
// Options asks for the other display mode; the shell switches after the clicks.
extern uint8_t displayModeRequest;

// Set once the window has been destroyed: from then on nothing touches the
// display, the artwork or the sound again, and the program ends.
extern bool windowDestroyed;

// The flags back to how the program starts, but for the settings (full screen,
// pointer, tiles), the window and the picture's place in it.
void resetScreenFlags();

// The game's spine: shared screen and state flags, start-up, shutdown, the
// display-mode switch, the per-frame driver and the click chain.
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

extern int currentScreen;
extern int gamePhase;  // 1 play, 0 untimed over, 2 level done, 3 time up, 4 timed no move
extern int appActive;
extern uint8_t appReady;
extern uint8_t fullscreen;
extern uint8_t systemCursor;
extern uint8_t cursorOutside;
extern Rect clientRect;
extern int desktopDepth;
extern int desktopWidth;
extern uint8_t paused;
extern uint8_t endOfGameFlag;
extern uint8_t nameEntryActive;
extern uint8_t noGameInProgress;
extern uint8_t mouseDown;
extern uint8_t clickPending;
extern uint8_t transitionActive;
extern uint8_t transitionRequest;
extern uint8_t quitRequested;

// Set once the window has been destroyed: from then on nothing touches the
// display, the artwork or the sound again, and the program ends.
extern bool windowDestroyed;

// Program entry steps up to the message loop; false ends the program.
bool startGame();
// Handles every waiting event; false once the game has ended.
bool processEvents();

bool initialiseAll();
void shutdownAll();
bool switchDisplayMode(bool wantFullscreen);
bool runFrame();
bool dispatchClick(int x, int y);
struct PlatformEvent;
// The game's reaction to one window event.
void handleEvent(const PlatformEvent& event);
// The box for a desktop with 8 bits per pixel.
void showDepthMessage();
// The destroy sequence: shutdown, release of the display, end of the loop.
void destroyGameWindow();

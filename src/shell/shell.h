// The game's spine: start-up, shutdown, the display-mode switch, the
// per-frame driver and the click chain.
#pragma once
#include <cstdint>

#include "base/screen_state.h"

// Set by the window events; the main loop runs frames only while the game is
// active and ready.
extern int appActive;
extern uint8_t appReady;
// A press waits here for the next frame's click chain.
extern uint8_t clickPending;
// The desktop the game started on, to notice a change while in the background.
extern int desktopDepth;
extern int desktopWidth;

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

// Committing a typed name to its table row (events.cpp), as Enter does.
void commitTypedName();
// Pause on and off, but never over the end picture.
void togglePause();

// Keys and controller buttons (actions.cpp): the event turned into its action;
// a mouse press hides the focus. Each frame, followPointer hides the focus
// when the pointer has moved and otherwise puts the point on the focused item
// for the hovers; dispatchAction then runs one waiting action at the click
// point, false when none ran or none took it.
void keyOrButton(const PlatformEvent& event);
void mousePressed();
void followPointer(int& x, int& y);
bool dispatchAction();
// Whether an action waits for the next frame.
bool actionWaiting();

// The flags every screen shares.
#include "shell/shell.h"

int currentScreen = screenTitle;
int gamePhase = 1;
int appActive = 0;
uint8_t appReady = 0;
uint8_t fullscreen = 0;
uint8_t systemCursor = 1;
uint8_t cursorOutside = 1;
Rect clientRect;
int desktopDepth = 0;
int desktopWidth = 0;
uint8_t paused = 0;
uint8_t endOfGameFlag = 0;
uint8_t nameEntryActive = 0;
uint8_t noGameInProgress = 0;
uint8_t mouseDown = 0;
uint8_t clickPending = 0;
uint8_t transitionActive = 0;
uint8_t transitionRequest = 0;
uint8_t quitRequested = 0;
bool windowDestroyed = false;

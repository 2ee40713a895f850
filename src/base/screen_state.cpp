// The flags every screen shares.
#include "base/screen_state.h"

int currentScreen = screenTitle;
int gamePhase = phasePlay;
int menuHighlight = noMenuHighlight;
uint8_t fullscreen = 0;
uint8_t systemCursor = 1;
uint8_t cursorOutside = 1;
uint8_t easyFood = 1;
Rect clientRect;
uint8_t paused = 0;
uint8_t endOfGameFlag = 0;
uint8_t nameEntryActive = 0;
uint8_t noGameInProgress = 0;
uint8_t mouseDown = 0;
uint8_t transitionActive = 0;
uint8_t transitionRequest = 0;
uint8_t quitRequested = 0;
uint8_t displayModeRequest = 0;
bool windowDestroyed = false;

void resetScreenFlags()
{
    currentScreen = screenTitle;
    gamePhase = phasePlay;
    menuHighlight = noMenuHighlight;
    paused = 0;
    endOfGameFlag = 0;
    nameEntryActive = 0;
    noGameInProgress = 0;
    mouseDown = 0;
    transitionActive = 0;
    transitionRequest = 0;
    quitRequested = 0;
    displayModeRequest = 0;
}

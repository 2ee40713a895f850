// The game's reactions to window events: activation, close, mouse buttons,
// typed characters; keys and controller buttons go on to the actions.
#include "game/score_tables.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "platform/window.h"
#include "screens/high_scores.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "shell/frame_timer.h"
#include "shell/shell.h"

int appActive = 0;
uint8_t clickPending = 0;

namespace {
void activate(bool active)
{
    appActive = active ? 1 : 0;
    frameTimer(active ? timerStart : timerFreeze);
    if (!active || fullscreen || !appReady) {
        return;
    }
    // The desktop may have changed while the game was in the background.
    const int depth = platformDesktopDepth();
    const int width = platformDesktopWidth();
    if (depth != desktopDepth || width != desktopWidth) {
        switchDisplayMode(false);
        desktopDepth = depth;
        desktopWidth = width;
        if (depth == 8) {
            showDepthMessage();
        }
    }
}

bool nameCanBeTyped()
{
    return gamePhase == phaseUntimedOver || gamePhase == phaseTimeUp || endOfGameFlag || nameEntryActive;
}

void typed(int code)
{
    if (!nameCanBeTyped()) {
        return;
    }
    if (code == backspaceCode) {
        removeNameChar();
    } else if (code >= firstGlyph && code <= lastGlyph) {
        appendNameChar(char(code));
    }
}

}  // namespace

void togglePause()
{
    if (!endOfGameFlag) {
        paused = !paused;
    }
}

void commitTypedName()
{
    if (!nameEntryActive) {
        return;
    }
    nameEntryActive = 0;
    commitName();
    // A stale name panel committed during a game must not cancel its game
    // over or its end picture.
    if (currentScreen != screenGame) {
        gamePhase = phasePlay;
        endOfGameFlag = 0;
    }
    writeSaveFile();
}

void handleEvent(const PlatformEvent& event)
{
    switch (event.type) {
    case EventType::quit:
        destroyGameWindow();
        break;
    case EventType::activate:
        activate(true);
        break;
    case EventType::deactivate:
        activate(false);
        break;
    case EventType::expose:
        if (appReady && !fullscreen) {
            runFrame();
            present();
        }
        break;
    case EventType::key:
    case EventType::padButton:
        keyOrButton(event);
        break;
    case EventType::character:
        typed(event.code);
        break;
    case EventType::buttonDown:
        mousePressed();
        mouseDown = 1;
        clickPending = 1;
        break;
    case EventType::buttonUp:
        mouseDown = 0;
        dragMusic = 0;
        dragSound = 0;
        break;
    }
}

bool processEvents()
{
    PlatformEvent event;
    while (!windowDestroyed && platformPollEvent(event)) {
        handleEvent(event);
    }
    return !windowDestroyed;
}

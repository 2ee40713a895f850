// The one place where keys and controller buttons become actions, and where
// the game's focus follows whichever input the player touched last: an arrow
// or a press shows it, a move of the mouse hides it again.
#include "base/actions.h"

#include "base/screen_state.h"
#include "game/board_cursor.h"
#include "game/focus.h"
#include "game/title.h"
#include "platform/window.h"
#include "screens/game_setup.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "shell/shell.h"

namespace {
// Actions wait for the next frame's click point, one per frame, as a click does.
constexpr int pendingRoom = 4;
Action pending[pendingRoom];
int pendingCount = 0;

// The pointer's last reading, and where it stood when the keys took over;
// before the first reading, the next one counts as that place.
bool pointerRead = false;
int pointerX = 0;
int pointerY = 0;
bool takenKnown = false;
int takenX = 0;
int takenY = 0;

// In the order of KeyCode and PadCode.
constexpr Action keyActions[keyCodes] = {Action::up,    Action::down,  Action::left, Action::right,
                                         Action::press, Action::press, Action::back, Action::hint,
                                         Action::pause, Action::pause};
constexpr Action padActions[padCodes] = {Action::press, Action::back, Action::hint, Action::pause,
                                         Action::up,    Action::down, Action::left, Action::right};

bool isDirection(Action action)
{
    return action == Action::up || action == Action::down || action == Action::left ||
           action == Action::right;
}

void queue(Action action)
{
    if (pendingCount < pendingRoom) {
        pending[pendingCount++] = action;
    }
}

void act(Action action)
{
    if (action == Action::pause) {
        togglePause();
        return;
    }
    // The first arrow or press only shows where the focus stands.
    if ((isDirection(action) || action == Action::press) && !focusShown()) {
        showFocus(true);
        takenKnown = pointerRead;
        takenX = pointerX;
        takenY = pointerY;
        return;
    }
    queue(action);
}

// The keyboard types a name on the open name panel, and after a lost game
// while its banner shows. A panel left open behind another screen, or the end
// picture, which takes early typing too, leave the keys to that screen.
bool keysTypeName()
{
    const bool lost = gamePhase == phaseUntimedOver || gamePhase == phaseTimeUp;
    return (nameEntryActive && currentScreen == screenHighScores) || (lost && currentScreen == screenGame);
}

// While the keyboard types a name, Enter commits it, and the keys that are
// also letters or a space type themselves.
void keyWhileTyping(int code)
{
    if (code == keyEnter) {
        commitTypedName();
    } else if (code == keyPause) {
        togglePause();
    }
}

// The open name panel by controller, the arcade way.
bool padOnNamePanel(int code)
{
    if (!nameEntryActive || currentScreen != screenHighScores) {
        return false;
    }
    if (code == padA || code == padStart) {
        commitTypedName();
        return true;
    }
    editName(padActions[code]);
    return true;
}
}  // namespace

void keyOrButton(const PlatformEvent& event)
{
    const int code = event.code;
    if (event.type == EventType::key && code >= 0 && code < keyCodes) {
        if (keysTypeName()) {
            keyWhileTyping(code);
        } else {
            act(keyActions[code]);
        }
    } else if (event.type == EventType::padButton && code >= 0 && code < padCodes && !padOnNamePanel(code)) {
        act(padActions[code]);
    }
}

void mousePressed()
{
    showFocus(false);
}

void followPointer(int& x, int& y)
{
    if (focusShown() && !takenKnown) {
        takenKnown = true;
        takenX = x;
        takenY = y;
    }
    if (focusShown() && (x != takenX || y != takenY)) {
        showFocus(false);
    }
    pointerRead = true;
    pointerX = x;
    pointerY = y;
    if (!focusShown()) {
        return;
    }
    x = focusNowhere;
    y = focusNowhere;
    focusTitle(x, y) || focusMainMenu(x, y) || focusSetUp(x, y) || focusOptions(x, y) ||
        focusHighScores(x, y) || focusEndPicture(x, y);
}

bool actionWaiting()
{
    return pendingCount > 0;
}

bool dispatchAction()
{
    if (pendingCount == 0) {
        return false;
    }
    const Action action = pending[0];
    --pendingCount;
    for (int i = 0; i < pendingCount; ++i) {
        pending[i] = pending[i + 1];
    }
    // Like a click, an action during a transition is dropped.
    if (transitionActive) {
        pendingCount = 0;
        return false;
    }
    return actSetUp(action) || actHighScores(action) || actOptions(action) || actMainMenu(action) ||
           actTitle(action) || gameAction(action) || actEndPicture(action);
}

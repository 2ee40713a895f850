// Game controllers through SDL's controller API and its mapping database:
// plugged in or out at any time, the face buttons and Start, the d-pad, and
// the left stick read as the d-pad; a held direction repeats like a key.
#include <SDL.h>

#include <vector>

#include "platform/internal.h"

namespace {
// A held direction repeats after this delay, then at this interval, as a
// desktop repeats a held key.
constexpr Uint32 repeatDelayMs = 450;
constexpr Uint32 repeatIntervalMs = 90;
// The stick counts as pushed past this much of its travel and as let go below
// the smaller one, so a stick near the line does not flutter.
constexpr int stickPushed = 16000;
constexpr int stickReleased = 8000;

bool subsystemOpen = false;
std::vector<SDL_GameController*> pads;
int held = -1;  // the direction that repeats, a PadCode
Uint32 nextRepeat = 0;
int stickX = 0;  // -1, 0 or 1 on each axis
int stickY = 0;

void hold(int code)
{
    held = code;
    nextRepeat = SDL_GetTicks() + repeatDelayMs;
}

void release(int code)
{
    if (held == code) {
        held = -1;
    }
}

int buttonCode(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return padA;
    case SDL_CONTROLLER_BUTTON_B:
        return padB;
    case SDL_CONTROLLER_BUTTON_Y:
        return padY;
    case SDL_CONTROLLER_BUTTON_START:
        return padStart;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return padUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return padDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return padLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return padRight;
    default:
        return -1;
    }
}

bool isDirection(int code)
{
    return code == padUp || code == padDown || code == padLeft || code == padRight;
}

// One stick axis: -1, 0 or 1 with the dead zone's two thresholds.
int axisState(int previous, int value)
{
    const int magnitude = value < 0 ? -value : value;
    if (magnitude >= stickPushed) {
        return value < 0 ? -1 : 1;
    }
    return magnitude < stickReleased ? 0 : previous;
}

// A stick axis that moved: a new push reports its direction and holds it.
bool stickMoved(int& state, int value, int negative, int positive, PlatformEvent& out)
{
    const int now = axisState(state, value);
    if (now == state) {
        return false;
    }
    if (state != 0) {
        release(state < 0 ? negative : positive);
    }
    state = now;
    if (now == 0) {
        return false;
    }
    out = {EventType::padButton, now < 0 ? negative : positive};
    hold(out.code);
    return true;
}

void closePad(SDL_JoystickID id)
{
    for (auto it = pads.begin(); it != pads.end(); ++it) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == id) {
            SDL_GameControllerClose(*it);
            pads.erase(it);
            break;
        }
    }
    // Whatever the pad held is let go with it.
    held = -1;
    stickX = 0;
    stickY = 0;
}
}  // namespace

void openGamePads()
{
    // Controllers already plugged in arrive as "added" events, like later ones.
    subsystemOpen = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void closeGamePads()
{
    for (SDL_GameController* pad : pads) {
        SDL_GameControllerClose(pad);
    }
    pads.clear();
    held = -1;
    if (subsystemOpen) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        subsystemOpen = false;
    }
}

bool translatePadEvent(const SDL_Event& e, PlatformEvent& out)
{
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) {
            pads.push_back(pad);
        }
        return false;
    case SDL_CONTROLLERDEVICEREMOVED:
        closePad(e.cdevice.which);
        return false;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const int code = buttonCode(e.cbutton.button);
        if (code < 0) {
            return false;
        }
        if (e.type == SDL_CONTROLLERBUTTONUP) {
            release(code);
            return false;
        }
        if (isDirection(code)) {
            hold(code);
        }
        out = {EventType::padButton, code};
        return true;
    }
    case SDL_CONTROLLERAXISMOTION:
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
            return stickMoved(stickX, e.caxis.value, padLeft, padRight, out);
        }
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
            return stickMoved(stickY, e.caxis.value, padUp, padDown, out);
        }
        return false;
    default:
        return false;
    }
}

bool padRepeatDue(PlatformEvent& out)
{
    if (held < 0 || !SDL_TICKS_PASSED(SDL_GetTicks(), nextRepeat)) {
        return false;
    }
    nextRepeat = SDL_GetTicks() + repeatIntervalMs;
    out = {EventType::padButton, held};
    return true;
}

// Pushes events into SDL's queue as the desktop would deliver them.
#include "event_probe.h"

#include <SDL.h>

#include <cstring>

namespace {
SDL_Joystick* pad = nullptr;
int padIndex = -1;

void push(SDL_Event e)
{
    SDL_PushEvent(&e);
}

Uint8 windowEventCode(ProbeWindowEvent what)
{
    switch (what) {
    case ProbeWindowEvent::focusLost:
        return SDL_WINDOWEVENT_FOCUS_LOST;
    case ProbeWindowEvent::focusGained:
        return SDL_WINDOWEVENT_FOCUS_GAINED;
    case ProbeWindowEvent::exposed:
        break;
    }
    return SDL_WINDOWEVENT_EXPOSED;
}

Uint32 refocus(Uint32, void*)
{
    probePushWindowEvent(ProbeWindowEvent::focusGained);
    return 0;
}
}  // namespace

void probePushButton(bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    push(e);
}

void probePushKey(ProbeKey key)
{
    static const SDL_Keycode codes[] = {SDLK_PAUSE, SDLK_BACKSPACE, SDLK_RETURN, SDLK_UP,
                                        SDLK_DOWN,  SDLK_LEFT,      SDLK_RIGHT,  SDLK_ESCAPE};
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = codes[int(key)];
    push(e);
}

bool probeAttachPad()
{
    if (pad) {
        return true;
    }
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Probe pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) {
        return false;
    }
    padIndex = index;
    pad = SDL_JoystickOpen(index);
    return pad != nullptr;
}

void probeDetachPad()
{
    if (!pad) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    pad = nullptr;
    // The index may have moved since the attach; the instance names it.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            padIndex = i;
        }
    }
    SDL_JoystickDetachVirtual(padIndex);
}

void probePadButton(ProbePadButton button, bool down)
{
    static const SDL_GameControllerButton buttons[] = {
        SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_Y,
        SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_DPAD_UP,    SDL_CONTROLLER_BUTTON_DPAD_DOWN,
        SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    };
    if (pad) {
        SDL_JoystickSetVirtualButton(pad, buttons[int(button)], down ? SDL_PRESSED : SDL_RELEASED);
    }
}

void probePadStick(int x, int y)
{
    if (pad) {
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, Sint16(x));
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, Sint16(y));
    }
}

void probePushText(const char* text)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    push(e);
}

void probePushWindowEvent(ProbeWindowEvent what)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = windowEventCode(what);
    push(e);
}

void probeRefocusAfter(int milliseconds)
{
    SDL_AddTimer(Uint32(milliseconds), refocus, nullptr);
}

bool probeWarpPointer(int x, int y)
{
    SDL_Window* window = SDL_GetWindowFromID(1);
    if (!window) {
        return false;
    }
    SDL_WarpMouseInWindow(window, x, y);
    return true;
}

void probeSleep(int milliseconds)
{
    SDL_Delay(Uint32(milliseconds));
}

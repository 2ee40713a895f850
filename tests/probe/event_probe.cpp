// Pushes events into SDL's queue as the desktop would deliver them.
#include "event_probe.h"

#include <SDL.h>

#include <cstring>

namespace {
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
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key == ProbeKey::pause       ? SDLK_PAUSE
                       : key == ProbeKey::backspace ? SDLK_BACKSPACE
                                                    : SDLK_RETURN;
    push(e);
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

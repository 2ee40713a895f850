// The desktop window's style and full screen: a window that may be resized
// and is drawn at the display's density, and full screen in the desktop's mode.
#include "platform/internal.h"

Uint32 windowStyle()
{
    return SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
}

bool enterFullscreen(SDL_Window* window)
{
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void leaveFullscreen(SDL_Window* window)
{
    SDL_SetWindowFullscreen(window, 0);
}

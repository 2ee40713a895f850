// The desktop's window modes: full screen in the desktop's own mode, or a
// fixed window of the picture's size centred on the desktop.
#include "platform/internal.h"

bool applyWindowMode(SDL_Window* window, bool fullscreen, int width, int height)
{
    if (fullscreen) {
        return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    }
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowResizable(window, SDL_FALSE);
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    return true;
}

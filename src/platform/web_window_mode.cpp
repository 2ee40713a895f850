// A browser's canvas keeps the picture's size, and the page scales it, in full
// screen as in the window. SDL's own resizing and full screen would set the
// canvas to the page's scaled size instead, and keep it there after full screen.
#include <emscripten.h>

#include "platform/internal.h"

Uint32 windowStyle()
{
    return 0;
}

// A browser grants full screen only soon after a click or key; without one (a
// saved full-screen setting at start) the page stays as it is.
bool enterFullscreen(SDL_Window* /*window*/)
{
    EM_ASM({ Module.setFullscreen(1); });
    return true;
}

void leaveFullscreen(SDL_Window* /*window*/)
{
    EM_ASM({ Module.setFullscreen(0); });
}

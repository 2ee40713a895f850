// Full screen in a browser is the page's: the canvas keeps the picture's size
// and the page scales it to the screen with its shape kept, as it does in the
// window. SDL's own full screen would resize the canvas to the page's scaled
// size when the browser leaves it.
#include <emscripten.h>

#include "platform/internal.h"

bool applyWindowMode(SDL_Window* /*window*/, bool fullscreen, int /*width*/, int /*height*/)
{
    // A browser grants full screen only soon after a click or key; without
    // one (a saved full-screen setting at start) the page stays as it is.
    EM_ASM({ Module.setFullscreen($0); }, fullscreen ? 1 : 0);
    return true;
}

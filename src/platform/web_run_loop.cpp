// The browser's frame loop: the page calls one step per display frame, and the
// end of the game leaves the last picture with a line that says so.
#include <emscripten.h>

#include "platform/run_loop.h"
#include "platform/web.h"
#include "platform/window.h"

namespace {
LoopStep (*loopStep)() = nullptr;

void runStep()
{
    // An idle step needs nothing: the browser throttles a hidden page itself,
    // and events reach SDL between frames.
    if (loopStep() != LoopStep::stop) {
        return;
    }
    emscripten_cancel_main_loop();
    platformShutdown();
    webGameEnded();
}
}  // namespace

void platformRunLoop(LoopStep (*step)())
{
    loopStep = step;
    // No frame rate of our own: the display's refresh paces the game.
    emscripten_set_main_loop(runStep, 0, 1);
}

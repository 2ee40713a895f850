// Program entry: start-up, then frames whenever the game is in the foreground
// and no event waits; in the background it sleeps until something happens.
#include "platform/run_loop.h"
#include "platform/window.h"
#include "shell/shell.h"

namespace {
LoopStep step()
{
    if (!processEvents()) {
        return LoopStep::stop;
    }
    if (!appActive || !appReady) {
        return LoopStep::idle;
    }
    platformBeginFrame();
    runFrame();
    return LoopStep::frame;
}
}  // namespace

int main()
{
    if (!startGame()) {
        platformShutdown();
        return 0;
    }
    // A browser never comes back from here; its platform shuts down by itself.
    platformRunLoop(step);
    platformShutdown();
    return 0;
}

// Program entry: start-up, then frames whenever the game is in the foreground
// and no event waits; in the background it sleeps until something happens.
#include "platform/window.h"
#include "shell/shell.h"

int main()
{
    if (!startGame()) {
        platformShutdown();
        return 0;
    }
    while (processEvents()) {
        if (!appActive || !appReady) {
            platformWaitEvent();
        } else {
            platformBeginFrame();
            runFrame();
        }
    }
    platformShutdown();
    return 0;
}

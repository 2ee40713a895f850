// The desktop's frame loop: as fast as frames run, asleep while the game is idle.
#include "platform/run_loop.h"

#include "platform/window.h"

void platformRunLoop(LoopStep (*step)())
{
    for (;;) {
        switch (step()) {
        case LoopStep::stop:
            return;
        case LoopStep::idle:
            platformWaitEvent();
            break;
        case LoopStep::frame:
            break;
        }
    }
}

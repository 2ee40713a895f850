// The page writes the sounds and the music into the game's folder as they
// arrive, after the first picture, and then calls webDataArrived.
#include <emscripten.h>

#include "platform/data_arrival.h"

namespace {
void (*arrivalWork)() = nullptr;
}  // namespace

void platformSetDataArrivalWork(void (*work)())
{
    arrivalWork = work;
}

// The page calls this between frames, never inside one.
extern "C" EMSCRIPTEN_KEEPALIVE void webDataArrived()
{
    if (arrivalWork) {
        arrivalWork();
    }
}

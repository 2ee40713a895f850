// Windows: the frame pacer on SDL's performance counter, with absolute wake-up
// times so that the time spent drawing does not add to the period. SDL asks
// Windows for one-millisecond timer resolution, so SDL_Delay sleeps that
// finely; the last part of a millisecond is waited out by yielding.
#include "platform/frame_pacer.h"

#include <SDL.h>

#include <cstdint>

namespace {
uint64_t nextWake = 0;
}  // namespace

void paceFrame(double periodSeconds)
{
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const auto period = uint64_t(periodSeconds * double(frequency));
    const uint64_t now = SDL_GetPerformanceCounter();
    if (nextWake == 0 || (now > nextWake && now - nextWake > period)) {
        nextWake = now;
        return;
    }
    nextWake += period;
    for (uint64_t t = SDL_GetPerformanceCounter(); t < nextWake; t = SDL_GetPerformanceCounter()) {
        const uint64_t millis = (nextWake - t) * 1000 / frequency;
        SDL_Delay(millis > 1 ? Uint32(millis - 1) : 0);
    }
}

void resetFramePacer()
{
    nextWake = 0;
}

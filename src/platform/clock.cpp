// SDL's performance counter and tick count, or simulated time for scripted runs.
#include "platform/clock.h"

#include <SDL.h>

#include <cmath>

namespace {
// A power of two, so that frame times like 1/128 s are whole counts.
constexpr uint64_t simulatedFrequency = uint64_t(1) << 20;
bool simulated = false;
uint64_t simulatedCount = simulatedFrequency;  // never 0: 0 means "not frozen"
uint32_t simulatedStartTicks = 0;
}  // namespace

uint64_t platformCounter()
{
    return simulated ? simulatedCount : SDL_GetPerformanceCounter();
}

uint64_t platformCounterFrequency()
{
    return simulated ? simulatedFrequency : SDL_GetPerformanceFrequency();
}

uint32_t platformTicks()
{
    if (!simulated) {
        return SDL_GetTicks();
    }
    const uint64_t elapsed = simulatedCount - simulatedFrequency;
    return simulatedStartTicks + uint32_t(elapsed * 1000 / simulatedFrequency);
}

void platformSimulateClock(uint32_t startTicks)
{
    simulated = true;
    simulatedStartTicks = startTicks;
    simulatedCount = simulatedFrequency;
}

void platformAdvanceSimulatedClock(double seconds)
{
    if (seconds > 0) {
        simulatedCount += uint64_t(std::llround(seconds * double(simulatedFrequency)));
    }
}

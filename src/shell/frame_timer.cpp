// The frame clock on the platform's high-resolution counter. Time spent in the
// background does not count: a freeze stops it and a resume restarts it.
#include "shell/frame_timer.h"

#include <cstdint>

#include "platform/clock.h"

namespace {
bool counterQueried = false;
bool counterAvailable = false;
uint64_t counterFrequency = 0;
uint64_t pauseStart = 0;
uint64_t lastTime = 0;
}  // namespace

double frameTimer(int mode)
{
    if (mode < timerStart || mode > timerNow) {
        return -1;
    }
    if (!counterQueried) {
        counterQueried = true;
        counterFrequency = platformCounterFrequency();
        counterAvailable = counterFrequency != 0;
    }
    if (!counterAvailable) {
        return 0;
    }
    // While frozen, a freeze keeps its first time and a delta reads zero.
    const bool frozenRead = pauseStart != 0 && (mode == timerFreeze || mode == timerDelta);
    const uint64_t now = frozenRead ? pauseStart : platformCounter();
    switch (mode) {
    case timerStart:
        pauseStart = 0;
        lastTime = now;
        return 0;
    case timerFreeze:
        pauseStart = now;
        lastTime = now;
        return 0;
    case timerDelta: {
        const uint64_t elapsed = now - lastTime;
        lastTime = now;
        return double(static_cast<long double>(elapsed) / counterFrequency);
    }
    default:
        return double(static_cast<long double>(now) / counterFrequency);
    }
}

void resetFrameTimer()
{
    counterQueried = false;
    counterAvailable = false;
    counterFrequency = 0;
    pauseStart = 0;
    lastTime = 0;
}

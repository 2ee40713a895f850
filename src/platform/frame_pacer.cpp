// The frame pacer on the monotonic clock, with absolute wake-up times so that
// the time spent drawing does not add to the period.
#include "platform/frame_pacer.h"

#include <time.h>

#include <cerrno>
#include <cstdint>

namespace {
constexpr int64_t nanosPerSecond = 1000000000;
int64_t nextWake = 0;

int64_t monotonicNanos()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * nanosPerSecond + now.tv_nsec;
}
}  // namespace

void paceFrame(double periodSeconds)
{
    const int64_t period = int64_t(periodSeconds * nanosPerSecond);
    const int64_t now = monotonicNanos();
    if (nextWake == 0 || now - nextWake > period) {
        nextWake = now;
        return;
    }
    nextWake += period;
    const timespec wake{time_t(nextWake / nanosPerSecond), long(nextWake % nanosPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {}
}

void resetFramePacer()
{
    nextWake = 0;
}

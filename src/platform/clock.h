// The clock behind frame times and random seeds: a high-resolution counter and
// a millisecond tick count. A scripted run replaces both with simulated time.
#pragma once
#include <cstdint>

uint64_t platformCounter();
uint64_t platformCounterFrequency();
// Milliseconds since some fixed moment; differences are wrap-safe as unsigned.
uint32_t platformTicks();

// Simulated time for reproducible runs: the counter stands still until advanced,
// and the tick count is startTicks plus the simulated milliseconds.
void platformSimulateClock(uint32_t startTicks);
void platformAdvanceSimulatedClock(double seconds);

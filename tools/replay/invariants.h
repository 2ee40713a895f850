// What must hold after every frame of a run, whoever plays it: the settled
// board, the counters on the screen, the flying pieces and the frame's cost.
#pragma once
#include <string>

// Starts a run's checks; a frame that takes more processor time than the
// limit is a violation.
void startInvariantChecks(double frameLimitSeconds);
// After a frame: dt its frame time, pressed whether a mouse button went down
// before it, cpuSeconds the processor time it took. False with a message at
// the first violation.
bool checkInvariants(double dt, bool pressed, double cpuSeconds, std::string& message);

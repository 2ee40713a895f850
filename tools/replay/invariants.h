// What must hold after every frame of a run, whoever plays it: the settled
// board, the counters on the screen, the flying pieces and the frame's cost;
// and the checked frame that the driver and the soak both run.
#pragma once
#include <string>

// Starts a run's checks; a frame that takes more processor time than the
// limit is a violation.
void startInvariantChecks(double frameLimitSeconds);
// After a frame: dt its frame time, pressed whether a mouse button went down
// before it, cpuSeconds the processor time it took. False with a message at
// the first violation.
bool checkInvariants(double dt, bool pressed, double cpuSeconds, std::string& message);

// A board cell as the messages name it: "(column, row)".
std::string cellName(int column, int row);

// Processor time the calling thread has used, in seconds: a frame's cost
// without the time other processes took from it.
double threadSeconds();

// How one frame of a checked run ended.
enum class FrameEnd {
    ran,         // the frame ran, or the game waited in the background; every check held
    gameEnded,   // the events closed the game before the frame
    windowGone,  // the frame closed the game's window; nothing was checked
    violated,    // a check failed; the message says which
};
// One frame with simulated time: the waiting events, then, while the game is
// in the foreground, the clock moved on by dt and the frame; then, when check
// is set, the invariants. played grows by the game time that passed.
FrameEnd checkedFrame(double dt, bool check, double& played, std::string& message);

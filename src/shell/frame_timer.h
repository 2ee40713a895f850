// The frame clock: seconds since the previous frame, frozen while the game is
// in the background.
#pragma once

enum : int {
    timerStart = 0,   // start or resume
    timerFreeze = 1,  // freeze while in the background
    timerDelta = 2,   // seconds since the previous reading
    timerNow = 3,     // absolute time in seconds
};

double frameTimer(int mode);
// Forgets everything, as at program start (tests).
void resetFrameTimer();

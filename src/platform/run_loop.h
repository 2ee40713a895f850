// The program's frame loop. The desktop runs it as a loop of its own; a browser
// calls it once per display frame, so neither the game nor the shell blocks.
#pragma once

enum class LoopStep {
    stop,   // the game has ended
    frame,  // a frame ran
    idle,   // nothing to do until an event arrives
};

// Calls step until it returns stop. On the desktop an idle step sleeps until the
// next event and the call returns after the stop. In a browser it never returns:
// step runs once per display frame, an idle step just waits for the next one, and
// after the stop the platform shuts itself down and says so on the page.
void platformRunLoop(LoopStep (*step)());

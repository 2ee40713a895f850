// The score counter, the level bar with the timed drain and its warning tick,
// the level digits and the level-complete test, every frame on the board.
#pragma once
#include <cstdint>

extern uint8_t barRising;        // the shown bar moved up on this frame
extern float barHoldTime;        // a timed bar waits this long after a gain
extern float tickTime;           // time to the next warning tick
extern uint8_t levelDoneFrames;  // frames the full bar has been seen
extern uint8_t lastLevelFrames;  // frames the full bar of the last level has been seen

void updateHud(float dt);

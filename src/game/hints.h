// Every swap that completes a line: the no-move test, the hint search and the
// hint animation.
#pragma once
#include <cstdint>

extern int hintFirstColumn;
extern int hintFirstRow;
extern int hintSecondColumn;
extern int hintSecondRow;
extern uint8_t hintActive;
extern int hintLegs;
extern float hintTravel;

bool hasMove();
void findHint();
void hintStep(float dt);
// The frying pan was clicked: show a move, at a cost.
void useHint();

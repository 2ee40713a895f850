// Hints (placeholder until the rules land).
#include "game/hints.h"

int hintFirstColumn = 0;
int hintFirstRow = 0;
int hintSecondColumn = 0;
int hintSecondRow = 0;
uint8_t hintActive = 0;
int hintLegs = 0;
float hintTravel = 0;

bool hasMove()
{
    return true;
}
void findHint() {}
void hintStep(float) {}
void useHint() {}

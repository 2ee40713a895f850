// Title screen and transition (placeholder until they land).
#include "game/title.h"

float titleClock = 0;
float transitionClock = 0;

void drawTitle() {}
void hoverTitle(int, int, float) {}
bool clickTitle(int, int)
{
    return false;
}
void captureTransition() {}
void stepTransition(float) {}

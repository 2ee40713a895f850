// The move engine (placeholder until the rules land).
#include "game/moves.h"

#include "game/board.h"

int selectState = 0;
int firstColumn = 0;
int firstRow = 0;
int targetColumn = 0;
int targetRow = 0;
int pressX = 0;
int pressY = 0;
float swapTravel = 0;
uint8_t swapLegs = 0;
int fallSpeed = 3;
float fallTravel = 0;
uint8_t falling = 0;
int clearedCount = 0;
int dragThreshold = 10;

bool boardClick(int, int)
{
    return false;
}
void boardDrag(int, int) {}
void swapStep(float) {}
void fallStep(float) {}
void clearPass() {}
void advanceFrames(Cell&, float) {}
bool targetSwapping()
{
    return false;
}

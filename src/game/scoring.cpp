// Scoring and levels (placeholder until the game screen lands).
#include "game/scoring.h"

int score = 0;
float shownScore = 0;
int multiplier = 0;
float bar = 0;
float shownBar = 0;
int level = 1;
uint8_t gameMode = 0;
uint8_t barRising = 0;
float barHoldTime = 0;
float tickTime = 0;
uint8_t levelDoneFrames = 0;
uint8_t lastLevelFrames = 0;
float bannerClock = -200;
float bannerY = 0;
uint8_t dropIn = 0;
float dropY[64];
uint8_t flyOutRunning = 0;
FlyOutPiece flyOutPieces[64];
float flyOutClock = 0;
uint8_t flyOutCount = 0;

void scorePass(int) {}
void noMoveTest() {}

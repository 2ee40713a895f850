// Points, the level bar, levels, game over, the phase banners and the board
// fly-out and drop-in between levels.
#pragma once
#include <cstdint>

#include "base/layout.h"

// The bar's value is the height of its picture that shows.
constexpr float fullBar = layout::barH;

struct FlyOutPiece {
    float x;
    float y;
    float offset;
    int kind;
    int threshold;
};

extern int score;
extern float shownScore;
extern int multiplier;
extern float bar;
extern float shownBar;
extern int level;
extern uint8_t gameMode;  // 0 untimed, 1 timed
extern uint8_t barRising;
extern float barHoldTime;
extern float tickTime;
extern uint8_t levelDoneFrames;
extern uint8_t lastLevelFrames;
extern float bannerClock;
extern float bannerY;
extern uint8_t dropIn;
extern float dropY[64];
extern uint8_t flyOutRunning;
extern FlyOutPiece flyOutPieces[64];
extern float flyOutClock;
extern uint8_t flyOutCount;

void scorePass(int cleared);
void noMoveTest();
void updateHud(float dt);
void updateBanner(int phase, float dt);
void startDropIn();
bool updateDropIn(float dt);
void startFlyOut();
bool updateFlyOut(float dt);
void startNewGame();

// Points and the level bar for every clear pass, the level and the mode, and
// the no-move test.
#pragma once
#include <cstdint>

#include "base/layout.h"

// The bar's value is the height of its picture that shows.
constexpr float fullBar = layout::barH;

extern int score;
extern float shownScore;
extern int multiplier;
extern float bar;
extern float shownBar;
extern int level;
extern uint8_t gameMode;  // 0 untimed, 1 timed

void scorePass(int cleared);
void noMoveTest();

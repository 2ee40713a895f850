// Points and the level bar for every clear pass, the level and the mode, and
// the no-move test.
#pragma once
#include <cstdint>

#include "base/layout.h"

// The bar's value is the height of its picture that shows.
constexpr float fullBar = layout::barH;
// The largest score the game keeps. Well inside int, and small enough that
// the shown score, a float, still counts up in whole points.
constexpr int scoreLimit = 9999999;
// The level whose full bar ends the game instead of opening another.
constexpr int lastLevel = 99;
// A pass can push the bar a little past full, never this far.
constexpr float barLimit = 100;

extern int score;
extern float shownScore;
extern int multiplier;
extern float bar;
extern float shownBar;
extern int level;
// The game's two modes, as the save file stores them.
enum GameMode : uint8_t { modeUntimed = 0, modeTimed = 1 };

extern uint8_t gameMode;  // a GameMode

void scorePass(int cleared);
void noMoveTest();

// Between boards: the old pieces fall out row by row, a new board is dealt and
// its pieces drop in from above; and the start of a new game.
#pragma once
#include <cstdint>

extern uint8_t dropIn;         // the new board's pieces are dropping in
extern uint8_t flyOutRunning;  // the old board's pieces are falling out

void startDropIn();
// Both draw their pieces and return true once done (or not running).
bool updateDropIn(float dt);
void startFlyOut();
bool updateFlyOut(float dt);
void startNewGame();

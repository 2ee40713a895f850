// The game set-up panel: timed or untimed, 6, 7 or 8 kinds, Back and Start.
#pragma once

#include "base/actions.h"

// The rows of the layout table, in this order; the kinds rows stand for 6, 7 and 8.
enum SetUpRow { timedRow, untimedRow, sixKindsRow, sevenKindsRow, eightKindsRow };

int findSetUpRow(int x, int y);  // a SetUpRow, or noPanelRow
void drawSetUp();
void hoverSetUp(int x, int y);
bool clickSetUp(int x, int y);
// By keys: up and down through the rows to Back and Start, left and right
// between those two; press chooses or presses.
bool focusSetUp(int& x, int& y);
bool actSetUp(Action action);

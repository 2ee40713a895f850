// The board by keys or controller: a cursor frame on one cell; press picks the
// piece under it, and a direction then swaps it with that neighbour.
#pragma once

#include "base/actions.h"

// The game screen's part of the action chain: the menu button, the pan and
// the cursor. False when the game screen is not shown or takes no action now.
bool gameAction(Action action);
// Called by the game's hover while the focus is shown.
void drawBoardCursor();
// The cell the cursor stands on.
void boardCursor(int& column, int& row);

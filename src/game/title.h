// The title screen and the falling-tiles transition between screens.
#pragma once

#include "base/actions.h"

void drawTitle();
void hoverTitle(int x, int y, float dt);
bool clickTitle(int x, int y);
// By keys: the start button is the only one, and press presses it.
bool focusTitle(int& x, int& y);
bool actTitle(Action action);
void captureTransition();
void stepTransition(float dt);

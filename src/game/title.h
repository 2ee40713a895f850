// The title screen and the falling-tiles transition between screens.
#pragma once

void drawTitle();
void hoverTitle(int x, int y, float dt);
bool clickTitle(int x, int y);
void captureTransition();
void stepTransition(float dt);

// The game set-up panel: timed or untimed, 6, 7 or 8 kinds, Back and Start.
#pragma once

int findSetUpRow(int x, int y);  // 0..4, or -1 (noPanelRow)
void drawSetUp();
void hoverSetUp(int x, int y);
bool clickSetUp(int x, int y);

// The main menu: background, the picture of the button under the pointer, and
// five caption buttons (resume, new game, options, high scores, exit).
#pragma once

void drawMenuBackdrop();
void drawMainMenu();
void hoverMainMenu(int x, int y);
bool clickMainMenu(int x, int y);

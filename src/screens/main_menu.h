// The main menu: background, the picture of the button under the pointer, and
// five caption buttons (resume, new game, options, high scores, exit).
#pragma once

#include "base/actions.h"

// The buttons in the order of the layout table.
enum MenuButtonRow { resumeButton, newGameButton, optionsButton, highScoresButton, exitButton, noButton };

void drawMenuBackdrop();
void drawMainMenu();
void hoverMainMenu(int x, int y);
bool clickMainMenu(int x, int y);
// By keys: up and down move the lit button, press presses it.
bool focusMainMenu(int& x, int& y);
bool actMainMenu(Action action);

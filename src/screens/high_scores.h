// Six high-score tables with name entry, and the end-of-game picture.
#pragma once
#include <cstdint>

#include "base/actions.h"

#include "game/score_tables.h"

void initHighScores();
void drawHighScores(float dt);
void hoverHighScores(int x, int y, float dt);
bool clickHighScores(int x, int y);
void drawEndPicture(float dt);
void hoverEndPicture(int x, int y);
bool clickEndPicture(int x, int y);
// By keys: left and right press the arrows, press presses the lit button
// (Back, an arrow, the name panel's OK, the end picture's button).
bool focusHighScores(int& x, int& y);
bool actHighScores(Action action);
bool focusEndPicture(int& x, int& y);
bool actEndPicture(Action action);
// The name panel by controller: up and down change the last letter, right
// adds one and left takes the last away. False unless the panel is open.
bool editName(Action action);

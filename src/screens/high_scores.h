// Six high-score tables with name entry, and the end-of-game picture.
#pragma once
#include <cstdint>

#include "game/score_tables.h"

void initHighScores();
void drawHighScores(float dt);
void hoverHighScores(int x, int y, float dt);
bool clickHighScores(int x, int y);
void drawEndPicture(float dt);
void hoverEndPicture(int x, int y);
bool clickEndPicture(int x, int y);

// Six high-score tables with name entry, and the end-of-game picture.
#pragma once
#include <cstdint>

struct HighScoreRow {
    char name[100];
    int32_t score;
};
static_assert(sizeof(HighScoreRow) == 104, "a table row is 104 bytes in the save file");

// Row (rank r, mode m, kinds k) is r*6 + m*3 + (k - 6).
extern HighScoreRow highScores[54];
extern int shownTable;
extern int placedRank;
extern uint8_t namePending;
extern float prevArrowFrame;
extern float nextArrowFrame;
extern float endPictureY;
extern uint8_t endPictureArrived;

inline HighScoreRow& highScoreRow(int rank, int mode, int kinds)
{
    return highScores[rank * 6 + mode * 3 + (kinds - 6)];
}

void initHighScores();
void placeScore(int mode);
void commitName();
void drawHighScores(float dt);
void hoverHighScores(int x, int y, float dt);
bool clickHighScores(int x, int y);
void drawEndPicture(float dt);
void hoverEndPicture(int x, int y);
bool clickEndPicture(int x, int y);

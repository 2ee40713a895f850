// High scores (placeholder until they land).
#include "screens/high_scores.h"

HighScoreRow highScores[54];
int shownTable = 0;
int placedRank = 0;
uint8_t namePending = 0;
float prevArrowFrame = 0;
float nextArrowFrame = 0;
float endPictureY = -300;
uint8_t endPictureArrived = 0;

bool loadHighScoreArtwork()
{
    return true;
}
void freeHighScoreArtwork() {}
void initHighScores() {}
void placeScore(int) {}
void commitName() {}
void drawHighScores(float) {}
void hoverHighScores(int, int, float) {}
bool clickHighScores(int, int)
{
    return false;
}
void drawEndPicture(float) {}
void hoverEndPicture(int, int) {}
bool clickEndPicture(int, int)
{
    return false;
}

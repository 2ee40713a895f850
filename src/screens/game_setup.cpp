// Game set-up (placeholder until it lands).
#include "screens/game_setup.h"

Sprite* activeOptionSprite = nullptr;

bool loadSetUpArtwork()
{
    return true;
}
void freeSetUpArtwork() {}
int findSetUpRow(int, int)
{
    return -1;
}
void drawSetUp() {}
void hoverSetUp(int, int) {}
bool clickSetUp(int, int)
{
    return false;
}

// The game screen (placeholder until it lands).
#include "game/game_screen.h"

#include "graphics/sprite.h"

Sprite* backgroundSprite = nullptr;
Sprite* piecesSprite = nullptr;
Sprite* fontSprite = nullptr;
Sprite* smallDigitsSprite = nullptr;
Sprite* bannerSprite = nullptr;
Sprite* easyFoodSprite = nullptr;
Sprite* cursorSprite = nullptr;
Sprite* titleSprite = nullptr;
Sprite* snapshotSprite = nullptr;
Sprite* blinkSprite = nullptr;
Sprite* panSprite = nullptr;
Sprite* largeDigitsSprite = nullptr;
Sprite* mixerSprite = nullptr;

int hoverLatch = 0;
uint8_t menuHover = 0;
uint8_t panHover = 0;
uint8_t mixerRequest = 0;
float mixerClock = 0;
uint8_t noFlyers = 1;

bool loadGameArtwork()
{
    return true;
}
void freeGameArtwork() {}
void createPanRegion() {}
void deletePanRegion() {}
bool inPanRegion(int, int)
{
    return false;
}
void hoverSound(int) {}
void drawGameBackdrop(float) {}
void updateBoard(float) {}
void gameHover(int, int) {}
bool gameClick(int, int)
{
    return false;
}
void drawCursor(int, int) {}

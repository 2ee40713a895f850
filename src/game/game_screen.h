// The game screen: its artwork, buttons, pan and mixer animations, the flying
// pieces, the pause sign and the game's own pointer.
#pragma once
#include <cstdint>
#include <list>

#include "audio/sound_effects.h"

class Sprite;

struct Flyer {
    float x;
    float y;
    uint8_t kind;
    float speedX;
    float speedY;
    float size;
};

extern Sprite* backgroundSprite;
extern Sprite* piecesSprite;
extern Sprite* fontSprite;
extern Sprite* smallDigitsSprite;
extern Sprite* bannerSprite;
extern Sprite* easyFoodSprite;
extern Sprite* cursorSprite;
extern Sprite* titleSprite;
extern Sprite* snapshotSprite;
extern Sprite* blinkSprite;
extern Sprite* panSprite;
extern Sprite* largeDigitsSprite;
extern Sprite* mixerSprite;

extern int hoverLatch;
extern uint8_t menuHover;
extern uint8_t panHover;
extern uint8_t mixerRequest;
extern float mixerClock;
extern uint8_t noFlyers;
extern uint8_t flyersLaunched;
extern std::list<Flyer> flyers;  // newest first

bool loadGameArtwork();
void freeGameArtwork();
void createPanRegion();
void deletePanRegion();
bool inPanRegion(int x, int y);
void hoverSound(SoundId id);
// A piece of the given kind and animation frame, clipped to the board.
void drawPiece(int x, int y, int kind, int frame);
void drawGameBackdrop(float dt);
void updateBoard(float dt);
void gameHover(int x, int y);
bool gameClick(int x, int y);
void drawCursor(int x, int y);
void launchFlyer(int column, int row, int kind);
void updateFlyers(float dt);

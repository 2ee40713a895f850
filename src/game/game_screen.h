// The game screen: its artwork, buttons, pan and mixer animations, the flying
// pieces, the pause sign and the game's own pointer.
#pragma once
#include <cstdint>
#include <list>

class Sprite;

struct Flyer {
    float x;
    float y;
    uint8_t kind;
    float speedX;
    float speedY;
    float size;
};

// The frame a screen transition lets fall away; made here, not loaded.
extern Sprite* snapshotSprite;

extern int hoverLatch;
extern uint8_t menuHover;
extern uint8_t panHover;
extern uint8_t mixerRequest;
extern float mixerClock;
extern uint8_t noFlyers;
extern uint8_t flyersLaunched;
extern std::list<Flyer> flyers;  // newest first

// The screen's own surface, the transition's snapshot; its pictures come from
// the artwork table.
bool loadGameArtwork();
void freeGameArtwork();
void createPanRegion();
void deletePanRegion();
bool inPanRegion(int x, int y);
void hoverSound(int id);
// A piece of the given kind and animation frame, clipped to the board.
void drawPiece(int x, int y, int kind, int frame);
void drawGameBackdrop(float dt);
void updateBoard(float dt);
void gameHover(int x, int y);
bool gameClick(int x, int y);
void drawCursor(int x, int y);
void launchFlyer(int column, int row, int kind);
void updateFlyers(float dt);

// The game screen: its artwork, buttons, pan and mixer animations, the board
// drawing, the pause sign and the game's own pointer.
#pragma once
#include <cstdint>

class Sprite;

// The frame a screen transition lets fall away; made here, not loaded.
extern Sprite* snapshotSprite;

extern uint8_t menuHover;
extern uint8_t panHover;
extern float mixerClock;

// The screen's own surface, the transition's snapshot; its pictures come from
// the artwork table.
bool loadGameArtwork();
void freeGameArtwork();
void createPanRegion();
void deletePanRegion();
bool inPanRegion(int x, int y);
// A piece of the given kind and animation frame, clipped to the board.
void drawPiece(int x, int y, int kind, int frame);
void drawGameBackdrop(float dt);
void updateBoard(float dt);
void gameHover(int x, int y);
bool gameClick(int x, int y);
void drawCursor(int x, int y);

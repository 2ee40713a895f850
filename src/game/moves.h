// The move engine: choosing pieces, swaps there and back, clear passes, falls
// one cell at a time, and cascades.
#pragma once
#include <cstdint>

// What the board's selection is doing. A board click counts it up by one, so it
// can also stand above the last of these until something resets it.
enum SelectState : int {
    selectNone,      // nothing chosen
    selectFirst,     // a first piece is chosen
    selectSecond,    // a second click is being handled
    selectSwapping,  // a swap is running
};

extern int selectState;
extern int firstColumn;
extern int firstRow;
extern int targetColumn;
extern int targetRow;
extern int pressX;
extern int pressY;
extern float swapTravel;
extern uint8_t swapLegs;
extern int fallSpeed;  // hundreds of pixels per second
extern float fallTravel;
extern uint8_t falling;
extern int clearedCount;

bool boardClick(int x, int y);
void boardDrag(int x, int y);
void swapStep(float dt);
void fallStep(float dt);
void clearPass();
void advanceFrames(struct Cell& cell, float dt);
// The same choices by cell instead of by point, for the keys: picking a piece
// as a first click does, swapping the picked piece with a neighbour as a
// second click on it does, and putting it down again.
void pickPiece(int column, int row);
bool swapPickedWith(int column, int row);
void putPieceDown();
// The piece picked and waiting for its neighbour, if any.
bool piecePicked(int& column, int& row);
// Whether the swap target is on the board and flagged as swapping.
bool targetSwapping();

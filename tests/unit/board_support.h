// Shared set-up for the board tests: a clean game state, two known fillers,
// and frames of the board update at a fixed frame time.
#pragma once
#include <cstdint>
#include <vector>

constexpr float frameTime = 1.0f / 128;

// Every global the board, moves, hints and scoring touch back to its start
// value, on the block filler; the simulated clock fixes every random seed.
void resetBoardState(uint32_t ticks = 5000);
// Kinds 6 and 7 in 2x2 blocks: no run of three, moves everywhere.
void setFillerBoard();
// Diagonal stripes of kinds 5, 6 and 7 with pieceKindCount 5: no move at all,
// new pieces never match the stripes, and shifting a block of neighbouring
// columns down by the same amount builds no line.
void setStripeBoard();
void setKind(int column, int row, int kind);
// One frame of the board update: the clock advances, then swap, fall and hint steps.
void boardFrame(float dt = frameTime);
// Frames until no swap, fall or hint runs; returns how many, or -1 past the limit.
int settleBoard(int limit = 10000);
// Independent of the game's line tests: any horizontal or vertical run of three.
bool hasRunOfThree();
std::vector<uint8_t> boardBytes();
// A click on a cell's centre with the button held.
bool clickCell(int column, int row);

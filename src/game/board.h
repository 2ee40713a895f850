// The 8x8 board: cell records as the save file stores them, the deal, the
// bounds-guarded kind query and the two line tests.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/layout.h"

constexpr int boardColumns = 8;
constexpr int boardRows = 8;
using layout::boardLeft;
using layout::boardTop;
using layout::cellSize;
static_assert(layout::boardArea.w() == boardColumns * cellSize &&
                  layout::boardArea.h() == boardRows * cellSize,
              "the board's picture holds every cell");
constexpr uint8_t emptyKind = 9;
constexpr uint8_t offBoardKind = 150;

// One piece with its screen position, animation frame and flags; the save file
// stores these 20 bytes as they lie in memory.
struct Cell {
    float x;
    float y;
    uint8_t kind;
    uint8_t padding1[3];
    float frame;
    uint8_t swapping;
    uint8_t highlighted;
    uint8_t padding2[2];
};
static_assert(sizeof(Cell) == 20, "a cell record is 20 bytes");
static_assert(offsetof(Cell, x) == 0 && offsetof(Cell, y) == 4 && offsetof(Cell, kind) == 8 &&
                  offsetof(Cell, frame) == 12 && offsetof(Cell, swapping) == 16 &&
                  offsetof(Cell, highlighted) == 17,
              "cell layout is fixed by the save file");

struct ColumnGap {
    uint8_t hasGap;
    uint8_t gapRow;
};

extern Cell board[64];  // column-major: cell (c, r) at c*8 + r
extern Cell spawnCells[8];
extern int clearMarks[64];
extern ColumnGap columnGap[8];
extern int pieceKindCount;

inline bool onBoard(int column, int row)
{
    return column >= 0 && column < boardColumns && row >= 0 && row < boardRows;
}

inline Cell& cellAt(int column, int row)
{
    return board[column * 8 + row];
}

uint8_t kindAt(int column, int row);
void snapCell(int column, int row);
void swapCells(Cell& a, Cell& b);
void clearHighlights();
bool boardFull();
void resetSpawnCell(int column);
void dealBoard(int kindCount);
void breakInitialLines();
bool hasLine();
void markLines();

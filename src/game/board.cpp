// The board (placeholder until the rules land).
#include "game/board.h"

Cell board[64];
Cell spawnCells[8];
int clearMarks[64];
ColumnGap columnGap[8];
int pieceKindCount = 6;

uint8_t kindAt(int, int)
{
    return offBoardKind;
}
void snapCell(int, int) {}
void swapCells(Cell&, Cell&) {}
void clearHighlights() {}
bool boardFull()
{
    return true;
}
void resetSpawnCell(int) {}
void dealBoard(int) {}
void breakInitialLines() {}
bool hasLine()
{
    return false;
}
void markLines() {}

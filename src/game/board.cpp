// The 8x8 board: the deal without ready-made lines, the kind query that reads
// 150 beyond the edges, and the line tests that every move is judged by.
#include "game/board.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "game/flyers.h"
#include "game/game_screen.h"
#include "platform/clock.h"

Cell board[64];
Cell spawnCells[8];
int clearMarks[64];
ColumnGap columnGap[8];
int pieceKindCount = 6;

namespace {
uint8_t rollKind(int kindCount)
{
    return uint8_t(std::rand() % kindCount);
}

void rerollThree(int c0, int r0, int c1, int r1, int c2, int r2)
{
    cellAt(c0, r0).kind = rollKind(pieceKindCount);
    cellAt(c1, r1).kind = rollKind(pieceKindCount);
    cellAt(c2, r2).kind = rollKind(pieceKindCount);
}

// One pass over the board; rerolls the first run of three it meets and says so.
bool rerollFirstRun()
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const uint8_t k = cellAt(c, r).kind;
            if (c <= 5 && cellAt(c + 1, r).kind == k && cellAt(c + 2, r).kind == k) {
                rerollThree(c, r, c + 1, r, c + 2, r);
            } else if (c >= 2 && cellAt(c - 1, r).kind == k && cellAt(c - 2, r).kind == k) {
                rerollThree(c, r, c - 1, r, c - 2, r);
            } else if (r <= 5 && cellAt(c, r + 1).kind == k && cellAt(c, r + 2).kind == k) {
                rerollThree(c, r, c, r + 1, c, r + 2);
            } else if (r >= 2 && cellAt(c, r - 1).kind == k && cellAt(c, r - 2).kind == k) {
                rerollThree(c, r, c, r - 1, c, r - 2);
            } else {
                continue;
            }
            return true;
        }
    }
    return false;
}

// A centred triple whose outer cells both lie on the board. Off the board the
// kind query reads 150, which no real piece has; the explicit edge test keeps a
// damaged saved kind of 150 from matching the outside and marking beyond the board.
bool rowTriple(int c, int r)
{
    const uint8_t k = kindAt(c, r);
    return c >= 1 && c <= 6 && kindAt(c - 1, r) == k && kindAt(c + 1, r) == k;
}

bool columnTriple(int c, int r)
{
    const uint8_t k = kindAt(c, r);
    return r >= 1 && r <= 6 && kindAt(c, r - 1) == k && kindAt(c, r + 1) == k;
}

void markCell(int column, int row)
{
    clearMarks[column * 8 + row] = 1;
}
}  // namespace

uint8_t kindAt(int column, int row)
{
    if (!onBoard(column, row)) {
        return offBoardKind;
    }
    return cellAt(column, row).kind;
}

void snapCell(int column, int row)
{
    Cell& cell = cellAt(column, row);
    cell.x = float(column) * cellSize + boardLeft;
    cell.y = float(row) * cellSize + boardTop;
}

void swapCells(Cell& a, Cell& b)
{
    std::swap(a, b);
}

void clearHighlights()
{
    for (Cell& cell : board) {
        cell.highlighted = 0;
    }
}

bool boardFull()
{
    for (const Cell& cell : board) {
        if (cell.kind == emptyKind) {
            return false;
        }
    }
    return true;
}

void resetSpawnCell(int column)
{
    // Every field and padding byte is zero, as the save file expects.
    Cell& spawn = spawnCells[column];
    spawn = Cell{};
    spawn.x = float(boardLeft + cellSize * column);
    spawn.y = float(boardTop - cellSize);
    spawn.kind = emptyKind;
}

void dealBoard(int kindCount)
{
    std::srand(platformTicks());
    for (int c = 0; c < boardColumns; ++c) {
        resetSpawnCell(c);
        for (int r = 0; r < boardRows; ++r) {
            Cell& cell = cellAt(c, r);
            cell = Cell{};
            cell.kind = rollKind(kindCount);
            snapCell(c, r);
        }
    }
    breakInitialLines();
}

void breakInitialLines()
{
    // Every reroll may build a new run elsewhere, so the scan starts over.
    while (rerollFirstRun()) {}
}

bool hasLine()
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            if (rowTriple(c, r) || columnTriple(c, r)) {
                return true;
            }
        }
    }
    return false;
}

void markLines()
{
    std::memset(clearMarks, 0, sizeof clearMarks);
    std::memset(columnGap, 0, sizeof columnGap);
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const int k = kindAt(c, r);
            // Every centred triple sends its own three pieces to the mixer, so a
            // long run feeds it more pieces than it clears.
            if (rowTriple(c, r)) {
                markCell(c - 1, r);
                markCell(c + 1, r);
                markCell(c, r);
                launchFlyer(c - 1, r, k);
                launchFlyer(c + 1, r, k);
                launchFlyer(c, r, k);
            }
            if (columnTriple(c, r)) {
                markCell(c, r - 1);
                markCell(c, r + 1);
                markCell(c, r);
                launchFlyer(c, r - 1, k);
                launchFlyer(c, r + 1, k);
                launchFlyer(c, r, k);
            }
        }
    }
}

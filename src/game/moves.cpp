// The move engine: choosing pieces by click or drag, swaps there and back,
// clear passes, falls one cell at a time, and cascades.
#include "game/moves.h"

#include <cstdlib>
#include <utility>

#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/scoring.h"
#include "platform/clock.h"

int selectState = selectNone;
int firstColumn = 0;
int firstRow = 0;
int targetColumn = 0;
int targetRow = 0;
int pressX = 0;
int pressY = 0;
float swapTravel = 0;
uint8_t swapLegs = 0;
int fallSpeed = 3;
float fallTravel = 0;
uint8_t falling = 0;
int clearedCount = 0;

namespace {
// How far the pointer moves with the button down before it drags a piece.
constexpr int dragThreshold = 10;
constexpr float swapSpeed = 160;

int& markAt(int column, int row)
{
    return clearMarks[column * 8 + row];
}

bool inBoardRect(int x, int y)
{
    return layout::boardArea.contains(x, y);
}

// Truncates toward zero, so a point up to a cell beyond the left or top edge
// still names column or row 0.
int columnUnder(int x)
{
    return (x - boardLeft) / cellSize;
}

int rowUnder(int y)
{
    return (y - boardTop) / cellSize;
}

// Right, left, lower or upper neighbour of the chosen piece; diagonals never swap.
bool targetNextToFirst()
{
    return (targetColumn == firstColumn + 1 && targetRow == firstRow) ||
           (targetColumn == firstColumn - 1 && targetRow == firstRow) ||
           (targetColumn == firstColumn && targetRow == firstRow + 1) ||
           (targetColumn == firstColumn && targetRow == firstRow - 1);
}

void flagTarget()
{
    Cell& target = cellAt(targetColumn, targetRow);
    target.highlighted = 1;
    target.swapping = 1;
}

void chooseFirst(int column, int row)
{
    firstColumn = column;
    firstRow = row;
    cellAt(column, row).highlighted = 1;
    playSound(soundSelect);
}

void endSwap()
{
    cellAt(targetColumn, targetRow).swapping = 0;
    snapCell(firstColumn, firstRow);
    snapCell(targetColumn, targetRow);
}

void slideTowardEachOther(float step)
{
    Cell& first = cellAt(firstColumn, firstRow);
    Cell& target = cellAt(targetColumn, targetRow);
    if (firstRow == targetRow) {
        Cell& right = firstColumn > targetColumn ? first : target;
        Cell& left = firstColumn > targetColumn ? target : first;
        right.x -= step;
        left.x += step;
    } else if (firstColumn == targetColumn) {
        Cell& lower = firstRow > targetRow ? first : target;
        Cell& upper = firstRow > targetRow ? target : first;
        lower.y -= step;
        upper.y += step;
    }
}

// Moves the records of every gap column one row down, puts the spawn pieces in
// at the top and leaves the board snapped.
void completeFallStep()
{
    for (int c = 0; c < boardColumns; ++c) {
        if (!columnGap[c].hasGap) {
            continue;
        }
        // The lowest gap is overwritten; marks travel with their cells so that
        // the empty cells above it are found again by the next pass.
        for (int r = columnGap[c].gapRow; r >= 1; --r) {
            cellAt(c, r) = cellAt(c, r - 1);
            markAt(c, r) = markAt(c, r - 1);
        }
    }
    for (int c = 0; c < boardColumns; ++c) {
        if (columnGap[c].hasGap) {
            cellAt(c, 0) = spawnCells[c];
        }
        resetSpawnCell(c);
        markAt(c, 0) = 0;
        for (int r = 0; r < boardRows; ++r) {
            snapCell(c, r);
        }
    }
    for (ColumnGap& gap : columnGap) {
        gap.hasGap = 0;
        gap.gapRow = 0;
    }
}
}  // namespace

bool boardClick(int x, int y)
{
    if (!inBoardRect(x, y)) {
        clearHighlights();
        selectState = selectNone;
        return false;
    }
    selectState += 1;
    if (selectState == selectFirst) {
        fallSpeed = 3;
        chooseFirst(columnUnder(x), rowUnder(y));
        return true;
    }
    // A second click whose button is already up, or any click after it, only
    // counts on until something resets the selection.
    if (selectState != selectSecond || !mouseDown) {
        return false;
    }
    targetColumn = columnUnder(x);
    targetRow = rowUnder(y);
    if (targetNextToFirst()) {
        selectState = selectNone;
        flagTarget();
        return true;
    }
    if (targetColumn == firstColumn && targetRow == firstRow) {
        clearHighlights();
        selectState = selectNone;
        return false;
    }
    clearHighlights();
    chooseFirst(targetColumn, targetRow);
    selectState = selectFirst;
    return true;
}

void boardDrag(int x, int y)
{
    if (!mouseDown || selectState != selectFirst) {
        return;
    }
    int aimX = x;
    int aimY = y;
    if (pressX - x >= dragThreshold) {
        aimX = pressX - cellSize;
    } else if (x - pressX >= dragThreshold) {
        aimX = pressX + cellSize;
    } else if (pressY - y >= dragThreshold) {
        aimY = pressY - cellSize;
    } else if (y - pressY >= dragThreshold) {
        aimY = pressY + cellSize;
    } else {
        return;
    }
    targetColumn = columnUnder(aimX);
    targetRow = rowUnder(aimY);
    if (!inBoardRect(x, y)) {
        selectState = selectNone;
        clearHighlights();
        return;
    }
    // An aim beyond the edge stays in the target; the swap step ignores it.
    if (!onBoard(targetColumn, targetRow)) {
        return;
    }
    if (targetNextToFirst()) {
        flagTarget();
    }
}

void pickPiece(int column, int row)
{
    clearHighlights();
    selectState = selectFirst;
    fallSpeed = 3;
    chooseFirst(column, row);
}

bool swapPickedWith(int column, int row)
{
    if (selectState != selectFirst || !onBoard(column, row)) {
        return false;
    }
    targetColumn = column;
    targetRow = row;
    if (!targetNextToFirst()) {
        return false;
    }
    selectState = selectNone;
    flagTarget();
    return true;
}

void putPieceDown()
{
    clearHighlights();
    selectState = selectNone;
}

bool piecePicked(int& column, int& row)
{
    column = firstColumn;
    row = firstRow;
    return selectState == selectFirst;
}

bool targetSwapping()
{
    return onBoard(targetColumn, targetRow) && cellAt(targetColumn, targetRow).swapping != 0;
}

void swapStep(float dt)
{
    if (!targetSwapping()) {
        return;
    }
    float step = swapSpeed * dt;
    selectState = selectSwapping;
    swapTravel += step;
    if (swapTravel > cellSize) {
        swapLegs += 1;
        swapCells(cellAt(firstColumn, firstRow), cellAt(targetColumn, targetRow));
        step = 0;
        // The flagged record moved, so the target follows it.
        std::swap(firstColumn, targetColumn);
        std::swap(firstRow, targetRow);
        swapTravel = 0;
        if (hasLine()) {
            swapLegs = 0;
            endSwap();
            selectState = selectNone;
            markLines();
            clearPass();
            clearHighlights();
        } else if (swapLegs > 1) {
            selectState = selectNone;
            swapLegs = 0;
            endSwap();
            clearHighlights();
        }
    }
    slideTowardEachOther(step);
}

void fallStep(float dt)
{
    if (!falling) {
        return;
    }
    const float d = fallSpeed * dt * 100;
    fallTravel += d;
    if (fallTravel < cellSize) {
        for (int c = 0; c < boardColumns; ++c) {
            if (!columnGap[c].hasGap) {
                continue;
            }
            spawnCells[c].y += d;
            for (int r = 0; r < columnGap[c].gapRow; ++r) {
                cellAt(c, r).y += d;
            }
        }
        return;
    }
    // Each completed step falls faster; a first click or a cascade slows it again.
    fallSpeed += 1;
    fallTravel = 0;
    falling = 0;
    completeFallStep();
    clearPass();
    if (!falling && hasLine()) {
        fallSpeed = 3;
        markLines();
        clearPass();
    }
}

void clearPass()
{
    std::srand(platformTicks());
    falling = 0;
    for (int c = boardColumns - 1; c >= 0; --c) {
        ColumnGap& gap = columnGap[c];
        for (int r = boardRows - 1; r >= 0; --r) {
            if (markAt(c, r) != 1) {
                continue;
            }
            cellAt(c, r).kind = emptyKind;
            gap.hasGap = 1;
            clearedCount += 1;
            // Every marked cell rolls; the roll of the column's highest mark enters.
            spawnCells[c].kind = uint8_t(std::rand() % pieceKindCount);
            if (gap.gapRow == 0) {
                gap.gapRow = uint8_t(r);
            }
            falling = 1;
        }
    }
    // Every pass scores, also one that finds nothing marked.
    scorePass(clearedCount);
    clearedCount = 0;
    noMoveTest();
}

void advanceFrames(Cell& cell, float dt)
{
    // A piece that lost its highlight finishes its loop and rests at frame 0.
    if (cell.highlighted || cell.frame > 0) {
        cell.frame += 25 * dt;
        if (cell.frame > layout::pieceFrames - 1) {
            cell.frame = 0;
        }
    }
}
